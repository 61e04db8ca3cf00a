// A drawing surface for tests: keeps every operation with its page, coordinates, font and
// text, and measures text by a fixed model, so page layouts can be checked to the unit.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "print/drawing_surface.h"
#include "print/print_job.h"

namespace ferdix::test {

enum class OpKind { Mapping, Line, Rectangle, Text, Picture };

struct RecordedOp {
    OpKind kind = OpKind::Text;
    int page = 0;
    // Line: from (x, y) to (x2, y2). Rectangle and picture: the corners. Text: the point given.
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text;
    FontSpec font;  // the current font when a text was drawn
    TextAlign align = TextAlign::Left;
    int left = 0;  // a text's left edge, whatever its alignment
    bool clipped = false;
    PageRect clip;
    StockBrush brush = StockBrush::Null;  // the current brush of a rectangle
};

class RecordingSurface final : public DrawingSurface {
  public:
    // The measuring model: a text is as high as its font's cell, and each character advances
    // half of that height (width = characters x height / 2, rounded down). So "Åj" in the
    // height-40 base font measures 40 x 40, and a 32-unit Courier line of 112 characters
    // fits in 1800 units while 113 do not.
    static int Width(const FontSpec& font, std::string_view text);

    // The font current when nothing else is selected.
    FontSpec defaultFont{"System", 30, 400, FontPitch::Default, FontFamily::Swiss};
    bool preview = false;
    // What MakeFont answers for a wanted; every font is made when unset.
    std::function<FontStatus(const FontSpec&)> fontStatus;

    // Following operations belong to this page.
    void StartPage(int page) { m_page = page; }

    void SetPageMapping(int windowWidth, int windowHeight, int viewportWidth, int viewportHeight,
                        int originX, int originY) override;
    void SetTransparentBackground() override { transparent = true; }
    FontResult MakeFont(const FontSpec& wanted) override;
    void ReleaseFont(FontId font) override;
    FontId SelectFont(FontId font) override;
    StockBrush SelectStockBrush(StockBrush brush) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    TextAlign SetTextAlign(TextAlign align) override;
    void TextOut(int x, int y, std::string_view text) override;
    void ClippedTextOut(int x, int y, const PageRect& clip, std::string_view text) override;
    TextSize MeasureText(std::string_view text) override;
    bool IsPreview() const override { return preview; }
    void DrawPicture(Picture picture, const PageRect& target) override;

    const FontSpec& CurrentFont() const;
    // Fonts made and not yet released.
    std::size_t LiveFonts() const { return m_fonts.size(); }

    // The first text equal to text on the page, or null.
    const RecordedOp* FindText(int page, std::string_view text) const;
    std::vector<const RecordedOp*> FindTexts(int page, std::string_view text) const;
    // The texts of a page in drawing order.
    std::vector<const RecordedOp*> Texts(int page) const;
    std::vector<const RecordedOp*> Lines(int page) const;
    // A straight line between the two points, drawn in either direction.
    bool HasLine(int page, int x1, int y1, int x2, int y2) const;
    // The four sides of a rectangle.
    bool HasFrame(int page, int x1, int y1, int x2, int y2) const;
    // A 40 x 40 tick box at (x, y) and whether it carries its X.
    bool HasBox(int page, int x, int y) const { return HasFrame(page, x, y, x + 40, y + 40); }
    bool IsTicked(int page, int x, int y) const;

    std::vector<RecordedOp> ops;
    bool transparent = false;
    // Selecting or releasing a font that does not exist, or releasing the current one.
    int misuses = 0;
    std::vector<StockBrush> brushes;  // every brush selected, in order

  private:
    int m_page = 0;
    int m_nextFont = 1;
    std::map<FontId, FontSpec> m_fonts;
    FontId m_current = kDefaultFont;
    StockBrush m_brush = StockBrush::White;
    TextAlign m_align = TextAlign::Left;
    int m_x = 0;
    int m_y = 0;
};

// A whole print run of the job on the surface, as the print framework drives it; each page
// maps onto a printable area of the logical page's own size. Returns the page count, 0 when
// the run gave up.
int PrintAll(CPrintJob& job, RecordingSurface& surface);

}  // namespace ferdix::test
