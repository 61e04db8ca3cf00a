// What printing, the preview and the PDF export take from the open claim and its form, and
// where the export suggests to write.
#pragma once

#include <string>
#include <vector>

#include "base/written_standard.h"
#include "claim/ferdix_doc.h"
#include "form/form_controls.h"
#include "rates/program_settings.h"

namespace ferdix {

struct PrintSource {
    const CFerdixDoc* doc = nullptr;
    int writtenStandard = kBokmal;
    // The text of the form's written-date field, which is not part of the claim.
    std::string writtenDate;
};

// The claim, its document's written standard and the form's written-date field.
PrintSource PrintSourceOf(const CFerdixDoc& doc, const IFormControls& controls);

// The export's Save As dialog, "Eksporter til PDF": the claim's file name with ".pdf"
// ("Reiseregning.pdf" for a claim never saved), in the default claim folder, or beside the claim
// when there is none.
FileDialogRequest PdfExportDialog(const CFerdixDoc& doc, const ProgramSettings& settings);

// What the print dialog asked for.
struct PageSelection {
    int pageCount = 0;
    // The range the user typed; 0 for all pages.
    int fromPage = 0;
    int toPage = 0;
    bool lastPageFirst = false;
    // Copies the program must print itself (1 when the printer makes them).
    int copies = 1;
    bool collate = true;
};

// The pages to draw, in order: the range within the claim's pages, reversed when asked, and
// repeated for each copy (whole sets when collated, else each page in turn).
std::vector<int> PrintOrder(const PageSelection& selection);

}  // namespace ferdix
