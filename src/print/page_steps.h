// The steps that draw each page of the printed form, shared by the print job's page hook.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "claim/ferdix_doc.h"
#include "print/drawing_surface.h"
#include "print/form_grid.h"
#include "print/page_plan.h"

namespace ferdix {

// What the run's fonts are made from.
inline const FontSpec kBaseFontSpec{"", 40, 400, FontPitch::Default, FontFamily::Roman};
inline const FontSpec kLabelFontSpec{"Arial", 26, 400, FontPitch::Default, FontFamily::Swiss};
inline const FontSpec kBoldLabelFontSpec{"Arial", 26, 700, FontPitch::Default, FontFamily::Swiss};
inline const FontSpec kFixedFontSpec{"Courier", 32, 0, FontPitch::Fixed, FontFamily::Modern};

// The run's fonts; 0 (the surface's default font) marks a font that could not be made.
struct PrintFonts {
    FontId baseFont = kDefaultFont;
    FontId labelFont = kDefaultFont;
    FontId boldLabelFont = kDefaultFont;
    FontId fixedFont = kDefaultFont;
};

struct PageContext {
    const CFerdixDoc& doc;
    bool nynorsk;
    PrintFonts fonts;
    std::string_view writtenDate;
    std::span<const std::string_view> remarkRows;

    std::string_view Txt(std::string_view bokmal, std::string_view nynorskText) const {
        return nynorsk ? nynorskText : bokmal;
    }
    // The claim's values print in the base font.
    ValueFont BaseValueFont() const { return {fonts.baseFont, kBaseFontSpec}; }
    // The note that heads a block carried on from the sheet before.
    std::string_view ContinuedNote() const { return Txt(" (fortsettelse)", " (framhald)"); }
};

// Makes a font current when it exists; returns the one it replaced (or the font unchanged).
FontId SelectIfMade(DrawingSurface& dc, FontId font);

// Selects a font that exists for one scope and puts the previous one back after it.
class FontScope {
  public:
    FontScope(DrawingSurface& dc, FontId font);
    ~FontScope();
    FontScope(const FontScope&) = delete;
    FontScope& operator=(const FontScope&) = delete;

  private:
    DrawingSurface& m_dc;
    FontId m_previous = kDefaultFont;
    bool m_selected = false;
};

void DrawFrontPage(GridPainter& p, const PageContext& ctx);
void DrawBackSheet(GridPainter& p, const PageContext& ctx, const BackSheet& sheet);

// The parts of the back side the sheets are made of.
void DrawExplanationBox(GridPainter& p, const PageContext& ctx);
void DrawLodging(GridPainter& p, const PageContext& ctx, int top, bool belowLists);
void DrawRemarks(GridPainter& p, const PageContext& ctx, const BackSheet& sheet);

}  // namespace ferdix
