#include "print/print_job.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "print/remarks_wrap.h"

namespace ferdix {

namespace {

// The logical page and where its origin lies on the device.
constexpr int kPageWidth = 2080;
constexpr int kPageHeight = 3000;
constexpr int kOriginX = 100;
constexpr int kOriginY = 170;

// The most pages the preview shows side by side.
constexpr int kMaxPreviewPages = 3;

}  // namespace

CPrintJob::CPrintJob(const CFerdixDoc& doc, int writtenStandard, std::string writtenDateText)
    : m_doc(doc),
      m_nynorsk(writtenStandard == kNynorsk),
      m_writtenDateText(std::move(writtenDateText)) {}

CPrintJob::~CPrintJob() = default;

bool CPrintJob::PreparePrinting(PrintInfo& info, IPrintDialog& dialog) {
    return dialog.ShowPrintDialog(info);
}

void CPrintJob::ReleaseFonts(DrawingSurface& dc) {
    for (FontId* font :
         {&fonts.baseFont, &fonts.labelFont, &fonts.boldLabelFont, &fonts.fixedFont}) {
        if (*font != kDefaultFont) {
            dc.ReleaseFont(*font);
            *font = kDefaultFont;
        }
    }
}

void CPrintJob::GiveUp(DrawingSurface& dc) {
    ReleaseFonts(dc);
    if (IClaimHost* host = m_doc.Host()) {
        MessageRequest m;
        m.caption = "Ferdix";
        m.text = std::string(kPrintFailedText);
        m.buttons = MsgButtons::Ok;
        host->ShowMessage(m);
    }
}

// The base font, and memory for the label fonts, are indispensable; a label or fixed font
// whose face cannot be made is left out and the current font stands in for it.
bool CPrintJob::MakeFonts(DrawingSurface& dc) {
    FontResult base = dc.MakeFont(kBaseFontSpec);
    if (base.status != FontStatus::Made) {
        return false;
    }
    fonts.baseFont = base.font;
    for (auto [font, wanted] : {std::pair{&fonts.labelFont, &kLabelFontSpec},
                                std::pair{&fonts.boldLabelFont, &kBoldLabelFontSpec}}) {
        FontResult made = dc.MakeFont(*wanted);
        if (made.status == FontStatus::NotAllocated) {
            return false;
        }
        if (made.status == FontStatus::Made) {
            *font = made.font;
        }
    }
    FontResult fixed = dc.MakeFont(kFixedFontSpec);
    if (fixed.status == FontStatus::Made) {
        fonts.fixedFont = fixed.font;
    }
    return true;
}

BackPageInput CPrintJob::PlanInput() const {
    BackPageInput in;
    in.travelLines = m_doc.Claim().m_travelLines.size();
    in.outlayLines = m_doc.Claim().m_outlayLines.size();
    in.remarksBreaks = CountLineBreaks(m_remarks);
    in.textHeight = textHeight;
    return in;
}

bool CPrintJob::BeginPrinting(DrawingSurface& dc, PrintInfo& info) {
    // One run at a time: EndPrinting has released the fonts of the one before.
    fonts = PrintFonts{};
    pageCount = 0;
    textHeight = 0;
    m_sheets.clear();
    info.minPage = 1;
    if (!MakeFonts(dc)) {
        // The Windows program went on with an unmeasured text height and no page count; there is
        // nothing sound to print without these fonts.
        GiveUp(dc);
        info.maxPage = 0;
        info.previewPages = 0;
        return false;
    }

    FontId previous = dc.SelectFont(fonts.baseFont);
    textHeight = dc.MeasureText("Åj"_cp).height;
    dc.SelectFont(previous);

    // Wrapped for the paper only: the claim's remarks keep the user's own lines. They are
    // measured in the mapping the pages use, since a device's text widths need not stretch
    // with the page (fonts come in whole pixels, sized by the page's height).
    if (info.printableWidth > 0 && info.printableHeight > 0) {
        dc.SetPageMapping(kPageWidth, kPageHeight, info.printableWidth, info.printableHeight,
                          kOriginX, kOriginY);
    }
    previous = SelectIfMade(dc, fonts.fixedFont);
    TextWidth width = [&dc](std::string_view text) { return dc.MeasureText(text).width; };
    m_remarks = m_doc.Claim().Remarks();
    WrapRemarks(m_remarks, width);
    BreakLongLines(m_remarks, width);
    if (fonts.fixedFont != kDefaultFont) {
        dc.SelectFont(previous);
    }
    m_remarkRows = SplitLines(m_remarks);

    if (m_writtenDateText.size() > 6) {
        m_writtenDate = m_writtenDateText;
    } else {
        m_writtenDate = FormatDateDayFirst(m_doc.Clock().Now());
    }

    m_sheets = PlanBackPages(PlanInput());
    pageCount = 1 + static_cast<int>(m_sheets.size());
    info.maxPage = pageCount;
    info.previewPages = std::min(pageCount, kMaxPreviewPages);
    return true;
}

void CPrintJob::PrintPage(DrawingSurface& dc, const PrintInfo& info) {
    if (pageCount == 0) {
        return;
    }
    dc.SetPageMapping(kPageWidth, kPageHeight, info.printableWidth, info.printableHeight, kOriginX,
                      kOriginY);
    dc.SetTransparentBackground();
    // Without a label font the page starts in the surface's own; either way the font found
    // here is put back, so that no font of the run stays selected when it is released.
    FontId remembered = dc.SelectFont(fonts.labelFont);
    dc.MoveTo(0, 0);
    dc.SelectStockBrush(StockBrush::Null);

    PageContext ctx{m_doc, m_nynorsk, fonts, m_writtenDate, m_remarkRows};
    GridPainter painter(dc, grid, textHeight);
    int page = info.currentPage;
    if (page == 1) {
        DrawFrontPage(painter, ctx);
    } else if (page >= 2 && page <= pageCount) {
        DrawBackSheet(painter, ctx, m_sheets[static_cast<std::size_t>(page - 2)]);
    } else {
        DrawBackSheet(painter, ctx, LodgingSheet(PlanInput()));
    }

    dc.SelectFont(remembered);
}

void CPrintJob::EndPrinting(DrawingSurface& dc, PrintInfo& info) {
    (void)info;
    ReleaseFonts(dc);
}

}  // namespace ferdix
