// The layout grid of the printed form and the drawing primitives that place text and rules on
// it. Each page step writes the grid entries it reads, so any page can be drawn on its own.
#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "print/drawing_surface.h"

namespace ferdix {

struct FormGrid {
    std::array<int, 25> colX{};  // column stops, x
    std::array<int, 46> rowY{};  // row lines, y; entry 0 is the back pages' running cursor
};

// The lines of a text split at line breaks (character 10); the last piece may be empty.
std::vector<std::string_view> SplitLines(std::string_view text);

// The part of the page a value may print in: between the rules around it, and clear of the
// labels in it.
struct Cell {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// How a value's x places it: its left edge, its right edge, or its centre.
enum class Anchor { Left, Right, Centre };

// The font a value prints in and what it was made from; a value that needs a smaller size
// gets one of the same face. Id 0, the surface's own font, cannot be made smaller.
struct ValueFont {
    FontId id = kDefaultFont;
    FontSpec face;
};

// The smallest size a value is set in, in percent of its font's height.
inline constexpr int kSmallestValueSize = 55;

// In every primitive c indexes colX and r indexes rowY; c = -1 is the left margin (x = 3).
// h is the text height measured at the start of the run.
class GridPainter {
  public:
    GridPainter(DrawingSurface& dc, FormGrid& grid, int textHeight)
        : m_dc(dc), m_grid(grid), m_h(textHeight) {}
    // Releases the smaller fonts the page's values needed.
    ~GridPainter();
    GridPainter(const GridPainter&) = delete;
    GridPainter& operator=(const GridPainter&) = delete;

    DrawingSurface& Surface() { return m_dc; }
    int TextHeight() const { return m_h; }
    int& Col(int c);
    int& Row(int r);

    // Nothing is drawn for an empty text.
    void Text(int x, int y, std::string_view text);
    void Line(int x1, int y1, int x2, int y2);

    // Resting on row r: x = colX[c] + 3, y = rowY[r] - h - 3.
    void DrawCellText(std::string_view text, int c, int r);
    // Hanging from the row above r (rowY[r-1] + 1); r = 45 hangs 63 units above rowY[45].
    void DrawCellTextTop(std::string_view text, int c, int r);
    // Ending at colX[c] - 3, resting on row r.
    void DrawCellTextRight(std::string_view text, int c, int r);
    void DrawCellTextCentred(std::string_view text, int c1, int c2, int r);
    // One line per line of the text, 25 units apart, hanging from the row above r.
    void DrawCellLines(std::string_view text, int c, int r);
    void DrawCellLinesTight(std::string_view text, int c, int r);
    // One letter per line, 17 units apart, each centred 30 units right of colX[c].
    void DrawStackedWord(std::string_view text, int c, int r);
    void DrawLinesRight(std::string_view text, int c, int r);
    // The first two lines only, without their carriage returns, h + 3 apart.
    void DrawTwoLines(std::string_view text, int x, int y);
    void DrawFrame(int x1, int y1, int x2, int y2);
    void DrawCheckBox(int x, int y, bool ticked);
    // Vertical or horizontal segments only, with a V-shaped head at (x2, y2).
    void DrawArrow(int x1, int y1, int x2, int y2);
    void DrawHeaderMark(bool isPreview);

    // Values. A value prints in the font made current with SetValueFont, at the place x and
    // y (its top) give, as the primitives above place it, when it fits its cell. A wider one
    // is set in a smaller size of the same font (down to kSmallestValueSize), resting where
    // it rested; then on two lines, where the cell is high enough, broken at a space when it
    // has one; and only as the last resort cut at its cell, ending with "...", at the smallest
    // size. Nothing it prints leaves the cell; its far edge keeps 3 units from the rule.
    void SetValueFont(const ValueFont& font) { m_valueFont = font; }
    void FitText(std::string_view text, const Cell& cell, int x, int y, Anchor anchor);
    // At the places of DrawCellText, DrawCellTextRight and DrawCellTextCentred.
    void FitCellText(std::string_view text, int c, int r, const Cell& cell);
    void FitCellTextRight(std::string_view text, int c, int r, const Cell& cell);
    void FitCellTextCentred(std::string_view text, int c1, int c2, int r, const Cell& cell);

  private:
    void DrawLines(std::string_view text, int c, int r, int pitch);
    int Width(std::string_view text);
    // The value font at a smaller height, made once a page; 0 when it cannot be made.
    FontId Smaller(int height);
    void Place(std::string_view text, int x, int y, Anchor anchor, int width);
    void Cut(std::string_view text, const Cell& cell, int x, int bottom, Anchor anchor, int room);

    DrawingSurface& m_dc;
    FormGrid& m_grid;
    int m_h;
    ValueFont m_valueFont;
    std::vector<std::pair<FontSpec, FontId>> m_smaller;
};

}  // namespace ferdix
