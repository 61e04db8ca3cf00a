// The back sheets on the recording surface: the travel legs, outlays, explanation box,
// lodging and remarks, and the sheets that carry on lists and remarks too long for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/cp1252.h"
#include "print_test_util.h"

namespace ferdix {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

const FontSpec kLabel{"Arial", 26, 400, FontPitch::Default, FontFamily::Swiss};
const FontSpec kBase{"", 40, 400, FontPitch::Default, FontFamily::Roman};
const FontSpec kBase36{"", 36, 400, FontPitch::Default, FontFamily::Roman};
const FontSpec kFixed{"Courier", 32, 0, FontPitch::Fixed, FontFamily::Modern};

bool Placed(const RecordingSurface& s, int page, std::string_view text, int x, int y,
            const FontSpec& font) {
    for (const RecordedOp* op : s.FindTexts(page, text)) {
        if (op->x == x && op->y == y && op->font == font) {
            return true;
        }
    }
    return false;
}

class BackPagesTest : public ::testing::Test {
  protected:
    // Two legs, one outlay, two lines of remarks: everything on page 2.
    void FillSmallClaim() {
        test::EditClaim(doc, [](ClaimData& c) {
            c.m_travelLines.push_back(test::TravelLine("Oslo", "Bil", 120, 300.0f));
            c.m_travelLines.push_back(test::TravelLine("Voss", "Buss", 50, 80.5f));
            c.m_outlayLines.push_back(test::Outlay("Hotell Bergen", 900.0f));
        });
        doc.ChangeTraveller(&CTraveller::SetKmSoFar, 8950);
        doc.SetLineValue(BoardLodgingDaysCovered, kCountColumn, 2);
        doc.SetLodging("Hotel Norge, Bergen");
        doc.SetRemarks("Første linje\r\nAndre linje"_cp);
    }

    // Every text and rule of the back sheets lies within the frame.
    static void ExpectWithinFrame(const RecordingSurface& s) {
        for (const RecordedOp& op : s.ops) {
            if (op.page < 2) {
                continue;
            }
            if (op.kind == test::OpKind::Text) {
                EXPECT_LE(op.y + op.font.height, 2780) << op.text << " on page " << op.page;
                EXPECT_GE(op.y, -1) << op.text;
            } else if (op.kind == test::OpKind::Line) {
                EXPECT_LE(std::max(op.y, op.y2), 2780) << "line on page " << op.page;
            }
        }
    }

    CFerdixDoc doc;
};

struct Item {
    std::string_view bokmal;
    std::string_view nynorsk;
    int x;
    int y;
    const FontSpec* font;
};

TEST_F(BackPagesTest, SecondPageInBothWrittenStandards) {
    FillSmallClaim();
    const Item items[] = {
        // Travel lines rest on rows 190 and 254.
        {"Oslo", "Oslo", 282, 147, &kBase},
        // Eight characters of 20 units are wider than the date column (0..151): the date is
        // set smaller, resting where it rested, centred.
        {"05.03.06", "05.03.06", 3, 151, &kBase36},
        {"07:30", "07:30", 165, 147, &kBase},
        {"NOK", "NOK", 1237, 147, &kBase},
        {"Voss", "Voss", 282, 211, &kBase},
        // Sums: car km only, the legs' amounts, km so far, and this year's total. Right-aligned
        // texts are placed by their right edge.
        {"120", "120", 1214, 275, &kBase},
        {"380,50", "380,50", 1874, 275, &kBase},
        {"8950", "8950", 1214, 339, &kBase},
        {"9070", "9070", 1214, 403, &kBase},
        // Line 27's count rests on the last sums row, clear of the instructions below.
        {"2", "2", 305, 403, &kBase},
        // Head.
        {"Reisespesifikasjon", "Reisespesifikasjon", 3, -1, &kLabel},
        {"FRA", "FRÅ"_cp, 348, 42, &kLabel},
        {"Fremmed valuta", "Framand valuta", 1252, 42, &kLabel},
        {"km eget", "km eige", 1121, 85, &kLabel},
        {"Beløp"_cp, "", 1731, 52, &kLabel},
        {"", "Sum", 1744, 52, &kLabel},
        // Kilometre sums and the instructions.
        {"Gitt av", "Gitt av", 154, 319, &kLabel},
        {"Hjemmel", "Heimel", 3, 255, &kLabel},
        {"* For bruk av egen bil skal du ta med:", "* For bruk av eigen bil skal du ta med:", 0,
         446, &kLabel},
        {"+ tidligere godtgjort i år (km)"_cp, "+ tidlegare godtgjort i år (km)"_cp, 1064, 339,
         &kLabel},
        // The explanation box at T = 566.
        {"Beregning av", "Utrekning av", 3, 587, &kLabel},
        {"beløpsrubrikken."_cp, "sumrubrikken.", 3, 1185, &kLabel},
        // Outlays: the head at T, the line under it, the total on the footer row.
        {"Utlegg til hotell, mat m.m.", "Utlegg til hotell, mat o.l.", 461, 565, &kLabel},
        {"Spesifikasjon", "Spesifikasjon", 834, 618, &kLabel},
        {"Hotell Bergen", "Hotell Bergen", 622, 713, &kBase},
        {"1280,50", "1280,50", 1877, 777, &kBase},
        {"Reiseutlegg - overføres til forsiden, TT-kode 1041"_cp,
         "Reiseutlegg - skal førast over til framsida, TT-kode 1041"_cp, 461, 777, &kLabel},
        // Lodging under the box (1263 + 30) and the remarks 130 below it.
        {"Overnatting", "Overnatting", 10, 1303, &kLabel},
        {"Navn og adresse på hotell,"_cp, "Namn og adresse på hotell,"_cp, 10, 1345, &kLabel},
        {"Hotel Norge, Bergen", "Hotel Norge, Bergen", 470, 1359, &kBase},
        {"Merknader", "Merknader", 6, 1430, &kLabel},
        {"Første linje"_cp, "Første linje"_cp, 6, 1480, &kFixed},
        {"Andre linje", "Andre linje", 6, 1530, &kFixed},
    };
    for (int standard : {kBokmal, kNynorsk}) {
        RecordingSurface s;
        ASSERT_EQ(test::PrintClaim(doc, s, standard), 2);
        for (const Item& it : items) {
            std::string_view text = standard == kBokmal ? it.bokmal : it.nynorsk;
            if (!text.empty()) {
                EXPECT_TRUE(Placed(s, 2, text, it.x, it.y, *it.font))
                    << Cp1252ToUtf8(text) << " in standard " << standard;
            }
        }
        EXPECT_TRUE(s.HasLine(2, 0, 190, 1880, 190));
        EXPECT_TRUE(s.HasLine(2, 1877, 128, 1877, 254));
        EXPECT_TRUE(s.HasLine(2, 1777, 346, 1777, 666));
        EXPECT_TRUE(s.HasFrame(2, 0, 566, 408, 1263));
        EXPECT_TRUE(s.HasLine(2, 458, 756, 1880, 756));
        // The outlay columns: from the block's top where the head has no text across them,
        // from under the head (694) where it has.
        for (int x : {458, 1217, 1649, 1880}) {
            EXPECT_TRUE(s.HasLine(2, x, 566, x, 756)) << x;
        }
        for (int x : {619, 1318, 1470}) {
            EXPECT_TRUE(s.HasLine(2, x, 694, x, 756)) << x;
            EXPECT_FALSE(s.HasLine(2, x, 566, x, 756)) << x;
        }
        EXPECT_TRUE(s.HasFrame(2, 0, 1423, 1880, 1573));
        const RecordedOp* lodging = s.FindText(2, "Hotel Norge, Bergen");
        EXPECT_TRUE(lodging->clipped);
        EXPECT_EQ(lodging->clip, (PageRect{0, 0, 1880, 2780}));
        auto white = std::find_if(s.ops.begin(), s.ops.end(), [](const RecordedOp& op) {
            return op.kind == test::OpKind::Rectangle && op.page == 2;
        });
        ASSERT_NE(white, s.ops.end());
        EXPECT_EQ((PageRect{white->x, white->y, white->x2, white->y2}),
                  (PageRect{456, 1336, 1880, 1401}));
        EXPECT_EQ(white->brush, StockBrush::White);
        EXPECT_EQ(s.brushes.back(), StockBrush::Null);
        // The carriage returns typed in the form never reach the paper.
        for (const RecordedOp* op : s.Texts(2)) {
            EXPECT_EQ(op->text.find('\r'), std::string::npos);
        }
    }
}

TEST_F(BackPagesTest, ThirdPageHoldsLodgingAndRemarks) {
    doc.SetLodging("Pensjonat");
    std::string remarks;
    for (int i = 0; i < 30; ++i) {
        remarks += "linje " + std::to_string(i) + "\n";
    }
    doc.SetRemarks(remarks);
    RecordingSurface s;
    ASSERT_EQ(test::PrintClaim(doc, s), 3);
    EXPECT_TRUE(Placed(s, 3, "Overnatting", 10, 40, kLabel));
    EXPECT_TRUE(Placed(s, 3, "Pensjonat", 470, 96, kLabel));
    EXPECT_TRUE(Placed(s, 3, "Merknader", 6, 167, kLabel));
    EXPECT_TRUE(Placed(s, 3, "linje 0", 6, 217, kFixed));
    // The text ends with a break: one empty row inside the frame.
    EXPECT_TRUE(s.HasFrame(3, 0, 160, 1880, 160 + 32 * 50));
    EXPECT_EQ(s.FindText(2, "Overnatting"), nullptr);
}

TEST_F(BackPagesTest, LongTravelListGoesOnWithTheSameHead) {
    test::AppendTravelLines(doc, 200);
    for (int standard : {kBokmal, kNynorsk}) {
        RecordingSurface s;
        ASSERT_EQ(test::PrintClaim(doc, s, standard), 7);
        std::string continued = "Reisespesifikasjon";
        continued += standard == kBokmal ? " (fortsettelse)" : " (framhald)";
        for (int i = 0; i < 200; ++i) {
            int found = 0;
            for (int page = 2; page <= 7; ++page) {
                found += static_cast<int>(s.FindTexts(page, "Sted " + std::to_string(i)).size());
            }
            EXPECT_EQ(found, 1) << "line " << i;
        }
        EXPECT_NE(s.FindText(2, "Reisespesifikasjon"), nullptr);
        for (int page = 3; page <= 7; ++page) {
            EXPECT_NE(s.FindText(page, continued), nullptr) << page;
            EXPECT_NE(s.FindText(page, "Kode"), nullptr) << page;
        }
        // Sums, box and outlays once, after the last line; the carried total as on page 1.
        EXPECT_NE(s.FindText(7, "= sum km i år"_cp), nullptr);
        EXPECT_EQ(s.FindText(6, "= sum km i år"_cp), nullptr);
        std::string_view box = standard == kBokmal ? "Beregning av" : "Utrekning av";
        EXPECT_NE(s.FindText(7, box), nullptr);
        EXPECT_EQ(s.FindText(2, box), nullptr);
        EXPECT_EQ(s.FindTexts(7, "2000,00").size(), 2u);
        EXPECT_NE(s.FindText(1, "2000,00"), nullptr);
        ExpectWithinFrame(s);
    }
}

TEST_F(BackPagesTest, LongOutlayListGoesOnAndTheBoxStaysWithItsStart) {
    test::AppendOutlays(doc, 60);
    RecordingSurface s;
    ASSERT_EQ(test::PrintClaim(doc, s), 3);
    for (int i = 0; i < 60; ++i) {
        int page = i < 34 ? 2 : 3;
        EXPECT_EQ(s.FindTexts(page, "Utlegg " + std::to_string(i)).size(), 1u) << i;
    }
    EXPECT_NE(s.FindText(3, "Utlegg til hotell, mat m.m. (fortsettelse)"), nullptr);
    EXPECT_NE(s.FindText(2, "Beregning av"), nullptr);
    EXPECT_EQ(s.FindText(3, "Beregning av"), nullptr);
    EXPECT_EQ(s.FindText(2, "60,00"), nullptr);
    EXPECT_NE(s.FindText(3, "60,00"), nullptr);
    // Lodging and remarks follow the outlays on their last sheet.
    EXPECT_NE(s.FindText(3, "Merknader"), nullptr);
    ExpectWithinFrame(s);
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != ' ' && c != '\r' && c != '\n'; });
    return out;
}

TEST_F(BackPagesTest, TwentyThousandCharactersOfRemarksAllPrint) {
    std::string remarks;
    for (int i = 0; remarks.size() < 20000; ++i) {
        remarks += "ord" + std::to_string(i);
        remarks += i % 150 == 149 ? "\r\n" : " ";
        if (i == 700) {
            remarks += std::string(300, 'x') + " ";
        }
    }
    doc.SetRemarks(remarks);
    RecordingSurface s;
    int pages = test::PrintClaim(doc, s);
    ASSERT_GT(pages, 4);
    std::string printed;
    for (int page = 3; page <= pages; ++page) {
        for (const RecordedOp* op : s.Texts(page)) {
            if (op->font == kFixed) {
                EXPECT_LE(op->x + RecordingSurface::Width(op->font, op->text), 6 + 1800);
                printed += op->text;
            }
        }
        if (page > 3) {
            EXPECT_NE(s.FindText(page, "Merknader (fortsettelse)"), nullptr) << page;
        }
    }
    EXPECT_EQ(WithoutBlanks(printed), WithoutBlanks(remarks));
    ExpectWithinFrame(s);
}

TEST_F(BackPagesTest, RemarksTooLongForPageThreeStartBelowTheLodging) {
    std::string remarks;
    for (int i = 0; i < 60; ++i) {
        remarks += "rad " + std::to_string(i) + "\n";
    }
    doc.SetRemarks(remarks);
    RecordingSurface s;
    ASSERT_EQ(test::PrintClaim(doc, s), 4);
    EXPECT_TRUE(Placed(s, 3, "Merknader", 6, 167, kLabel));
    EXPECT_TRUE(Placed(s, 3, "rad 0", 6, 217, kFixed));
    EXPECT_TRUE(Placed(s, 3, "rad 50", 6, 2717, kFixed));
    EXPECT_TRUE(Placed(s, 4, "Merknader (fortsettelse)", 6, 37, kLabel));
    EXPECT_TRUE(Placed(s, 4, "rad 51", 6, 87, kFixed));
    // Nothing of the remarks over the lodging block (30 to 138).
    for (const RecordedOp* op : s.Texts(3)) {
        if (op->font == kFixed) {
            EXPECT_GE(op->y, 138) << op->text;
        }
    }
    ExpectWithinFrame(s);
}

TEST_F(BackPagesTest, PrintingLeavesTheClaimsRemarksAsTyped) {
    std::string typed;
    for (int i = 0; i < 60; ++i) {
        typed += "dette er en lang merknad uten egne linjeskift ";
    }
    doc.SetRemarks(typed);
    doc.SetModified(false);
    RecordingSurface first;
    test::PrintClaim(doc, first);
    EXPECT_EQ(doc.Claim().Remarks(), typed);
    EXPECT_FALSE(doc.IsModified());
    RecordingSurface second;
    test::PrintClaim(doc, second);
    // Wrapped on the paper all the same.
    auto rows = std::count_if(first.ops.begin(), first.ops.end(),
                              [](const RecordedOp& op) { return op.font == kFixed; });
    EXPECT_GT(rows, 20);
    ASSERT_EQ(first.ops.size(), second.ops.size());
    for (std::size_t i = 0; i < first.ops.size(); ++i) {
        EXPECT_EQ(first.ops[i].text, second.ops[i].text);
        EXPECT_EQ(first.ops[i].y, second.ops[i].y);
    }
}

}  // namespace
}  // namespace ferdix
