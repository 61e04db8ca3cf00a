// The layout grid of the printed form and the drawing primitives that place text and rules on
// it. Each page step writes the grid entries it reads, so any page can be drawn on its own.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "print/drawing_surface.h"

namespace ferdix {

struct FormGrid {
    std::array<int, 25> colX{};  // column stops, x
    std::array<int, 46> rowY{};  // row lines, y; entry 0 is the back pages' running cursor
};

// The lines of a text split at line breaks (character 10); the last piece may be empty.
std::vector<std::string_view> SplitLines(std::string_view text);

// In every primitive c indexes colX and r indexes rowY; c = -1 is the left margin (x = 3).
// h is the text height measured at the start of the run.
class GridPainter {
  public:
    GridPainter(DrawingSurface& dc, FormGrid& grid, int textHeight)
        : m_dc(dc), m_grid(grid), m_h(textHeight) {}

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

  private:
    void DrawLines(std::string_view text, int c, int r, int pitch);
    int Width(std::string_view text);

    DrawingSurface& m_dc;
    FormGrid& m_grid;
    int m_h;
};

}  // namespace ferdix
