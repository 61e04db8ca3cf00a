// The front page on the recording surface. Positions are worked out from the form's grid:
// rows 0 63 127 191 255 315, 45 at 381, 7.. at 445 + 62 each; the text height is 40, so a
// cell text rests 43 units above its row.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "print_test_util.h"
#include "support/fake_host.h"

namespace ferdix {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

const FontSpec kLabel{"Arial", 26, 400, FontPitch::Default, FontFamily::Swiss};
const FontSpec kBold{"Arial", 26, 700, FontPitch::Default, FontFamily::Swiss};
const FontSpec kBase{"", 40, 400, FontPitch::Default, FontFamily::Roman};
const FontSpec kTitle{"Arial", 60, 400, FontPitch::Default, FontFamily::Swiss};

int RowY(int r) {
    if (r == 45) {
        return 381;
    }
    return r <= 4 ? r * 255 / 4 : r == 5 ? 315 : 445 + 62 * (r - 7);
}

class FrontPageTest : public ::testing::Test {
  protected:
    FixedClock clock{CivilTime{2006, 4, 3, 10, 0, 0}};
    CFerdixDoc doc{clock};
};

struct LabelCase {
    std::string_view bokmal;
    std::string_view nynorsk;  // empty: absent in nynorsk
    int x;
    int y;
    const FontSpec* font;
};

TEST_F(FrontPageTest, LabelsInBothWrittenStandards) {
    const LabelCase cases[] = {
        {"Etternavn og", "Etternamn og", 3, 1, &kLabel},
        {"fornavn", "førenamn"_cp, 3, 26, &kLabel},
        {"Fødselsnr."_cp, "Fødselsnr."_cp, 1067, 1, &kLabel},
        {"Privatadresse", "Privatadresse", 3, 84, &kLabel},
        {"Postnr.", "Postnr.", 943, 64, &kLabel},
        {"Poststed", "Poststad", 1067, 64, &kLabel},
        {"Utreise", "Utreise", 1397, 272, &kLabel},
        {"Retur", "Retur", 1397, 338, &kLabel},
        {"Ansatt nr.", "Tilsett nr.", 3, 256, &kLabel},
        {"tj.sted", "ten.stad", 992, 217, &kLabel},
        {"(Se baksiden)", "(Sjå baksida)"_cp, 1494, 381, &kLabel},
        {"Annet", "Anna", 1802, 411, &kLabel},
        {"Reisested og -formål"_cp, "Reisestad og -føremål"_cp, 743, 318, &kLabel},
        {"Beløp"_cp, "Sum", 952, 448, &kLabel},
        {"Jeg samtykker i at ev. skyldig beløp kan trekkes i lønn"_cp,
         "Eg går med på at ev. skuldig sum kan trekkjast i løna"_cp, 461, 2430, &kLabel},
        {"Godkjent dato", "Tilvist dato", 233, 2594, &kLabel},
        {"Antall", "", 545, 464, &kLabel},
        {"", "Kor mange", 526, 464, &kLabel},
        {"(se baks.)", "(sjå baksida)"_cp, 128, 595, &kLabel},
        {"5 timer", "5 timar", 178, 657, &kLabel},
        {"Budsjett-", "", 233, 2520, &kLabel},
        {"myndighet", "", 233, 2564, &kLabel},
        {"", "Tilvisande", 233, 2520, &kLabel},
        {"", "organ", 233, 2545, &kLabel},
        {"Tjenestereise", "Tenestereise", 511, 338, &kLabel},
        {"Angi hva", "Skriv kva", 175, 380, &kLabel},
        {"Skyldig", "Skuldig", 352, 2386, &kLabel},  // right-aligned
        {"Internregnskap", "Internrekneskap", 1549, 448, &kLabel},
        // Moved for the real faces: R/N centred in its 40-unit box (width 39 here), the
        // lodging words 3 units up so their descenders keep off the rule under them.
        {"R/N", "R/N", 1713, 20, &kLabel},
        {"Over-", "Over-", 1399, 398, &kLabel},
        {"natting", "natting", 1399, 418, &kLabel},
        {"Pen-", "Pen-", 1674, 398, &kLabel},
        {"sjonat", "sjonat", 1674, 418, &kLabel},
        {"X-0095 B (Godkj. 06-2005) Elektr. utgave v 2.3",
         "X-0095 N (Godkj. 06-2005) Elektr. utgave v 2.3", 10, 2782, &kLabel},
        {"Regningen", "Rekninga", 3, 316, &kBold},
        {"BRUTTO REISEREGNING", "BRUTTO REISEREKNING", 3, 2262, &kBold},
        {"NETTO-", "NETTO-", 3, 2368, &kBold},
        {"BELØP"_cp, "SUM", 3, 2393, &kBold},
        {"Dato", "", 233, 2430, &kBold},
        {"Bruker-", "Brukar-", 1423, -60, &kLabel},
        {"Reiseregning", "Reiserekning", 989, -60, &kTitle},
    };
    for (int standard : {kBokmal, kNynorsk}) {
        RecordingSurface s;
        ASSERT_EQ(test::PrintClaim(doc, s, standard), 2);
        auto placed = [&s](std::string_view text, const LabelCase& tc) {
            for (const RecordedOp* op : s.FindTexts(1, text)) {
                if (op->x == tc.x && op->y == tc.y && op->font == *tc.font) {
                    return true;
                }
            }
            return false;
        };
        for (const LabelCase& tc : cases) {
            bool bokmal = standard == kBokmal;
            std::string_view text = bokmal ? tc.bokmal : tc.nynorsk;
            std::string_view other = bokmal ? tc.nynorsk : tc.bokmal;
            SCOPED_TRACE(testing::Message() << Cp1252ToUtf8(text.empty() ? other : text)
                                            << " in standard " << standard);
            if (text.empty()) {
                EXPECT_FALSE(placed(other, tc));
            } else {
                EXPECT_TRUE(placed(text, tc));
            }
        }
    }
}

TEST_F(FrontPageTest, CodesStandInTheirBands) {
    struct Code {
        int band;
        std::string_view sd;
        std::string_view tt;
    };
    const Code codes[] = {{9, "", "1041"},     {10, "619", "1057"}, {11, "", "1041"},
                          {17, "610", "1086"}, {24, "610", "1056"}, {25, "", ""},
                          {27, "111", "1069"}, {28, "714", "1045"}, {33, "", ""},
                          {34, "614", "1049"}, {36, "610", "1050"}, {37, "", ""},
                          {38, "", "8020"}};
    RecordingSurface s;
    test::PrintClaim(doc, s);
    auto at = [&s](int x1, int x2, int band) {
        for (const RecordedOp* op : s.Texts(1)) {
            int width = RecordingSurface::Width(op->font, op->text);
            if (op->y == RowY(band) - 43 && op->x == (x1 + x2) / 2 - width / 2) {
                return op->text;
            }
        }
        return std::string();
    };
    for (const Code& c : codes) {
        SCOPED_TRACE(c.band);
        EXPECT_EQ(at(278, 355, c.band), c.sd);
        EXPECT_EQ(at(355, 458, c.band), c.tt);
    }
}

TEST_F(FrontPageTest, ValuesOfTheClaim) {
    doc.ChangeTraveller(&CTraveller::SetName, "Nordmann Kari");
    doc.SetPersonId("01017012345");
    doc.ChangeTraveller(&CTraveller::SetPostcode, "301");
    doc.ChangeTraveller(&CTraveller::SetMunicipalityNumber, 301);
    doc.ChangeTraveller(&CTraveller::SetAccountToCharge, "12.34");
    doc.SetConcerns("Kurs i Bergen");
    doc.SetPurpose("Linje 1\r\nLinje 2\r\nLinje 3");
    doc.SetTripNumber("R-17");
    doc.SetOtherTransportCandidate("Sykkel");
    doc.SetDepartureDate("05.03.06");
    doc.SetDepartureTime("07:30");

    struct Value {
        std::string_view text;
        int x;
        int y;
    };
    const Value values[] = {
        {"Nordmann Kari", 178, 20},
        {"010170 12345", 1272, 20},
        {"0301", 943, 84},
        {"0301", 992, 272},
        {"05.03.06", 1552, 272},
        {"07:30", 1755, 272},
        {"Kurs i Bergen", 178, 402},
        {"Linje 1", 743, 341},
        {"Linje 2", 743, 384},
        {"  12.34", 1114, 2262},
        {"R-17", 683, 2324},
        {"03.04.06", 233, 2476},
        // The other means of transport on the row of "Annet" under one's own transport.
        {"Sykkel", 128, 1766},
    };
    RecordingSurface s;
    test::PrintClaim(doc, s, kBokmal, "");
    for (const Value& v : values) {
        SCOPED_TRACE(v.text);
        std::vector<const RecordedOp*> found = s.FindTexts(1, v.text);
        bool placed = false;
        for (const RecordedOp* op : found) {
            placed = placed || (op->x == v.x && op->y == v.y && op->font == kBase);
        }
        EXPECT_TRUE(placed);
    }
    EXPECT_EQ(s.FindText(1, "Linje 3"), nullptr);

    RecordingSurface typed;
    test::PrintClaim(doc, typed, kBokmal, "1. april 2006");
    EXPECT_NE(typed.FindText(1, "1. april 2006"), nullptr);
    RecordingSurface shortDate;
    test::PrintClaim(doc, shortDate, kBokmal, "1.4.06");
    EXPECT_NE(shortDate.FindText(1, "03.04.06"), nullptr);
}

TEST_F(FrontPageTest, AllowanceRowsAndTotals) {
    test::EditClaim(doc, [](ClaimData& c) {
        c.m_travelLines.push_back(test::TravelLine("Oslo", "Tog", 0, 100.10f));
        c.m_outlayLines.push_back(test::Outlay("Hotell", 50.25f));
    });
    doc.SetLineValue(DayDomesticOver12h, kCountColumn, 2);
    doc.SetLineValue(DayDomesticOver12h, kRateColumn, 100);
    doc.SetLineValue(DayDomesticUnder5h, kRateColumn, 50);
    doc.SetLineValue(MealDeductionNoOvernight, kAmountColumn, 30);
    doc.SetLineValue(BoardLodgingDaysCovered, kAmountColumn, 5);
    doc.SetLineValue(Advance, kAmountColumn, 1000);

    struct Cell {
        std::string_view text;
        int right;
        int band;
    };
    const Cell cells[] = {
        {"2", 657, 14},       {"100,00", 859, 14},   {"200,00", 1108, 14},
        {"50,00", 859, 11},  // line 1 prints its rate although its amount is zero
        {"30,00", 1108, 34},  {"150,35", 1108, 9},   {"350,35", 1108, 33},
        {"315,35", 1108, 37}, {"1000,00", 1108, 38}, {"-684,65", 1108, 39},
    };
    RecordingSurface s;
    test::PrintClaim(doc, s);
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.text);
        const RecordedOp* op = s.FindText(1, c.text);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->x, c.right);
        EXPECT_EQ(op->align, TextAlign::Right);
        EXPECT_EQ(op->y, RowY(c.band) - 43);
    }
    EXPECT_EQ(FormatAmount(doc.Claim().NetAmount(), true), "-684,65");
    // Line 27 lowers the total but is no row of its own.
    EXPECT_EQ(s.FindText(1, "5,00"), nullptr);
}

TEST_F(FrontPageTest, TickBoxesFollowTheClaim) {
    struct Ticks {
        int tripKind;
        int lodgingKind;
        float advance;
        int tickedX;   // of the trip boxes on row 45, or -1 for the box on row 7
        int lodgingX;  // -1: none
        int netX;
    };
    // Trip boxes: course at colX 2, official trip at colX 5, other at x 0 on row 7; lodging
    // boxes on row 7; the net box at colX 0 (due to the traveller) or colX 24 (owed).
    const Ticks cases[] = {
        {0, 0, 0, 278, 1479, 125},
        {1, 1, 1, 458, 1622, 230},
        {2, 2, 0, -1, 1752, 125},
        {1, 3, 0, 458, -1, 125},
    };
    for (const Ticks& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.tripKind << "/" << tc.lodgingKind);
        doc.SetTripKind(tc.tripKind);
        doc.SetLodgingKind(tc.lodgingKind);
        doc.SetLineValue(Advance, kAmountColumn, tc.advance);
        RecordingSurface s;
        test::PrintClaim(doc, s);
        const int trip[][2] = {{278, 341}, {458, 341}, {0, 405}};
        for (const auto& box : trip) {
            EXPECT_TRUE(s.HasBox(1, box[0], box[1]));
            bool ticked = tc.tickedX == -1 ? box[1] == 405 : box[0] == tc.tickedX && box[1] == 341;
            EXPECT_EQ(s.IsTicked(1, box[0], box[1]), ticked) << box[0];
        }
        for (int x : {1479, 1622, 1752}) {
            EXPECT_TRUE(s.HasBox(1, x, 405));
            EXPECT_EQ(s.IsTicked(1, x, 405), x == tc.lodgingX) << x;
        }
        for (int x : {125, 230}) {
            EXPECT_TRUE(s.HasBox(1, x, 2389));
            EXPECT_EQ(s.IsTicked(1, x, 2389), x == tc.netX) << x;
        }
    }
}

TEST_F(FrontPageTest, RulesArrowsAndMark) {
    RecordingSurface s;
    test::PrintClaim(doc, s);
    struct Line {
        int x1, y1, x2, y2;
    };
    const Line lines[] = {
        {0, 0, 0, 2780},         {0, 2780, 1880, 2780},   // the frame
        {0, 127, 1549, 127},                              // row 2 stops at colX 20
        {175, 693, 1880, 693},                            // row 11 from colX 1
        {230, 2593, 1880, 2593},                          // row 41 from 230
        {0, 381, 278, 381},      {1394, 381, 1880, 381},  // row 45 in two pieces
        {1394, 475, 1880, 475},                           // the code heads' rule
        {375, 2519, 375, 2593},                           // colX 4 + 20
        {1752, 475, 1752, 2243},                          // colX 23 from row 7 + 30
        {1600, 475, 1600, 2243},                          // colX 21 too, under its heading
        {1880, -64, 1880, 0},    {1880, -64, 1420, -64}, {750, 540, 840, 540},
        {830, 525, 840, 540},                                                // arrows and a head
        {750, 2274, 840, 2274},  {750, 2398, 840, 2398}, {30, -30, 0, -12},  // the printed mark
    };
    for (const Line& l : lines) {
        EXPECT_TRUE(s.HasLine(1, l.x1, l.y1, l.x2, l.y2))
            << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2;
    }
    // No rule runs down through "Internregnskap" (448 to 474).
    for (const RecordedOp* op : s.Lines(1)) {
        bool throughHeading = op->x == 1600 && op->x2 == 1600 && std::min(op->y, op->y2) < 474 &&
                              std::max(op->y, op->y2) > 448;
        EXPECT_FALSE(throughHeading) << op->y << " - " << op->y2;
    }
    EXPECT_EQ(s.FindText(1, "1)")->y, RowY(24) + 1);

    RecordingSurface preview;
    preview.preview = true;
    test::PrintClaim(doc, preview);
    EXPECT_FALSE(preview.HasLine(1, 30, -30, 0, -12));
    EXPECT_EQ(std::count_if(preview.ops.begin(), preview.ops.end(),
                            [](const RecordedOp& op) { return op.kind == test::OpKind::Picture; }),
              1);
}

TEST_F(FrontPageTest, RatesLine) {
    struct Rates {
        std::string domestic;
        std::string abroad;
        int standard;
        std::string_view line;
    };
    const Rates cases[] = {
        {"01.01.06", "01.02.06", kBokmal,
         "Brukte satser: Innenlands per 01.01.06; utenlands per 01.02.06"},
        {"01.01.06", "", kNynorsk, "Brukte satsar: Innanlands per 01.01.06"},
        {"", "01.02.06", kNynorsk, "Brukte satsar: utanlands per 01.02.06"},
        {"", "", kBokmal, "Brukte satser: "},
    };
    for (const Rates& tc : cases) {
        doc.Rates().m_strRatesFrom = tc.domestic;
        doc.Rates().m_strAbroadRatesFrom = tc.abroad;
        RecordingSurface s;
        test::PrintClaim(doc, s, tc.standard);
        const RecordedOp* op = s.FindText(1, tc.line);
        ASSERT_NE(op, nullptr) << tc.line;
        // A whole line of the label font below the form number at 2782.
        EXPECT_EQ(op->x, 10);
        EXPECT_EQ(op->y, 2808);
    }
}

TEST_F(FrontPageTest, FontsThatCannotBeMade) {
    struct Failure {
        FontSpec wanted;
        FontStatus status;
        std::string_view text;
        const FontSpec* drawnIn;  // null: the surface's default font
    };
    const Failure cases[] = {
        {kLabel, FontStatus::NotMade, "Privatadresse", nullptr},
        {kBold, FontStatus::NotMade, "Regningen", &kLabel},
        {kTitle, FontStatus::NotMade, "Reiseregning", &kLabel},
        {kTitle, FontStatus::NotAllocated, "Reiseregning", &kLabel},
    };
    for (const Failure& tc : cases) {
        SCOPED_TRACE(tc.text);
        RecordingSurface s;
        s.fontStatus = [&tc](const FontSpec& wanted) {
            return wanted == tc.wanted ? tc.status : FontStatus::Made;
        };
        ASSERT_EQ(test::PrintClaim(doc, s), 2);
        const RecordedOp* op = s.FindText(1, tc.text);
        ASSERT_NE(op, nullptr);
        EXPECT_EQ(op->font, tc.drawnIn ? *tc.drawnIn : s.defaultFont);
        EXPECT_EQ(s.LiveFonts(), 0u);
        EXPECT_EQ(s.misuses, 0);
    }
}

}  // namespace
}  // namespace ferdix
