#include "support/recording_surface.h"

#include <algorithm>
#include <utility>

namespace ferdix::test {

int RecordingSurface::Width(const FontSpec& font, std::string_view text) {
    return static_cast<int>(text.size()) * font.height / 2;
}

void RecordingSurface::SetPageMapping(int windowWidth, int windowHeight, int viewportWidth,
                                      int viewportHeight, int originX, int originY) {
    RecordedOp op;
    op.kind = OpKind::Mapping;
    op.page = m_page;
    op.x = windowWidth;
    op.y = windowHeight;
    op.x2 = viewportWidth;
    op.y2 = viewportHeight;
    op.clip = PageRect{originX, originY, 0, 0};
    ops.push_back(op);
}

FontResult RecordingSurface::MakeFont(const FontSpec& wanted) {
    FontStatus status = fontStatus ? fontStatus(wanted) : FontStatus::Made;
    if (status != FontStatus::Made) {
        return FontResult{status, kDefaultFont};
    }
    FontId id = m_nextFont++;
    m_fonts[id] = wanted;
    return FontResult{FontStatus::Made, id};
}

void RecordingSurface::ReleaseFont(FontId font) {
    if (font == m_current || m_fonts.erase(font) == 0) {
        ++misuses;
    }
}

FontId RecordingSurface::SelectFont(FontId font) {
    if (font != kDefaultFont && m_fonts.count(font) == 0) {
        ++misuses;
        return m_current;
    }
    FontId previous = m_current;
    m_current = font;
    return previous;
}

StockBrush RecordingSurface::SelectStockBrush(StockBrush brush) {
    brushes.push_back(brush);
    return std::exchange(m_brush, brush);
}

void RecordingSurface::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void RecordingSurface::LineTo(int x, int y) {
    RecordedOp op;
    op.kind = OpKind::Line;
    op.page = m_page;
    op.x = m_x;
    op.y = m_y;
    op.x2 = x;
    op.y2 = y;
    ops.push_back(op);
    MoveTo(x, y);
}

void RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
    RecordedOp op;
    op.kind = OpKind::Rectangle;
    op.page = m_page;
    op.x = left;
    op.y = top;
    op.x2 = right;
    op.y2 = bottom;
    op.brush = m_brush;
    ops.push_back(op);
}

TextAlign RecordingSurface::SetTextAlign(TextAlign align) {
    return std::exchange(m_align, align);
}

const FontSpec& RecordingSurface::CurrentFont() const {
    auto it = m_fonts.find(m_current);
    return it != m_fonts.end() ? it->second : defaultFont;
}

void RecordingSurface::TextOut(int x, int y, std::string_view text) {
    RecordedOp op;
    op.kind = OpKind::Text;
    op.page = m_page;
    op.x = x;
    op.y = y;
    op.text = std::string(text);
    op.font = CurrentFont();
    op.align = m_align;
    op.left = m_align == TextAlign::Right ? x - Width(op.font, text) : x;
    ops.push_back(std::move(op));
}

void RecordingSurface::ClippedTextOut(int x, int y, const PageRect& clip, std::string_view text) {
    TextAlign align = std::exchange(m_align, TextAlign::Left);
    TextOut(x, y, text);
    m_align = align;
    ops.back().clipped = true;
    ops.back().clip = clip;
}

TextSize RecordingSurface::MeasureText(std::string_view text) {
    const FontSpec& font = CurrentFont();
    return TextSize{Width(font, text), font.height};
}

void RecordingSurface::DrawPicture(Picture picture, const PageRect& target) {
    (void)picture;
    RecordedOp op;
    op.kind = OpKind::Picture;
    op.page = m_page;
    op.x = target.left;
    op.y = target.top;
    op.x2 = target.right;
    op.y2 = target.bottom;
    ops.push_back(op);
}

const RecordedOp* RecordingSurface::FindText(int page, std::string_view text) const {
    for (const RecordedOp& op : ops) {
        if (op.kind == OpKind::Text && op.page == page && op.text == text) {
            return &op;
        }
    }
    return nullptr;
}

std::vector<const RecordedOp*> RecordingSurface::FindTexts(int page, std::string_view text) const {
    std::vector<const RecordedOp*> found;
    for (const RecordedOp& op : ops) {
        if (op.kind == OpKind::Text && op.page == page && op.text == text) {
            found.push_back(&op);
        }
    }
    return found;
}

std::vector<const RecordedOp*> RecordingSurface::Texts(int page) const {
    std::vector<const RecordedOp*> found;
    for (const RecordedOp& op : ops) {
        if (op.kind == OpKind::Text && op.page == page) {
            found.push_back(&op);
        }
    }
    return found;
}

std::vector<const RecordedOp*> RecordingSurface::Lines(int page) const {
    std::vector<const RecordedOp*> found;
    for (const RecordedOp& op : ops) {
        if (op.kind == OpKind::Line && op.page == page) {
            found.push_back(&op);
        }
    }
    return found;
}

bool RecordingSurface::HasLine(int page, int x1, int y1, int x2, int y2) const {
    return std::any_of(ops.begin(), ops.end(), [&](const RecordedOp& op) {
        return op.kind == OpKind::Line && op.page == page &&
               ((op.x == x1 && op.y == y1 && op.x2 == x2 && op.y2 == y2) ||
                (op.x == x2 && op.y == y2 && op.x2 == x1 && op.y2 == y1));
    });
}

bool RecordingSurface::HasFrame(int page, int x1, int y1, int x2, int y2) const {
    return HasLine(page, x1, y1, x1, y2) && HasLine(page, x1, y2, x2, y2) &&
           HasLine(page, x2, y2, x2, y1) && HasLine(page, x2, y1, x1, y1);
}

bool RecordingSurface::IsTicked(int page, int x, int y) const {
    return HasLine(page, x, y, x + 40, y + 40) && HasLine(page, x, y + 40, x + 40, y);
}

int PrintAll(CPrintJob& job, RecordingSurface& surface) {
    PrintInfo info;
    info.printableWidth = 2080;
    info.printableHeight = 3000;
    if (!job.BeginPrinting(surface, info)) {
        job.EndPrinting(surface, info);
        return 0;
    }
    for (int page = info.minPage; page <= info.maxPage; ++page) {
        surface.StartPage(page);
        info.currentPage = page;
        job.PrintPage(surface, info);
    }
    job.EndPrinting(surface, info);
    return info.maxPage;
}

}  // namespace ferdix::test
