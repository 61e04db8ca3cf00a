#include "form/label_table.h"
#include "form/control_ids.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "form/form_template.h"
#include "form/string_table.h"

namespace ferdix {
namespace {

class LabelTest : public ::testing::Test {
  protected:
};

struct LabelCase {
    int id;
    LabelVariant variant;
    std::string_view bokmal;
    std::string_view nynorsk;
};

TEST_F(LabelTest, TextFollowsTheWrittenStandard) {
    const LabelCase cases[] = {
        {kIdNameLabel, LabelVariant::Form, "Navn", "Namn"},
        {kIdTravelAmountLabel, LabelVariant::Form, "Beløp"_cp, "Sum"},
        {kIdTravelSumLabel, LabelVariant::Form, "Sum", "Sum"},
        {kIdCountHead, LabelVariant::Form, "Antall", "Kor mange"},
        {kIdPurposeBox, LabelVariant::Form, "Reisested og -formål"_cp, "Reisestad og -føremål"_cp},
        {kIdOwnTransportBlockLabel, LabelVariant::Form,
         "Eget skyssmiddel\nSpesifiser\nreisen ovenfor",
         "Eige skyssmiddel.\nSpesifiser reisa\novanfor"},
        {kIdNameLabel, LabelVariant::Print, "Etternavn og\nfornavn", "Etternamn og\nførenamn"_cp},
        {kIdDepartmentLabel, LabelVariant::Print, "Avdeling/\ntj.sted", "Avdeling/\nten.stad"},
        {kIdEmployeeNumberLabel, LabelVariant::Print, "Ansatt nr.", "Tilsett nr."},
        {kIdTaxPercentLabel, LabelVariant::Print, "Trekk-\nprosent", "Trekk-\nprosent"},
    };
    for (const LabelCase& tc : cases) {
        SCOPED_TRACE(tc.id);
        EXPECT_EQ(GetLabelText(tc.id, tc.variant, kNynorsk), tc.nynorsk);
        // Anything but 2 reads as bokmål, including the undecided 0.
        for (int standard : {kBokmal, 0, 3}) {
            EXPECT_EQ(GetLabelText(tc.id, tc.variant, standard), tc.bokmal);
        }
    }
    // Written-standard bytes are Windows-1252: "å" and "ø" are one byte each.
    EXPECT_EQ(GetLabelText(kIdPurposeBox, LabelVariant::Form, kNynorsk),
              "Reisestad og -f\xF8rem\xE5l");
}

TEST_F(LabelTest, IdsWithoutAnEntryFallBackToTheStringTable) {
    // A control with no label entry and no string: empty, though the form shows a text.
    EXPECT_EQ(GetLabelText(kIdPersonIdLabel, LabelVariant::Form, kNynorsk), "");
    // Each variant has its own entries: a print-only id has no form text and vice versa.
    EXPECT_EQ(GetLabelText(kIdStreetLabel, LabelVariant::Form, kNynorsk), "");
    EXPECT_EQ(GetLabelText(kIdJobBox, LabelVariant::Print, kNynorsk), "");
    EXPECT_EQ(GetLabelText(kIdJobBox, LabelVariant::Form, kNynorsk), "Jobbdetaljar");
    // A string of the same id stands in, in bokmål whatever the standard.
    EXPECT_EQ(GetLabelText(32777, LabelVariant::Form, kNynorsk), StringResource(32777));
    EXPECT_EQ(GetLabelText(32777, LabelVariant::Print, kNynorsk),
              "Endrer reisespesifikasjon\nEndre reisespesifikasjon");
    EXPECT_EQ(GetLabelText(57631, LabelVariant::Form, kNynorsk), "Åpner denne reiseregningen"_cp);
    EXPECT_EQ(StringResource(57632), "");
}

TEST_F(LabelTest, PrintedTravellerLabelsExistInBothStandards) {
    for (int standard : {kBokmal, kNynorsk}) {
        for (int id :
             {1005, 1006, 1007, 1008, 1009, 1010, 1025, 1027, 1029, 1031, 1034, 1036, 1040, 1041}) {
            EXPECT_FALSE(GetLabelText(id, LabelVariant::Print, standard).empty()) << id;
        }
    }
}

TEST_F(LabelTest, RelabellingCoversEveryFormLabel) {
    std::set<int> relabelled;
    for (const RelabelStep& step : RelabelOrder()) {
        const ControlTemplate* c = FindControl(step.id);
        ASSERT_NE(c, nullptr) << step.id;
        EXPECT_TRUE(c->kind == ControlKind::Static || c->kind == ControlKind::GroupBox ||
                    c->kind == ControlKind::Radio)
            << step.id;
        relabelled.insert(step.id);
    }
    // A control with a form label that the relabelling skips would stay in bokmål.
    for (const ControlTemplate& c : FormTemplate()) {
        if (c.id != kNoControlId && !GetLabelText(c.id, LabelVariant::Form, kBokmal).empty()) {
            EXPECT_EQ(relabelled.count(c.id), 1u) << c.id;
        }
    }
}

TEST_F(LabelTest, InitialTextsAreBokmalLabelsSaveTheOlderOnes) {
    // These start with an older resource text that the first relabelling replaces.
    const std::set<int> olderText = {1143, 1144, 1145, 1146, 1161, 1166, 1178, 1239, 1241};
    for (const RelabelStep& step : RelabelOrder()) {
        const ControlTemplate* c = FindControl(step.id);
        ASSERT_NE(c, nullptr);
        if (olderText.count(step.id) == 1) {
            EXPECT_NE(c->text, step.Text(kBokmal)) << step.id;
        } else {
            EXPECT_EQ(c->text, step.Text(kBokmal)) << step.id;
        }
    }
    EXPECT_EQ(FindControl(kIdTravelSumLabel)->text, "Beløp"_cp);
    EXPECT_EQ(FindControl(kIdOutlaySumLabel)->text, "Beløp"_cp);
    EXPECT_EQ(FindControl(kIdOvernightBlockLabel)->text, "Kostgodtgjøring\nved overnatting"_cp);
}

TEST_F(LabelTest, SwitchingThereAndBack) {
    std::map<int, std::string> shown;
    for (const ControlTemplate& c : FormTemplate()) {
        if (c.id != kNoControlId) {
            shown[c.id] = std::string(c.text);
        }
    }
    auto relabel = [&](int standard) {
        for (const RelabelStep& step : RelabelOrder()) {
            shown[step.id] = step.Text(standard);
        }
    };

    relabel(kNynorsk);
    EXPECT_EQ(shown[1005], "Namn");
    EXPECT_EQ(shown[1159], "Sum");
    EXPECT_EQ(shown[1272], "Kor mange");
    EXPECT_EQ(shown[1019], "Tenestereise");
    EXPECT_EQ(shown[1020], "Anna");
    EXPECT_EQ(shown[1211], "Anna");

    relabel(kBokmal);
    EXPECT_EQ(shown[1005], "Navn");
    EXPECT_EQ(shown[1159], "Beløp"_cp);
    EXPECT_EQ(shown[1272], "Antall");
    EXPECT_EQ(shown[1019], "Tjenestereise");
    EXPECT_EQ(shown[1161], "Sum");  // started as "Beløp"

    // Labels outside the relabelling keep their resource text in both standards.
    for (int id : {1002, 1179, 1275, 1276, 1197}) {
        EXPECT_EQ(shown[id], FindControl(id)->text) << id;
    }
    EXPECT_EQ(shown[1002], "Fødselsnummer"_cp);
}

}  // namespace
}  // namespace ferdix
