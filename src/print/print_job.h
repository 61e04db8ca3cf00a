// One print run of the claim on the state's travel-claim form: the four hooks the print
// framework calls, in the order PreparePrinting, BeginPrinting, PrintPage for each page,
// EndPrinting. Print, preview and PDF draw the same pages through any DrawingSurface.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "claim/ferdix_doc.h"
#include "print/drawing_surface.h"
#include "print/form_grid.h"
#include "print/page_plan.h"
#include "print/page_steps.h"

namespace ferdix {

struct PrintInfo {
    int minPage = 1;
    int maxPage = 0;       // 0 until BeginPrinting has decided the pages
    int previewPages = 0;  // pages the preview shows side by side
    int currentPage = 1;
    // The page's printable area in device units; set before BeginPrinting, which measures
    // the remarks in the pages' mapping (0: measured unmapped).
    int printableWidth = 0;
    int printableHeight = 0;
};

// The platform's print dialog.
class IPrintDialog {
  public:
    virtual ~IPrintDialog() = default;
    // False when the user cancels.
    virtual bool ShowPrintDialog(PrintInfo& info) = 0;
};

inline constexpr std::string_view kPrintFailedText = "Serious error trying to print. Giving up.";

class CPrintJob {
  public:
    // The written date is the text of the form's written-date field; seven characters or more
    // print as typed, anything shorter prints today's date from the claim's clock. The claim
    // must outlive the job and stay unchanged during the run.
    CPrintJob(const CFerdixDoc& doc, int writtenStandard, std::string writtenDateText);
    ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    bool PreparePrinting(PrintInfo& info, IPrintDialog& dialog);
    // Makes the fonts, measures the text height, wraps the remarks and plans the pages. False
    // (after telling the claim's host) when the fonts the form needs cannot be made; nothing
    // is printed then.
    bool BeginPrinting(DrawingSurface& dc, PrintInfo& info);
    // Draws page info.currentPage; page 1 is the front page, pages past the plan are drawn as
    // the lodging page.
    void PrintPage(DrawingSurface& dc, const PrintInfo& info);
    // Releases the fonts the run made.
    void EndPrinting(DrawingSurface& dc, PrintInfo& info);

    // 0 before BeginPrinting and after a failed one.
    int PageCount() const { return pageCount; }
    int TextHeight() const { return textHeight; }
    // The remarks as printed: the claim's text broken into lines of the printed width.
    const std::string& PrintedRemarks() const { return m_remarks; }
    const std::vector<BackSheet>& Sheets() const { return m_sheets; }

  private:
    bool MakeFonts(DrawingSurface& dc);
    void ReleaseFonts(DrawingSurface& dc);
    void GiveUp(DrawingSurface& dc);
    BackPageInput PlanInput() const;

    const CFerdixDoc& m_doc;
    bool m_nynorsk;
    std::string m_writtenDateText;
    std::string m_writtenDate;
    std::string m_remarks;
    std::vector<std::string_view> m_remarkRows;
    std::vector<BackSheet> m_sheets;

    PrintFonts fonts;
    FormGrid grid;
    int textHeight = 0;
    int pageCount = 0;
};

}  // namespace ferdix
