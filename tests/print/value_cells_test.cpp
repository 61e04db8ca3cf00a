// Every value of every printed page stays in its cell, with the longest text each field can
// hold: no rule runs through it and it meets no other text, in both written standards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "calc/allowance_table.h"
#include "print_test_util.h"

namespace ferdix {
namespace {

using test::OpKind;
using test::RecordedOp;
using test::RecordingSurface;

// A label hangs from the top of a band and a value rests on its bottom: their cells share up
// to 10 units (in the 60 units of row 5's band), where neither's letters reach.
constexpr int kContact = 10;

struct Box {
    int left, top, right, bottom;
};

Box BoxOf(const RecordedOp& op) {
    Box b{op.left, op.y, op.left + RecordingSurface::Width(op.font, op.text),
          op.y + op.font.height};
    if (op.clipped) {
        b.left = std::max(b.left, op.clip.left);
        b.top = std::max(b.top, op.clip.top);
        b.right = std::min(b.right, op.clip.right);
        b.bottom = std::min(b.bottom, op.clip.bottom);
    }
    return b;
}

int Overlap(int a1, int a2, int b1, int b2) {
    return std::min(a2, b2) - std::max(a1, b1);
}

// Words, or one word, of n characters; each field has its own letters.
std::string Long(const std::string& word, std::size_t n, bool spaces) {
    std::string text;
    while (text.size() < n) {
        text += word;
        if (spaces) {
            text += ' ';
        }
    }
    text.resize(n);
    return text;
}

// The values of a claim at their longest: typed fields at the form's limits, numbers at the
// extremes their types print, and texts the claim file holds without a limit at 300
// characters.
void FillLongest(CFerdixDoc& doc, bool spaces) {
    auto text = [spaces](const char* word) { return Long(word, 300, spaces); };
    doc.ChangeTraveller(&CTraveller::SetName, text("Nm"));
    doc.SetPersonId("99999999999");
    doc.ChangeTraveller(&CTraveller::SetStreetAddress, text("Gt"));
    doc.ChangeTraveller(&CTraveller::SetPostcode, "9999");
    doc.ChangeTraveller(&CTraveller::SetPostTown, text("Ps"));
    doc.ChangeTraveller(&CTraveller::SetPosition, text("St"));
    doc.ChangeTraveller(&CTraveller::SetAccountNumber, text("Kt"));
    doc.ChangeTraveller(&CTraveller::SetAgency, text("Et"));
    doc.ChangeTraveller(&CTraveller::SetDepartment, text("Av"));
    doc.ChangeTraveller(&CTraveller::SetDutyStationNumber, INT_MIN);
    doc.ChangeTraveller(&CTraveller::SetEmployeeNumber, 999999);
    doc.ChangeTraveller(&CTraveller::SetTaxMunicipality, text("Sk"));
    doc.ChangeTraveller(&CTraveller::SetMunicipalityNumber, INT_MIN);
    doc.ChangeTraveller(&CTraveller::SetTaxPercent, -FLT_MAX);
    doc.ChangeTraveller(&CTraveller::SetAccountToCharge, text("Ko"));
    doc.ChangeTraveller(&CTraveller::SetKmSoFar, UINT32_MAX);
    doc.SetDepartureDate("28.12.06");
    doc.SetDepartureTime("23:59");
    doc.SetReturnDate("28.12.06");
    doc.SetReturnTime("23:59");
    doc.SetConcerns(Long("Xg", 25, spaces));
    doc.SetPurpose(text("Fa") + "\r\n" + text("Fb"));
    doc.SetOtherAdditions(Long("Xa", 10, spaces));
    doc.SetAdvancePlace(Long("Xu", 18, spaces));
    test::EditClaim(doc, [&](ClaimData& c) { c.m_strOtherDeductions = text("Tr"); });
    doc.SetOtherTransportCandidate(text("Sy"));
    doc.SetTripNumber(text("Rn"));
    doc.SetTTCode(text("Tt"));
    doc.SetInterimAccount(text("Ik"));
    doc.SetLodging(text("Lq"));
    doc.SetRemarks(Long("Mk", 4000, spaces));
    for (int line = 0; line <= 27; ++line) {
        doc.SetLineValue(line, kCountColumn, -FLT_MAX);
        doc.SetLineValue(line, kRateColumn, -FLT_MAX);
        doc.SetLineValue(line, kAmountColumn, -FLT_MAX);
    }
    doc.SetLineValue(Advance, kAmountColumn, -FLT_MAX);
    for (int i = 0; i < 2; ++i) {
        auto leg = std::make_unique<CTravelLine>();
        leg->SetDate("28.12.06", DateOrder::DayFirst);
        leg->SetStartTime("23:59");
        leg->SetArrivalTime("23:59");
        leg->SetText(text("Fr"));
        leg->SetTo(text("Tl"));
        leg->SetTransport(text("Mc"));
        leg->SetKm(-1);
        leg->SetCurrency(text("Vl"));
        leg->SetForeignAmount(-FLT_MAX);
        leg->SetRate(-FLT_MAX);
        leg->SetAmount(-FLT_MAX);
        test::EditClaim(doc, [&](ClaimData& c) { c.m_travelLines.push_back(std::move(leg)); });
        auto outlay = std::make_unique<CExpenseLine>();
        outlay->SetDate("28.12.06", DateOrder::DayFirst);
        outlay->SetText(text("Sp"));
        outlay->SetCurrency(text("Vo"));
        outlay->SetForeignAmount(-FLT_MAX);
        outlay->SetRate(-FLT_MAX);
        outlay->SetAmount(-FLT_MAX);
        test::EditClaim(doc, [&](ClaimData& c) { c.m_outlayLines.push_back(std::move(outlay)); });
    }
}

// The texts that come from the claim: the values in the base face, the remarks, and the
// lodging, which on a sheet of its own is in the label face.
bool IsValue(const RecordedOp& op) {
    return op.kind == OpKind::Text && (op.font.face.empty() || op.font.face == "Courier" ||
                                       op.text.find("Lq") != std::string::npos);
}

std::string Name(const RecordedOp& op) {
    return "p" + std::to_string(op.page) + " (" + std::to_string(op.x) + "," +
           std::to_string(op.y) + ") \"" + Cp1252ToUtf8(op.text) + "\"";
}

// What is wrong with the values on the pages: a rule through one, one that meets another
// text, one outside the frame.
std::vector<std::string> Faults(const RecordingSurface& s) {
    std::vector<std::string> faults;
    for (const RecordedOp& v : s.ops) {
        if (!IsValue(v)) {
            continue;
        }
        Box b = BoxOf(v);
        if (b.left < 0 || b.right > 1880 || b.top < 0 || b.bottom > 2780) {
            faults.push_back(Name(v) + " leaves the frame");
        }
        for (const RecordedOp& op : s.ops) {
            if (op.page != v.page || &op == &v) {
                continue;
            }
            if (op.kind == OpKind::Line) {
                bool vertical = op.x == op.x2;
                bool horizontal = op.y == op.y2;
                bool through =
                    (vertical && op.x > b.left && op.x < b.right &&
                     Overlap(std::min(op.y, op.y2), std::max(op.y, op.y2), b.top, b.bottom) > 0) ||
                    (horizontal && op.y > b.top && op.y < b.bottom &&
                     Overlap(std::min(op.x, op.x2), std::max(op.x, op.x2), b.left, b.right) > 0);
                if (through) {
                    faults.push_back(Name(v) + " crossed by a rule");
                    break;
                }
            } else if (op.kind == OpKind::Text) {
                Box o = BoxOf(op);
                if (Overlap(b.left, b.right, o.left, o.right) > 0 &&
                    Overlap(b.top, b.bottom, o.top, o.bottom) > kContact) {
                    faults.push_back(Name(v) + " meets " + Name(op));
                    break;
                }
            }
        }
    }
    return faults;
}

class ValueCellsTest : public ::testing::Test {
  protected:
};

TEST_F(ValueCellsTest, TheLongestValuesStayInTheirCells) {
    for (bool spaces : {true, false}) {
        for (int standard : {kBokmal, kNynorsk}) {
            SCOPED_TRACE(testing::Message()
                         << (spaces ? "words" : "one word") << ", standard " << standard);
            CFerdixDoc doc;
            FillLongest(doc, spaces);
            RecordingSurface s;
            int pages = test::PrintClaim(doc, s, standard, Long("Dt", 300, spaces));
            ASSERT_GE(pages, 3);
            for (const std::string& fault : Faults(s)) {
                ADD_FAILURE() << fault;
            }
            EXPECT_EQ(s.misuses, 0);
            EXPECT_EQ(s.LiveFonts(), 0u);
        }
    }
}

// The fields the form limits print whole at their limits; a value is cut only when the
// claim holds more than its cell can show, and then says so with "...".
TEST_F(ValueCellsTest, TypedFieldsAtTheirLimitsPrintWhole) {
    struct Case {
        const char* marker;
        std::size_t length;
    };
    for (bool spaces : {true, false}) {
        CFerdixDoc doc;
        FillLongest(doc, spaces);
        RecordingSurface s;
        test::PrintClaim(doc, s);
        for (Case c : {Case{"Xg", 25}, Case{"Xa", 10}, Case{"Xu", 18}}) {
            std::string printed;
            for (const RecordedOp* op : s.Texts(1)) {
                if (op->text.find(c.marker) != std::string::npos) {
                    EXPECT_FALSE(op->clipped) << c.marker;
                    printed += printed.empty() ? op->text : " " + op->text;
                }
            }
            EXPECT_EQ(printed.size(), c.length) << c.marker << (spaces ? " words" : " one word");
            EXPECT_EQ(printed.find('\x85'), std::string::npos) << c.marker;
        }
        const RecordedOp* name = nullptr;
        for (const RecordedOp* op : s.Texts(1)) {
            if (op->text.find("Nm") != std::string::npos) {
                name = op;
            }
        }
        ASSERT_NE(name, nullptr);
        EXPECT_TRUE(name->clipped);
        EXPECT_EQ(name->text.back(), '\x85');
    }
}

}  // namespace
}  // namespace ferdix
