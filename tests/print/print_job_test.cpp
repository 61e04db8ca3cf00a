#include "print/print_job.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "print_test_util.h"
#include "support/fake_host.h"

namespace ferdix {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

const FontSpec kBase{"", 40, 400, FontPitch::Default, FontFamily::Roman};
const FontSpec kLabel{"Arial", 26, 400, FontPitch::Default, FontFamily::Swiss};
const FontSpec kBold{"Arial", 26, 700, FontPitch::Default, FontFamily::Swiss};
const FontSpec kFixed{"Courier", 32, 0, FontPitch::Fixed, FontFamily::Modern};

class PrintJobTest : public ::testing::Test {
  protected:
    PrintJobTest() { doc.SetHost(&host); }

    test::FakeHost host;
    CFerdixDoc doc;
};

TEST_F(PrintJobTest, RunMakesMeasuresAndReleasesItsFonts) {
    RecordingSurface s;
    std::vector<FontSpec> made;
    s.fontStatus = [&made](const FontSpec& wanted) {
        made.push_back(wanted);
        return FontStatus::Made;
    };
    CPrintJob job(doc, kBokmal, "");
    PrintInfo info;
    info.printableWidth = 4960;
    info.printableHeight = 7016;
    ASSERT_TRUE(job.BeginPrinting(s, info));
    EXPECT_EQ(made, (std::vector<FontSpec>{kBase, kLabel, kBold, kFixed}));
    EXPECT_EQ(job.TextHeight(), 40);
    EXPECT_EQ(job.PageCount(), 2);
    EXPECT_EQ(info.minPage, 1);
    EXPECT_EQ(info.maxPage, 2);
    EXPECT_EQ(info.previewPages, 2);
    EXPECT_EQ(s.LiveFonts(), 4u);

    for (int page = 1; page <= 2; ++page) {
        s.StartPage(page);
        info.currentPage = page;
        std::size_t before = s.brushes.size();
        job.PrintPage(s, info);
        // Each page maps the logical page onto the printable area and starts with the null
        // brush and the label font, which it hands back at its end.
        const RecordedOp* mapping = nullptr;
        for (const RecordedOp& op : s.ops) {
            if (op.kind == test::OpKind::Mapping && op.page == page) {
                mapping = &op;
            }
        }
        ASSERT_NE(mapping, nullptr);
        EXPECT_EQ(mapping->x, 2080);
        EXPECT_EQ(mapping->y, 3000);
        EXPECT_EQ(mapping->x2, 4960);
        EXPECT_EQ(mapping->y2, 7016);
        EXPECT_EQ(mapping->clip, (PageRect{100, 170, 0, 0}));
        EXPECT_EQ(s.brushes.at(before), StockBrush::Null);
        EXPECT_EQ(s.CurrentFont(), s.defaultFont);
    }
    EXPECT_TRUE(s.transparent);
    EXPECT_EQ(s.Texts(2).front()->font, kBase);  // the travel list comes first
    job.EndPrinting(s, info);
    EXPECT_EQ(s.LiveFonts(), 0u);
    EXPECT_EQ(s.misuses, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(PrintJobTest, GivesUpWithoutTheFontsTheFormNeeds) {
    struct Failure {
        FontSpec wanted;
        FontStatus status;
        bool givesUp;
    };
    const Failure cases[] = {
        {kBase, FontStatus::NotMade, true},       {kBase, FontStatus::NotAllocated, true},
        {kLabel, FontStatus::NotAllocated, true}, {kBold, FontStatus::NotAllocated, true},
        {kLabel, FontStatus::NotMade, false},     {kFixed, FontStatus::NotAllocated, false},
        {kFixed, FontStatus::NotMade, false},
    };
    doc.SetRemarks("merknad");
    for (const Failure& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.wanted.face << " " << tc.wanted.weight);
        host.messages.clear();
        RecordingSurface s;
        s.fontStatus = [&tc](const FontSpec& wanted) {
            return wanted == tc.wanted ? tc.status : FontStatus::Made;
        };
        CPrintJob job(doc, kBokmal, "");
        int pages = test::PrintAll(job, s);
        EXPECT_EQ(s.LiveFonts(), 0u);
        EXPECT_EQ(s.misuses, 0);
        if (tc.givesUp) {
            EXPECT_EQ(pages, 0);
            EXPECT_EQ(job.PageCount(), 0);
            EXPECT_TRUE(s.ops.empty());
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, "Serious error trying to print. Giving up.");
            EXPECT_EQ(host.messages[0].buttons, MsgButtons::Ok);
        } else {
            EXPECT_EQ(pages, 2);
            EXPECT_TRUE(host.messages.empty());
            // Without the fixed font the remarks take the label font; their place is the same.
            const RecordedOp* remark = s.FindText(2, "merknad");
            ASSERT_NE(remark, nullptr);
            EXPECT_EQ(remark->y, 1352);
        }
    }
}

TEST_F(PrintJobTest, PagesDrawAloneInAnyOrder) {
    test::AppendTravelLines(doc, 60);
    test::AppendOutlays(doc, 5);
    doc.SetRemarks(std::string(3000, 'm'));
    RecordingSurface inOrder;
    CPrintJob first(doc, kNynorsk, "");
    int pages = test::PrintAll(first, inOrder);
    ASSERT_EQ(pages, 4);

    RecordingSurface reversed;
    CPrintJob second(doc, kNynorsk, "");
    PrintInfo info;
    info.printableWidth = 2080;
    info.printableHeight = 3000;
    ASSERT_TRUE(second.BeginPrinting(reversed, info));
    for (int page = pages; page >= 1; --page) {
        reversed.StartPage(page);
        info.currentPage = page;
        second.PrintPage(reversed, info);
    }
    second.EndPrinting(reversed, info);
    for (int page = 1; page <= pages; ++page) {
        std::vector<const RecordedOp*> a = inOrder.Texts(page);
        std::vector<const RecordedOp*> b = reversed.Texts(page);
        ASSERT_EQ(a.size(), b.size()) << page;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_TRUE(a[i]->text == b[i]->text && a[i]->x == b[i]->x && a[i]->y == b[i]->y)
                << "page " << page << ": " << a[i]->text;
        }
    }
}

TEST_F(PrintJobTest, PageBeyondThePlanIsTheLodgingPage) {
    doc.SetLodging("Hotell");
    RecordingSurface s;
    CPrintJob job(doc, kBokmal, "");
    PrintInfo info;
    info.printableWidth = 2080;
    info.printableHeight = 3000;
    ASSERT_TRUE(job.BeginPrinting(s, info));
    ASSERT_EQ(info.maxPage, 2);
    s.StartPage(5);
    info.currentPage = 5;
    job.PrintPage(s, info);
    job.EndPrinting(s, info);
    const RecordedOp* lodging = s.FindText(5, "Overnatting");
    ASSERT_NE(lodging, nullptr);
    EXPECT_EQ(lodging->y, 40);
    EXPECT_NE(s.FindText(5, "Merknader"), nullptr);
}

TEST_F(PrintJobTest, PageCountOfPrintDialogAndPreview) {
    struct Count {
        int travel;
        int pages;
        int preview;
    };
    for (const Count& c : {Count{0, 2, 2}, Count{25, 3, 3}, Count{200, 7, 3}}) {
        CFerdixDoc claim;
        test::AppendTravelLines(claim, c.travel);
        RecordingSurface s;
        CPrintJob job(claim, kBokmal, "");
        PrintInfo info;
        ASSERT_TRUE(job.BeginPrinting(s, info));
        EXPECT_EQ(info.maxPage, c.pages) << c.travel;
        EXPECT_EQ(info.previewPages, c.preview) << c.travel;
        job.EndPrinting(s, info);
    }

    struct Dialog : IPrintDialog {
        bool answer = false;
        int shown = 0;
        bool ShowPrintDialog(PrintInfo&) override {
            ++shown;
            return answer;
        }
    } dialog;
    CPrintJob job(doc, kBokmal, "");
    PrintInfo info;
    EXPECT_FALSE(job.PreparePrinting(info, dialog));
    dialog.answer = true;
    EXPECT_TRUE(job.PreparePrinting(info, dialog));
    EXPECT_EQ(dialog.shown, 2);
}

}  // namespace
}  // namespace ferdix
