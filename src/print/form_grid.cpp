#include "print/form_grid.h"

#include <algorithm>
#include <cassert>

#include "print/text_fit.h"

namespace ferdix {

namespace {

constexpr int kMarginX = 3;
// What a cut value ends with: "..." as one character.
constexpr std::string_view kEllipsis = "\x85";

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

GridPainter::~GridPainter() {
    for (const auto& [known, font] : m_smaller) {
        if (font != kDefaultFont) {
            m_dc.ReleaseFont(font);
        }
    }
}

FontId GridPainter::Smaller(int height) {
    if (m_valueFont.id == kDefaultFont) {
        return kDefaultFont;
    }
    FontSpec wanted = m_valueFont.face;
    wanted.height = height;
    for (const auto& [known, font] : m_smaller) {
        if (known == wanted) {
            return font;
        }
    }
    FontResult made = m_dc.MakeFont(wanted);
    FontId font = made.status == FontStatus::Made ? made.font : kDefaultFont;
    m_smaller.emplace_back(wanted, font);
    return font;
}

void GridPainter::Place(std::string_view text, int x, int y, Anchor anchor, int width) {
    switch (anchor) {
        case Anchor::Left:
            Text(x, y, text);
            break;
        case Anchor::Right:
            m_dc.SetTextAlign(TextAlign::Right);
            Text(x, y, text);
            m_dc.SetTextAlign(TextAlign::Left);
            break;
        case Anchor::Centre:
            Text(x - width / 2, y, text);
            break;
    }
}

namespace {

// The first line of a text broken to fit a width: up to its last space that fits, or the
// characters that fit when it has none; rest is what follows (without that space).
std::string_view FirstLine(std::string_view text, int room, const TextWidth& width,
                           std::string_view& rest) {
    std::size_t fits = LongestFittingPrefix(text, room, width, 1);
    std::size_t space = text.substr(0, fits + 1).rfind(' ');
    std::size_t words = text.find_first_not_of(' ');
    if (fits < text.size() && space != std::string_view::npos && space > words) {
        rest = text.substr(space + 1);
        return text.substr(0, space);
    }
    rest = text.substr(fits);
    return text.substr(0, fits);
}

}  // namespace

void GridPainter::FitText(std::string_view text, const Cell& cell, int x, int y, Anchor anchor) {
    if (text.empty()) {
        return;
    }
    int lo = anchor == Anchor::Left ? x : cell.left + kMarginX;
    int hi = anchor == Anchor::Right ? x : cell.right - kMarginX;
    int room = hi - lo;
    int w = Width(text);
    if (w <= room) {
        Place(text, x, y, anchor, w);
        return;
    }
    int h = m_valueFont.face.height > 0 ? m_valueFont.face.height : m_h;
    int bottom = y + h;
    int smallest = std::max(1, (h * kSmallestValueSize + 99) / 100);
    TextWidth width = [this](std::string_view t) { return Width(t); };
    // Runs f with the value font at height s current; false when there is no such font.
    auto atSize = [&](int s, auto f) {
        if (s == h) {
            return f();
        }
        FontId font = Smaller(s);
        if (font == kDefaultFont) {
            return false;
        }
        FontId previous = m_dc.SelectFont(font);
        bool done = f();
        m_dc.SelectFont(previous);
        return done;
    };

    // Smaller, on one line. Widths follow the size, so the first guess is all but exact.
    if (room > 0) {
        auto s = static_cast<int>(std::min<long long>(h - 1, static_cast<long long>(h) * room / w));
        while (s >= smallest) {
            int ws = 0;
            if (atSize(s, [&] {
                    ws = Width(text);
                    if (ws > room) {
                        return false;
                    }
                    Place(text, x, bottom - s, anchor, ws);
                    return true;
                })) {
                return;
            }
            if (ws == 0) {
                break;  // no smaller font
            }
            s = static_cast<int>(std::min<long long>(s - 1, static_cast<long long>(s) * room / ws));
        }
    }

    // On two lines, resting where the one line rested.
    for (int s = std::min(h, (bottom - cell.top) / 2); s >= smallest && room > 0; --s) {
        if (atSize(s, [&] {
                std::string_view rest;
                std::string_view first = FirstLine(text, room, width, rest);
                if (first.empty() ||
                    LongestFittingPrefix(rest, room, width, first.size()) < rest.size()) {
                    return false;
                }
                Place(first, x, bottom - 2 * s, anchor, Width(first));
                Place(rest, x, bottom - s, anchor, Width(rest));
                return true;
            })) {
            return;
        }
    }
    Cut(text, cell, x, bottom, anchor, room);
}

// The last resort: at the smallest size there is, as much as fits, then "...", clipped to the
// cell; on two lines where the cell has room for them.
void GridPainter::Cut(std::string_view text, const Cell& cell, int x, int bottom, Anchor anchor,
                      int room) {
    int h = m_valueFont.face.height > 0 ? m_valueFont.face.height : m_h;
    int s = std::max(1, (h * kSmallestValueSize + 99) / 100);
    FontId font = Smaller(s);
    if (font == kDefaultFont) {
        s = h;
    }
    FontId previous = font != kDefaultFont ? m_dc.SelectFont(font) : kDefaultFont;
    TextWidth width = [this](std::string_view t) { return Width(t); };
    PageRect clip{cell.left, cell.top, cell.right, cell.bottom};
    std::string_view last = text;
    if (room > 0 && bottom - 2 * s >= cell.top) {
        std::string_view rest;
        std::string_view first = FirstLine(text, room, width, rest);
        if (!first.empty()) {
            Place(first, x, bottom - 2 * s, anchor, Width(first));
            last = rest;
        }
    }
    std::size_t keep = LongestFittingPrefix(last, room - Width(kEllipsis), width, 1);
    std::string cut(last.substr(0, keep));
    cut += kEllipsis;
    int w = Width(cut);
    int left = anchor == Anchor::Left ? x : anchor == Anchor::Right ? x - w : x - w / 2;
    m_dc.ClippedTextOut(left, bottom - s, clip, cut);
    if (font != kDefaultFont) {
        m_dc.SelectFont(previous);
    }
}

void GridPainter::FitCellText(std::string_view text, int c, int r, const Cell& cell) {
    FitText(text, cell, c < 0 ? kMarginX : Col(c) + kMarginX, Row(r) - m_h - 3, Anchor::Left);
}

void GridPainter::FitCellTextRight(std::string_view text, int c, int r, const Cell& cell) {
    FitText(text, cell, Col(c) - kMarginX, Row(r) - m_h - 3, Anchor::Right);
}

void GridPainter::FitCellTextCentred(std::string_view text, int c1, int c2, int r,
                                     const Cell& cell) {
    FitText(text, cell, (Col(c1) + Col(c2)) / 2, Row(r) - m_h - 3, Anchor::Centre);
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
