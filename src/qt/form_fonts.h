// The form's fonts: the dialog unit from the metrics of the dialog font, the label size at which
// every label fits its box in both written standards, and the list font at which the list
// columns' values fit. Fitting measures every label (some milliseconds of the start-up), so the
// build fits them once (form_font_fit.cpp) and the program measures only where the fonts, the
// screen or the style differ from the build's.
#pragma once

#include <QFont>
#include <QRect>
#include <string>

#include "form/form_template.h"

class QWidget;

namespace ferdix {

// Everything the fitted sizes depend on besides the form's texts: equal keys, equal sizes.
struct FontFitKey {
    std::string labelFamily;   // what the label font resolves to, at the fitted size
    double sampleAdvance = 0;  // of a few letters every first screen shows, in it
    double lineHeight = 0;
    std::string listFamily;   // what the list font resolves to, at the fitted size
    double digitAdvance = 0;  // of a 0 at the fitted size (a fixed-pitch face)
    int dpi = 0;
    int focusMargin = 0;  // the style's cell margin and scroll bar width
    int scrollBar = 0;
    bool operator==(const FontFitKey&) const = default;
};

struct FontFit {
    double unitX = 1.5;
    double unitY = 1.625;
    double labelPoints = 8;
    int listPixels = 12;
};

struct FormFonts {
    double unitX = 1.5;
    double unitY = 1.625;
    QFont label;
    QFont fixed;
    bool measured = false;  // the build's fit did not apply here
};

// The fonts for the form on `page`'s screen and in its style.
FormFonts PickFormFonts(const QWidget& page);
// The same, every size measured now; the key it was measured under in `key`.
FormFonts MeasureFormFonts(const QWidget& page, FontFitKey* key = nullptr);

QRect DialogToPixels(const DialogRect& r, double unitX, double unitY);

// The build's fit (form_font_fit.cpp): its key is empty when the build had no fonts.
struct BuiltFontFit {
    FontFitKey key;
    FontFit fit;
};
const BuiltFontFit& BuildFontFit();

}  // namespace ferdix
