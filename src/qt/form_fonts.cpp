// The form's fonts: the dialog unit from the dialog font, the label size at which every label
// fits its box, and the list font at which the list columns' values fit.
#include <QFontMetricsF>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "base/control_ids.h"
#include "base/written_standard.h"
#include "form/accessible_names.h"
#include "form/form_lists.h"
#include "form/label_table.h"
#include "qt/form_widget.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

// The texts a label can show: its resource text and both written standards' labels.
std::vector<std::string> TextsOf(const ControlTemplate& t) {
    std::vector<std::string> texts{std::string(t.text)};
    if (t.id == kNoControlId) {
        return texts;
    }
    int standard = WrittenStandard();
    for (int w : {kBokmal, kNynorsk}) {
        SetWrittenStandardValue(w);
        std::string text = LabelTextInForce(t);
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) {
            texts.push_back(std::move(text));
        }
    }
    SetWrittenStandardValue(standard);
    return texts;
}

bool Fits(const QFont& font, const QSize& box, const std::vector<std::string>& texts) {
    QFontMetricsF fm(font);
    for (const std::string& text : texts) {
        QString shown = ToQString(text);
        // One line that is narrower than the box is never wrapped: no layout needed. A line
        // as high as the box within rounding takes the exact way below.
        if (!shown.contains(QLatin1Char('\n')) && fm.horizontalAdvance(shown) <= box.width() &&
            fm.height() + 1 <= box.height()) {
            continue;
        }
        QRectF r = fm.boundingRect(QRectF(0, 0, box.width(), 100000),
                                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown);
        if (r.width() > box.width() + 0.01 || r.height() > box.height() + 0.01) {
            return false;
        }
    }
    return true;
}

}  // namespace

void CFormWidget::PickFonts() {
    // The original's dialog font is an 8-point sans serif; its metrics give the unit size.
    QFont dialogFont;
    dialogFont.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSizeF(8);
    QFontMetricsF fm(dialogFont, widget());
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    double average = std::round(fm.horizontalAdvance(alphabet) / 52.0);
    double height = std::round(fm.height());
    m_unitX = std::max(1.0, average / 4.0);
    m_unitY = std::max(1.0, height / 8.0);

    // The largest size of the same face in which every label fits its box in both standards.
    std::vector<std::pair<QSize, std::vector<std::string>>> labels;
    for (const ControlTemplate& t : FormTemplate()) {
        if (t.kind == ControlKind::Static) {
            labels.emplace_back(ToPixels(t.rect).size(), TextsOf(t));
        }
    }
    m_formFont = dialogFont;
    for (double points = 8.0; points >= 6.0; points -= 0.25) {
        m_formFont.setPointSizeF(points);
        if (std::all_of(labels.begin(), labels.end(),
                        [&](const auto& l) { return Fits(m_formFont, l.first, l.second); })) {
            break;
        }
    }
    widget()->setFont(m_formFont);

    m_fixedFont.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                             QStringLiteral("DejaVu Sans Mono")});
    m_fixedFont.setStyleHint(QFont::TypeWriter);
    m_fixedFont.setFixedPitch(true);
    // The original's "Courier" of cell height 14 is a small face: its dates and amounts fill
    // their narrow columns. Ours is the largest size up to that at which they do too.
    double scale = logicalDpiY() / 96.0;
    int pixels = static_cast<int>(std::lround(12.0 * scale));
    for (; pixels > 7; --pixels) {
        m_fixedFont.setPixelSize(pixels);
        if (ListSamplesFit(m_fixedFont)) {
            break;
        }
    }
    m_fixedFont.setPixelSize(pixels);
}

bool CFormWidget::ListSamplesFit(const QFont& font) const {
    QFontMetrics fm(font);
    // A cell's text margins, and room for the scroll bar that a long list shows.
    int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (auto [id, columns] : {std::pair{kIdTravelList, TravelListColumns()},
                               std::pair{kIdOutlayList, OutlayListColumns()}}) {
        const ControlTemplate* list = FindControl(id);
        if (!list) {
            continue;
        }
        int inner = ToPixels(list->rect).width() - 2 - scrollBar;
        for (const ListColumn& column : columns) {
            if (!column.sample.empty() && fm.horizontalAdvance(ToQString(column.sample)) + margins >
                                              inner * column.widthPercent / 100) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace ferdix
