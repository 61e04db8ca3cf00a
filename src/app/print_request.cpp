#include "app/print_request.h"

#include <algorithm>

#include "base/written_standard.h"
#include "form/control_ids.h"

namespace ferdix {

namespace {

bool IsUntitled(std::string_view title) {
    constexpr std::string_view kUntitled = "untitled";
    if (title.size() < kUntitled.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kUntitled.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(title[i])) != kUntitled[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

PrintSource PrintSourceOf(const CFerdixDoc& doc, const IFormControls& controls) {
    return PrintSource{&doc, doc.Locale().standard, controls.GetText(kIdWrittenDate)};
}

FileDialogRequest PdfExportDialog(const CFerdixDoc& doc, const ProgramSettings& settings) {
    FileDialogRequest target;
    target.save = true;
    target.caption = "Eksporter til PDF";
    target.filter = "PDF-filer (*.pdf)|*.pdf||";
    target.defaultExtension = "pdf";
    // A claim read by the framework's path is titled by its file name only.
    std::string path = doc.OpenedByFramework() ? doc.GetPathName() : doc.GetTitle();
    if (!doc.OpenedByFramework() && path.ends_with(" *")) {
        path.resize(path.size() - 2);
    }
    std::string folder;
    std::string stem;
    if (!IsUntitled(path)) {
        std::size_t slash = path.rfind('/');
        if (slash != std::string::npos) {
            folder = path.substr(0, slash + 1);
        }
        stem = path.substr(slash == std::string::npos ? 0 : slash + 1);
        std::size_t dot = stem.rfind('.');
        if (dot != std::string::npos && dot > 0) {
            stem.resize(dot);
        }
    }
    target.fileName = (stem.empty() ? std::string("Reiseregning") : stem) + ".pdf";
    target.initialFolder = settings.hasDefaultClaimFolder ? settings.defaultClaimFolder : folder;
    return target;
}

std::vector<int> PrintOrder(const PageSelection& selection) {
    int from = 1;
    int to = selection.pageCount;
    if (selection.fromPage > 0 || selection.toPage > 0) {
        from = std::max(1, selection.fromPage);
        to = std::min(selection.pageCount, selection.toPage > 0 ? selection.toPage : to);
    }
    std::vector<int> set;
    for (int page = from; page <= to; ++page) {
        set.push_back(page);
    }
    if (selection.lastPageFirst) {
        std::reverse(set.begin(), set.end());
    }
    int copies = std::max(1, selection.copies);
    std::vector<int> order;
    if (selection.collate) {
        for (int c = 0; c < copies; ++c) {
            order.insert(order.end(), set.begin(), set.end());
        }
    } else {
        for (int page : set) {
            order.insert(order.end(), static_cast<std::size_t>(copies), page);
        }
    }
    return order;
}

}  // namespace ferdix
