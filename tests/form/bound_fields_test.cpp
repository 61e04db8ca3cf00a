#include "form/bound_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "claim/claim_file.h"
#include "form/control_ids.h"
#include "form/form_template.h"
#include "support/form_fixture.h"

namespace ferdix {
namespace {

using test::FormFixture;

TEST(BoundFieldsTest, EachFieldIsBoundOnceToAnEditOfTheForm) {
    std::set<int> seen;
    for (const BoundField& f : BoundFields()) {
        SCOPED_TRACE(f.id);
        EXPECT_TRUE(seen.insert(f.id).second) << "bound twice";
        EXPECT_EQ(FindBoundField(f.id), &f);
        const ControlTemplate* c = FindControl(f.id);
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(c->kind == ControlKind::Edit || c->kind == ControlKind::MultiLineEdit ||
                    c->kind == ControlKind::EditableDropDown || c->kind == ControlKind::HiddenEdit);
        EXPECT_FALSE(c->readOnly);
        // A date is stored with its time, and the time waits for that date.
        if (f.kind == BoundKind::Date || f.kind == BoundKind::Time) {
            const BoundField* partner = FindBoundField(f.partner);
            ASSERT_NE(partner, nullptr);
            EXPECT_EQ(partner->partner, f.id);
            EXPECT_NE(partner->kind, f.kind);
        }
    }
    EXPECT_EQ(FindBoundField(kIdTravelDate), nullptr);
}

class BoundFieldFormTest : public FormFixture {
  protected:
    // A text the field takes, as typed; a limited field gets as much as it takes.
    static std::string Typed(const BoundField& f) {
        switch (f.kind) {
            case BoundKind::Identity:
                return "01020312345";
            case BoundKind::Normalised:
                return "1234";
            case BoundKind::Date:
                return "5.3.26";
            case BoundKind::Time:
                return "0830";
            default:
                break;
        }
        std::string text = "Tekst \xE6\xF8\xE5 " + std::to_string(f.id);
        if (f.limit != 0) {
            text.resize(f.limit, 'x');
        }
        return text;
    }
};

TEST_F(BoundFieldFormTest, EveryFieldRoundTripsThroughTheClaimFile) {
    controls.Click(kIdTripOther);  // the free text takes typing only then
    for (const BoundField& f : BoundFields()) {
        SCOPED_TRACE(f.id);
        EXPECT_EQ(controls.TextLimit(f.id), static_cast<int>(f.limit));
        std::string typed = Typed(f);
        ASSERT_TRUE(controls.Type(f.id, typed + "y"));
        // The limit holds at the keyboard: the key past it never reaches the field.
        if (f.limit != 0) {
            EXPECT_EQ(controls.GetText(f.id), typed);
        }
        ASSERT_TRUE(controls.Type(f.id, typed));
        controls.Leave(f.id);
        EXPECT_FALSE(f.shown(doc.Claim(), doc.Locale().dateOrder).empty());
        EXPECT_EQ(controls.GetText(f.id), f.shown(doc.Claim(), doc.Locale().dateOrder));
    }
    EXPECT_TRUE(host.messages.empty());

    std::ostringstream out;
    WriteClaim(doc.Claim(), doc.Locale().dateOrder, CivilTime{2026, 12, 8, 0, 0, 0}, out);
    ClaimData read;
    ReadClaim(read, out.str());
    for (const BoundField& f : BoundFields()) {
        EXPECT_EQ(f.shown(read, doc.Locale().dateOrder),
                  f.shown(doc.Claim(), doc.Locale().dateOrder))
            << f.id;
    }
    // And a claim read shows on the form as it was typed.
    doc.ReplaceClaim(std::move(read));
    for (const BoundField& f : BoundFields()) {
        EXPECT_EQ(controls.GetText(f.id), f.shown(doc.Claim(), doc.Locale().dateOrder)) << f.id;
    }
}

TEST_F(BoundFieldFormTest, TheKindButtonsStoreAndShowTheClaimsKinds) {
    for (const auto& b : kTripKindButtons) {
        SCOPED_TRACE(b.id);
        ASSERT_TRUE(controls.Click(b.id));
        EXPECT_EQ(TripKindOf(doc.Claim()), b.kind);
        view.RefreshForm();
        for (const auto& other : kTripKindButtons) {
            EXPECT_EQ(controls.IsChecked(other.id), other.id == b.id) << other.id;
        }
        EXPECT_EQ(controls.IsEnabled(kIdTripOtherText), b.kind == KindOfTrip::Other);
    }
    for (const auto& b : kLodgingKindButtons) {
        SCOPED_TRACE(b.id);
        ASSERT_TRUE(controls.Click(b.id));
        EXPECT_EQ(LodgingKindOf(doc.Claim()), b.kind);
        view.RefreshForm();
        for (const auto& other : kLodgingKindButtons) {
            EXPECT_EQ(controls.IsChecked(other.id), other.id == b.id) << other.id;
        }
    }
    // No overnight stay: "Annet" shows it, and the claim keeps it through a refresh.
    ASSERT_TRUE(controls.Click(kIdOvernight));
    EXPECT_EQ(LodgingKindOf(doc.Claim()), KindOfLodging::None);
    view.RefreshForm();
    EXPECT_EQ(LodgingKindOf(doc.Claim()), KindOfLodging::None);
    EXPECT_TRUE(controls.IsChecked(kIdLodgingOther));
    EXPECT_FALSE(controls.IsEnabled(kIdLodgingOther));
}

}  // namespace
}  // namespace ferdix
