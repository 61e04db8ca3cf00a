#include "app/print_request.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/headless.h"
#include "base/written_standard.h"
#include "form/control_ids.h"
#include "form/form_template.h"
#include "support/memory_controls.h"

namespace ferdix {
namespace {

struct TargetCase {
    const char* title;
    const char* pathName;     // with the framework's path
    const char* claimFolder;  // "Standard lagreområde"; null for none
    const char* folder;
    const char* fileName;
};

TEST(PdfExportDialog, TheClaimsNameWithPdfInTheClaimFolder) {
    const TargetCase cases[] = {
        // Never saved.
        {"Untitled", nullptr, nullptr, "", "Reiseregning.pdf"},
        {"Untitled *", nullptr, "/srv/reiser", "/srv/reiser", "Reiseregning.pdf"},
        // The own Open and Save As title the claim by its full path.
        {"/home/kari/reiser/bergen.tur", nullptr, nullptr, "/home/kari/reiser/", "bergen.pdf"},
        {"/home/kari/reiser/bergen.tur *", nullptr, nullptr, "/home/kari/reiser/", "bergen.pdf"},
        {"/home/kari/reiser/bergen.tur", nullptr, "/srv/reiser", "/srv/reiser", "bergen.pdf"},
        {"/x/reise.mars.2006.tur", nullptr, nullptr, "/x/", "reise.mars.2006.pdf"},
        {"/x/reise", nullptr, nullptr, "/x/", "reise.pdf"},
        {"/x/Untitled.tur", nullptr, nullptr, "/x/", "Untitled.pdf"},
        // The framework's path shows the file name and keeps the path in the path name.
        {"bergen.tur *", "/data/bergen.tur", nullptr, "/data/", "bergen.pdf"},
        {"bergen.tur", "/data/bergen.tur", "/srv/reiser", "/srv/reiser", "bergen.pdf"},
    };
    for (const TargetCase& c : cases) {
        CFerdixDoc doc;
        doc.SetTitle(c.title);
        if (c.pathName) {
            doc.SetPathName(c.pathName);
            doc.SetOpenedByFramework(true);
        }
        ProgramSettings settings;
        if (c.claimFolder) {
            settings.hasDefaultClaimFolder = true;
            settings.defaultClaimFolder = c.claimFolder;
        }
        FileDialogRequest target = PdfExportDialog(doc, settings);
        EXPECT_TRUE(target.save);
        EXPECT_EQ(target.caption, "Eksporter til PDF");
        EXPECT_EQ(target.initialFolder, c.folder) << c.title;
        EXPECT_EQ(target.fileName, c.fileName) << c.title;
        EXPECT_EQ(target.filter, "PDF-filer (*.pdf)|*.pdf||");
        EXPECT_EQ(target.defaultExtension, "pdf");
    }
}

TEST(PrintSource, TheClaimTheWrittenStandardAndTheWrittenDateField) {
    CFerdixDoc doc;
    MemoryControls controls(FormTemplate());
    controls.SetText(kIdWrittenDate, "14.03.2006");
    controls.SetText(kIdName, "Kari");
    doc.SetWrittenStandard(kNynorsk);
    PrintSource source = PrintSourceOf(doc, controls);
    EXPECT_EQ(source.doc, &doc);
    EXPECT_EQ(source.writtenStandard, kNynorsk);
    EXPECT_EQ(source.writtenDate, "14.03.2006");
}

struct ArgsCase {
    std::vector<std::string> args;
    bool ok;
    int writtenStandard;
};

TEST(PdfArgumentsTest, OutputThenAnOptionalWrittenStandardThenTheClaim) {
    const ArgsCase cases[] = {
        {{"ut.pdf", "reise.tur"}, true, 0},
        {{"ut.pdf", "--nynorsk", "reise.tur"}, true, kNynorsk},
        {{"ut.pdf", "--bokmal", "reise.tur"}, true, kBokmal},
        {{}, false, 0},
        {{"ut.pdf"}, false, 0},
        {{"ut.pdf", "--engelsk", "reise.tur"}, false, 0},
        {{"--nynorsk", "ut.pdf", "reise.tur"}, false, 0},
        {{"ut.pdf", "reise.tur", "--nynorsk"}, false, 0},
        {{"ut.pdf", "--nynorsk"}, false, 0},
        {{"ut.pdf", "reise.tur", "annen.tur"}, false, 0},
        {{"", "reise.tur"}, false, 0},
    };
    for (const ArgsCase& c : cases) {
        std::optional<PdfArguments> parsed = ParsePdfArguments(c.args);
        ASSERT_EQ(parsed.has_value(), c.ok) << ::testing::PrintToString(c.args);
        if (c.ok) {
            EXPECT_EQ(parsed->output, "ut.pdf");
            EXPECT_EQ(parsed->claim, "reise.tur");
            EXPECT_EQ(parsed->writtenStandard, c.writtenStandard);
        }
    }
}

struct OrderCase {
    PageSelection selection;
    std::vector<int> pages;
};

TEST(PrintOrderTest, RangeOrderAndCopies) {
    const OrderCase cases[] = {
        {{3}, {1, 2, 3}},
        {{3, 2, 3}, {2, 3}},
        {{3, 2, 2}, {2}},
        // A range beyond the claim's pages keeps to them.
        {{3, 2, 9}, {2, 3}},
        {{2, 3, 5}, {}},
        {{3, 0, 0, true}, {3, 2, 1}},
        {{3, 1, 2, true}, {2, 1}},
        {{2, 0, 0, false, 2, true}, {1, 2, 1, 2}},
        {{2, 0, 0, false, 2, false}, {1, 1, 2, 2}},
        {{3, 2, 3, true, 2, true}, {3, 2, 3, 2}},
        {{2, 0, 0, false, 0, true}, {1, 2}},
        {{0}, {}},
    };
    for (const OrderCase& c : cases) {
        EXPECT_EQ(PrintOrder(c.selection), c.pages)
            << c.selection.pageCount << " " << c.selection.fromPage << "-" << c.selection.toPage;
    }
}

}  // namespace
}  // namespace ferdix
