// What the printed form needs of a printer, a preview page, a PDF or a test recorder. All
// coordinates are logical page units once the page mapping is set; texts are Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace ferdix {

enum class FontFamily { Roman, Swiss, Modern };
enum class FontPitch { Default, Fixed };

struct FontSpec {
    std::string face;  // empty: the back end's default roman face
    // Cell height (ascent plus descent) in page units: text of a height-40 font placed at y
    // covers y to y + 40.
    int height = 0;
    int weight = 400;  // 0 any, 400 normal, 700 bold
    FontPitch pitch = FontPitch::Default;
    FontFamily family = FontFamily::Roman;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A font made by the surface. 0 is the surface's own default font, current at the start.
using FontId = int;
inline constexpr FontId kDefaultFont = 0;

// A font can fail twice over: there is no memory for it, or the face cannot be realised.
enum class FontStatus { Made, NotMade, NotAllocated };

struct FontResult {
    FontStatus status = FontStatus::NotMade;
    FontId font = kDefaultFont;  // valid only when Made
};

enum class StockBrush { Null, White };
enum class TextAlign { Left, Right };

struct TextSize {
    int width = 0;
    int height = 0;
};

struct PageRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const PageRect&, const PageRect&) = default;
};

// Pictures the program draws from its own resources.
enum class Picture { HeaderMark };

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // The logical window (windowWidth x windowHeight) is stretched onto the viewport, each
    // axis on its own; the logical origin lands on device point (originX, originY).
    virtual void SetPageMapping(int windowWidth, int windowHeight, int viewportWidth,
                                int viewportHeight, int originX, int originY) = 0;
    // Text leaves its background unpainted.
    virtual void SetTransparentBackground() = 0;

    virtual FontResult MakeFont(const FontSpec& wanted) = 0;
    // A font that is selected must not be released; the default font is never released.
    virtual void ReleaseFont(FontId font) = 0;
    // Makes the font current and returns the one it replaces.
    virtual FontId SelectFont(FontId font) = 0;
    // Makes the brush current and returns the one it replaces.
    virtual StockBrush SelectStockBrush(StockBrush brush) = 0;

    // Straight lines with the default pen (solid, black, thinnest).
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Outlined with the pen and filled with the current brush.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;

    // Left: x is the left edge of the text; Right: x is its right edge. Returns the previous.
    virtual TextAlign SetTextAlign(TextAlign align) = 0;
    // The top-left corner of the first character cell at (x, y), or its top-right with right
    // alignment.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // As TextOut, left-aligned, with nothing drawn outside clip.
    virtual void ClippedTextOut(int x, int y, const PageRect& clip, std::string_view text) = 0;
    // Width and height of the text in the current font, in page units.
    virtual TextSize MeasureText(std::string_view text) = 0;

    virtual bool IsPreview() const = 0;
    // Copies the picture onto the page-unit rectangle.
    virtual void DrawPicture(Picture picture, const PageRect& target) = 0;
};

}  // namespace ferdix
