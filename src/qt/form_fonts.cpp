#include "qt/form_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "base/written_standard.h"
#include "form/accessible_names.h"
#include "form/control_ids.h"
#include "form/form_lists.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

// The texts a label can show: its resource text and both written standards' labels.
std::vector<std::string> TextsOf(const ControlTemplate& t) {
    std::vector<std::string> texts{std::string(t.text)};
    if (t.id == kNoControlId) {
        return texts;
    }
    for (int standard : {kBokmal, kNynorsk}) {
        std::string text = LabelTextInForce(t, standard);
        if (std::find(texts.begin(), texts.end(), text) == texts.end()) {
            texts.push_back(std::move(text));
        }
    }
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

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

QFont DialogFont() {
    // The Windows program's dialog font is an 8-point sans serif; its metrics give the unit size.
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8);
    // The form shows Windows-1252 text only, which the face covers: no fallback faces to sort.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont ListFont(int pixels) {
    // A face that is missing costs a sorted search of fallback faces before the next named
    // one is tried, which is then taken: the missing ones are left out when one is there.
    const QStringList named{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                            QStringLiteral("DejaVu Sans Mono")};
    // A family of two foundries is listed as "Family [Foundry]". (QFontDatabase::hasFamily
    // asks fontconfig for aliases, which costs more than the search it would spare.)
    QStringList present = QFontDatabase::families();
    for (QString& family : present) {
        family = family.section(QStringLiteral(" ["), 0, 0);
    }
    QStringList installed;
    for (const QString& family : named) {
        if (present.contains(family, Qt::CaseInsensitive)) {
            installed << family;
        }
    }
    QFont font;
    font.setFamilies(installed.isEmpty() ? named : installed);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// The dialog unit from the metrics of the dialog font at 8 points.
FormFonts Units(const QWidget& page) {
    QFont dialogFont = DialogFont();
    QFontMetricsF fm(dialogFont, &page);
    FormFonts fonts;
    fonts.unitX = std::max(1.0, std::round(fm.horizontalAdvance(kAlphabet) / 52.0) / 4.0);
    fonts.unitY = std::max(1.0, std::round(fm.height()) / 8.0);
    fonts.label = dialogFont;
    return fonts;
}

void KeyOfPage(const QWidget& page, FontFitKey& key) {
    key.dpi = page.logicalDpiY();
    key.focusMargin = page.style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
    key.scrollBar = page.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

// Of the label font at its fitted size, the one the labels are drawn in anyway. Each letter
// measured is a glyph loaded before the window can show, so the sample is letters the labels
// of the first screen show anyway: enough to tell another face, size or hinting (which rounds
// the advances), where the faces of one family keep their advances from version to version.
void KeyOfLabelFont(const QFont& font, const QWidget& page, FontFitKey& key) {
    QFontMetricsF fm(font, &page);
    key.labelFamily = QFontInfo(font).family().toStdString();
    key.sampleAdvance = fm.horizontalAdvance(QStringLiteral("aeinrst"));
    key.lineHeight = fm.height();
}

// A fixed-pitch face has one advance for every character.
void KeyOfListFont(const QFont& font, FontFitKey& key) {
    key.listFamily = QFontInfo(font).family().toStdString();
    key.digitAdvance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'));
}

bool ListSamplesFit(const QFont& font, const FormFonts& fonts, const FontFitKey& key) {
    QFontMetrics fm(font);
    // A cell's text margins, and room for the scroll bar that a long list shows.
    int margins = 2 * (key.focusMargin + 1);
    for (auto [id, columns] : {std::pair{kIdTravelList, TravelListColumns(kBokmal)},
                               std::pair{kIdTravelList, TravelListColumns(kNynorsk)},
                               std::pair{kIdOutlayList, OutlayListColumns()}}) {
        const ControlTemplate* list = FindControl(id);
        if (!list) {
            continue;
        }
        int inner =
            DialogToPixels(list->rect, fonts.unitX, fonts.unitY).width() - 2 - key.scrollBar;
        for (const ListColumn& column : columns) {
            if (!column.sample.empty() && fm.horizontalAdvance(ToQString(column.sample)) + margins >
                                              inner * column.widthPercent / 100) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

QRect DialogToPixels(const DialogRect& r, double unitX, double unitY) {
    auto px = [](int du, double unit) { return static_cast<int>(std::lround(du * unit)); };
    int left = px(r.x, unitX);
    int top = px(r.y, unitY);
    return QRect(left, top, px(r.Right(), unitX) - left, px(r.Bottom(), unitY) - top);
}

FormFonts MeasureFormFonts(const QWidget& page, FontFitKey* keyOut) {
    FontFitKey key;
    KeyOfPage(page, key);
    FormFonts fonts = Units(page);
    fonts.measured = true;
    // The largest size of the same face in which every label fits its box in both standards.
    std::vector<std::pair<QSize, std::vector<std::string>>> labels;
    for (const ControlTemplate& t : FormTemplate()) {
        if (t.kind == ControlKind::Static) {
            labels.emplace_back(DialogToPixels(t.rect, fonts.unitX, fonts.unitY).size(),
                                TextsOf(t));
        }
    }
    for (double points = 8.0; points >= 6.0; points -= 0.25) {
        fonts.label.setPointSizeF(points);
        if (std::all_of(labels.begin(), labels.end(),
                        [&](const auto& l) { return Fits(fonts.label, l.first, l.second); })) {
            break;
        }
    }
    // The Windows program's "Courier" of cell height 14 is a small face: its dates and amounts fill
    // their narrow columns. Ours is the largest size up to that at which they do too.
    int pixels = static_cast<int>(std::lround(12.0 * key.dpi / 96.0));
    for (; pixels > 7; --pixels) {
        if (ListSamplesFit(ListFont(pixels), fonts, key)) {
            break;
        }
    }
    fonts.fixed = ListFont(pixels);
    if (keyOut) {
        KeyOfLabelFont(fonts.label, page, key);
        KeyOfListFont(fonts.fixed, key);
        *keyOut = key;
    }
    return fonts;
}

FormFonts PickFormFonts(const QWidget& page) {
    const BuiltFontFit& built = BuildFontFit();
    FontFitKey key;
    KeyOfPage(page, key);
    FormFonts fonts;
    fonts.label = DialogFont();
    fonts.label.setPointSizeF(built.fit.labelPoints);
    KeyOfLabelFont(fonts.label, page, key);
    fonts.fixed = ListFont(built.fit.listPixels);
    KeyOfListFont(fonts.fixed, key);
    if (built.key.labelFamily.empty() || !(key == built.key)) {
        return MeasureFormFonts(page);
    }
    fonts.unitX = built.fit.unitX;
    fonts.unitY = built.fit.unitY;
    return fonts;
}

}  // namespace ferdix
