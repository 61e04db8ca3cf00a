#include "print/form_grid.h"

#include <cassert>

namespace ferdix {

namespace {

constexpr int kMarginX = 3;

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

int& GridPainter::Col(int c) {
    assert(c >= 0 && c < static_cast<int>(m_grid.colX.size()));
    return m_grid.colX[static_cast<std::size_t>(c)];
}

int& GridPainter::Row(int r) {
    assert(r >= 0 && r < static_cast<int>(m_grid.rowY.size()));
    return m_grid.rowY[static_cast<std::size_t>(r)];
}

void GridPainter::Text(int x, int y, std::string_view text) {
    if (!text.empty()) {
        m_dc.TextOut(x, y, text);
    }
}

void GridPainter::Line(int x1, int y1, int x2, int y2) {
    m_dc.MoveTo(x1, y1);
    m_dc.LineTo(x2, y2);
}

int GridPainter::Width(std::string_view text) {
    return m_dc.MeasureText(text).width;
}

void GridPainter::DrawCellText(std::string_view text, int c, int r) {
    int x = c < 0 ? kMarginX : Col(c) + kMarginX;
    Text(x, Row(r) - m_h - 3, text);
}

void GridPainter::DrawCellTextTop(std::string_view text, int c, int r) {
    if (c < 0) {
        Text(kMarginX, Row(r) - m_h - 3, text);
    } else if (r == 45) {
        Text(Col(c) + kMarginX, Row(45) - 63, text);
    } else {
        Text(Col(c) + kMarginX, Row(r - 1) + 1, text);
    }
}

void GridPainter::DrawCellTextRight(std::string_view text, int c, int r) {
    m_dc.SetTextAlign(TextAlign::Right);
    Text(Col(c) - kMarginX, Row(r) - m_h - 3, text);
    m_dc.SetTextAlign(TextAlign::Left);
}

void GridPainter::DrawCellTextCentred(std::string_view text, int c1, int c2, int r) {
    if (text.empty()) {
        return;
    }
    int x = (Col(c1) + Col(c2)) / 2 - Width(text) / 2;
    Text(x, Row(r) - m_h - 3, text);
}

void GridPainter::DrawLines(std::string_view text, int c, int r, int pitch) {
    int x = c < 0 ? kMarginX : Col(c) + kMarginX;
    int y = (c < 0 ? Row(r) : Row(r - 1)) + 1;
    for (std::string_view line : SplitLines(text)) {
        Text(x, y, line);
        y += pitch;
    }
}

void GridPainter::DrawCellLines(std::string_view text, int c, int r) {
    DrawLines(text, c, r, 25);
}

void GridPainter::DrawCellLinesTight(std::string_view text, int c, int r) {
    DrawLines(text, c, r, 22);
}

void GridPainter::DrawStackedWord(std::string_view text, int c, int r) {
    int y = (c < 0 ? Row(r) : Row(r - 1)) + 1;
    for (std::string_view line : SplitLines(text)) {
        int x = c < 0 ? kMarginX : Col(c) - Width(line) / 2 + 30;
        Text(x, y, line);
        y += 17;
    }
}

void GridPainter::DrawLinesRight(std::string_view text, int c, int r) {
    int y = Row(r - 1) + 1;
    for (std::string_view line : SplitLines(text)) {
        Text(Col(c) - Width(line) - kMarginX, y, line);
        y += 25;
    }
}

void GridPainter::DrawTwoLines(std::string_view text, int x, int y) {
    std::vector<std::string_view> lines = SplitLines(text);
    for (std::size_t k = 0; k < lines.size() && k < 2; ++k) {
        std::string_view line = lines[k];
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        Text(x + kMarginX, y + 1 + static_cast<int>(k) * (m_h + 3), line);
    }
}

void GridPainter::DrawFrame(int x1, int y1, int x2, int y2) {
    m_dc.MoveTo(x1, y1);
    m_dc.LineTo(x1, y2);
    m_dc.LineTo(x2, y2);
    m_dc.LineTo(x2, y1);
    m_dc.LineTo(x1, y1);
}

void GridPainter::DrawCheckBox(int x, int y, bool ticked) {
    DrawFrame(x, y, x + 40, y + 40);
    if (ticked) {
        Line(x, y, x + 40, y + 40);
        Line(x, y + 40, x + 40, y);
    }
}

void GridPainter::DrawArrow(int x1, int y1, int x2, int y2) {
    bool vertical = x1 == x2 && y1 != y2;
    bool horizontal = y1 == y2 && x1 != x2;
    if (!vertical && !horizontal) {
        return;
    }
    Line(x1, y1, x2, y2);
    if (vertical) {
        int s = y2 > y1 ? 1 : -1;
        m_dc.MoveTo(x2 - 15, y2 - 10 * s);
        m_dc.LineTo(x2, y2);
        m_dc.LineTo(x2 + 15, y2 - 10 * s);
    } else {
        int s = x2 > x1 ? 1 : -1;
        m_dc.MoveTo(x2 - 10 * s, y2 - 15);
        m_dc.LineTo(x2, y2);
        m_dc.LineTo(x2 - 10 * s, y2 + 15);
    }
}

void GridPainter::DrawHeaderMark(bool isPreview) {
    if (isPreview) {
        m_dc.DrawPicture(Picture::HeaderMark, PageRect{0, -50, 320, 0});
        return;
    }
    static constexpr int kOutline[][2] = {{0, -12},  {320, -12}, {320, -15}, {70, -15}, {50, -21},
                                          {30, -30}, {21, -36},  {12, -40},  {50, -60}};
    m_dc.MoveTo(30, -30);
    for (const auto& p : kOutline) {
        m_dc.LineTo(p[0], p[1]);
    }
}

}  // namespace ferdix
