// The contract of IFormControls (form/form_controls.h) as typed tests, run against every control
// set that claims it: the in-memory controls the library's tests use (memory_controls_test.cpp)
// and the Qt widgets (tests/qt/controls_contract_test.cpp), so that the fake cannot drift from
// what the user has on screen.
//
// A driver owns a control set built from the form template and acts on it as a user would:
//   IFormControls& Controls();  void SetEvents(IFormEvents*);
//   bool FocusTo(int id);       // a click into the control; true when it has the focus then
//   bool Type(int id, std::string_view text);  // focus, select all, then key by key
//   bool Click(int id);
//   bool Pick(int id, std::string_view item);  // an item of the drop-down's list
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form/control_ids.h"
#include "form/form_controls.h"

namespace ferdix::test {

struct EventLog : IFormEvents {
    void OnChange(int id) override { Add("change", id); }
    void OnLeave(int id) override { Add("leave", id); }
    void OnClick(int id) override { Add("click", id); }
    void OnSelChange(int id) override { Add("pick", id); }
    void OnDoubleClick(int id) override { Add("double", id); }
    void Add(const char* what, int id) {
        log.push_back(std::string(what) + " " + std::to_string(id));
    }
    std::vector<std::string> log;
};

template <class Driver>
class ControlsContract : public ::testing::Test {
  protected:
    ControlsContract() { user.SetEvents(&events); }
    ~ControlsContract() override { user.SetEvents(nullptr); }
    IFormControls& controls() { return user.Controls(); }

    Driver user;
    EventLog events;
};

TYPED_TEST_SUITE_P(ControlsContract);

TYPED_TEST_P(ControlsContract, SettingAnEditsTextRaisesChangeButNoOtherControls) {
    IFormControls& c = this->controls();
    c.SetText(kIdName, "Kari");
    c.SetText(kIdName, "Kari");                       // unchanged: a change all the same
    c.SetText(kIdBoardLodgingDaysCoveredCount, "2");  // hidden edits too
    c.SetText(kIdRemarks, "Notat");                   // and the notes
    c.SetText(kIdTravelCurrency, "SEK");              // the edit part of a drop-down list
    c.SetText(kIdTripKindBox, "Header");              // a group box
    c.SetText(kIdNameLabel, "Navn");                  // a label
    EXPECT_EQ(this->events.log, (std::vector<std::string>{"change 1011", "change 1011",
                                                          "change 1260", "change 1171"}));
    EXPECT_EQ(c.GetText(kIdTravelCurrency), "SEK");
    EXPECT_EQ(c.GetText(kIdRemarks), "Notat");
}

TYPED_TEST_P(ControlsContract, FocusMovesRaiseLeaveOnTheControlThatHadIt) {
    IFormControls& c = this->controls();
    ASSERT_TRUE(this->user.Type(kIdName, "Kari"));
    EXPECT_TRUE(this->user.FocusTo(kIdStreet));
    c.SetFocus(kIdStreet);  // already there: nothing
    c.SetFocus(0);
    EXPECT_EQ(this->events.log,
              (std::vector<std::string>{"change 1011", "change 1011", "change 1011", "change 1011",
                                        "leave 1011", "leave 1012"}));
    EXPECT_EQ(c.GetFocus(), 0);
}

TYPED_TEST_P(ControlsContract, TypingRaisesOneChangePerCharacterUpToTheLimit) {
    struct Texts : IFormEvents {
        IFormControls* c = nullptr;
        std::vector<std::string> seen;
        void OnChange(int id) override { seen.push_back(c->GetText(id)); }
        void OnLeave(int) override {}
        void OnClick(int) override {}
        void OnSelChange(int) override {}
        void OnDoubleClick(int) override {}
    } texts;
    texts.c = &this->controls();
    this->user.SetEvents(&texts);
    struct Case {
        int id;
        std::string before;
        std::string typed;
        int limit;
        std::vector<std::string> seen;
    };
    const Case cases[] = {
        {kIdDayDomesticOver12hCount, "7", "2,5", 0, {"2", "2,", "2,5"}},
        {kIdTravelCurrency, "NOK", "SEK", 0, {"S", "SE", "SEK"}},  // a drop-down's edit part
        {kIdAdvancePlace, "", "Oslo", 3, {"O", "Os", "Osl"}},      // keys past the limit
        {kIdName, "Kari", "", 0, {""}},                            // select all, delete
        {kIdName, "", "", 0, {}},
    };
    for (const Case& c : cases) {
        this->controls().SetText(c.id, c.before);
        this->controls().LimitText(c.id, c.limit);
        texts.seen.clear();
        EXPECT_TRUE(this->user.Type(c.id, c.typed)) << c.typed;
        EXPECT_EQ(texts.seen, c.seen) << c.typed;
    }
    // A stored text longer than the limit shows whole, and can be shortened.
    std::string stored(40, 'y');
    this->controls().LimitText(kIdTripOtherText, 25);
    this->controls().SetText(kIdTripOtherText, stored);
    EXPECT_EQ(this->controls().GetText(kIdTripOtherText), stored);
    EXPECT_TRUE(this->user.Type(kIdTripOtherText, "abc"));
    EXPECT_EQ(this->controls().GetText(kIdTripOtherText), "abc");
}

TYPED_TEST_P(ControlsContract, ADisabledControlRefusesTheFocus) {
    IFormControls& c = this->controls();
    ASSERT_TRUE(this->user.Type(kIdName, "K"));
    c.Enable(kIdStreet, false);
    EXPECT_FALSE(c.IsEnabled(kIdStreet));
    this->events.log.clear();
    c.SetFocus(kIdStreet);
    EXPECT_FALSE(this->user.FocusTo(kIdStreet));
    EXPECT_EQ(c.GetFocus(), kIdName);
    EXPECT_TRUE(this->events.log.empty());
    c.Enable(kIdStreet, true);
    EXPECT_TRUE(this->user.FocusTo(kIdStreet));
    EXPECT_EQ(this->events.log, (std::vector<std::string>{"leave 1011"}));
}

TYPED_TEST_P(ControlsContract, KeysGoNowhereNearAFieldWhenALeaveSendsTheFocusElsewhere) {
    struct Redirect : EventLog {
        IFormControls* c = nullptr;
        void OnLeave(int id) override {
            EventLog::OnLeave(id);
            c->SetFocus(kIdPostTown);
        }
    } redirect;
    redirect.c = &this->controls();
    this->user.SetEvents(&redirect);
    this->controls().SetFocus(kIdName);
    EXPECT_FALSE(this->user.Type(kIdStreet, "Gate 1"));
    EXPECT_EQ(this->controls().GetText(kIdStreet), "");
    EXPECT_EQ(this->controls().GetFocus(), kIdPostTown);
    this->user.SetEvents(&this->events);
}

TYPED_TEST_P(ControlsContract, ClickingARadioChecksOnlyItsGroup) {
    IFormControls& c = this->controls();
    c.SetCheck(kIdHotel, true);
    c.SetCheck(kIdTripCourse, true);
    EXPECT_TRUE(this->user.Click(kIdTripOther));
    EXPECT_TRUE(c.IsChecked(kIdTripOther));
    EXPECT_FALSE(c.IsChecked(kIdTripCourse));
    EXPECT_TRUE(c.IsChecked(kIdHotel));  // another group
    EXPECT_TRUE(this->user.Click(kIdTripCourse));
    EXPECT_FALSE(c.IsChecked(kIdTripOther));
    EXPECT_EQ(this->events.log.back(), "click " + std::to_string(kIdTripCourse));
    // Setting one state leaves the rest of the group alone.
    c.SetCheck(kIdTripOther, true);
    EXPECT_TRUE(c.IsChecked(kIdTripCourse));
    EXPECT_EQ(this->events.log.back(), "click " + std::to_string(kIdTripCourse));
}

TYPED_TEST_P(ControlsContract, UsersCannotTypeIntoDisabledComputedOrHiddenFields) {
    IFormControls& c = this->controls();
    c.SetText(kIdDayDomesticOver12hAmount, "10,00");
    c.SetText(kIdBoardLodgingDaysCoveredCount, "1");
    c.Enable(kIdTripOtherText, false);
    this->events.log.clear();
    this->user.Type(kIdTripOtherText, "x");
    this->user.Type(kIdDayDomesticOver12hAmount, "5");  // a computed amount
    this->user.Type(kIdBoardLodgingDaysCoveredCount, "5");
    for (const std::string& e : this->events.log) {
        EXPECT_EQ(e.rfind("change", 0), std::string::npos) << e;
    }
    EXPECT_EQ(c.GetText(kIdTripOtherText), "");
    EXPECT_EQ(c.GetText(kIdDayDomesticOver12hAmount), "10,00");
    EXPECT_EQ(c.GetText(kIdBoardLodgingDaysCoveredCount), "1");
}

TYPED_TEST_P(ControlsContract, APickIsASelectionWithTheItemKnownDuringItsNotice) {
    IFormControls& c = this->controls();
    c.AddString(kIdTravelCurrency, "SEK");
    c.AddString(kIdTravelCurrency, "EUR");
    struct Peek : EventLog {
        IFormControls* c = nullptr;
        std::string seenItem;
        void OnSelChange(int id) override {
            EventLog::OnSelChange(id);
            seenItem = c->GetSelectedItemText(id);
        }
    } peek;
    peek.c = &c;
    this->user.SetEvents(&peek);
    c.SetText(kIdTravelCurrency, "NOK");
    EXPECT_TRUE(this->user.Pick(kIdTravelCurrency, "SEK"));
    EXPECT_EQ(peek.seenItem, "SEK");
    EXPECT_EQ(c.GetText(kIdTravelCurrency), "SEK");
    EXPECT_EQ(
        std::count(peek.log.begin(), peek.log.end(), "pick " + std::to_string(kIdTravelCurrency)),
        1);
    EXPECT_EQ(
        std::count(peek.log.begin(), peek.log.end(), "change " + std::to_string(kIdTravelCurrency)),
        0);
    EXPECT_FALSE(this->user.Pick(kIdTravelCurrency, "USD"));
    // Typing again forgets the pick.
    EXPECT_TRUE(this->user.Type(kIdTravelCurrency, "E"));
    EXPECT_EQ(c.GetSelectedItemText(kIdTravelCurrency), "");
    this->user.SetEvents(&this->events);
}

REGISTER_TYPED_TEST_SUITE_P(ControlsContract, SettingAnEditsTextRaisesChangeButNoOtherControls,
                            FocusMovesRaiseLeaveOnTheControlThatHadIt,
                            TypingRaisesOneChangePerCharacterUpToTheLimit,
                            ADisabledControlRefusesTheFocus,
                            KeysGoNowhereNearAFieldWhenALeaveSendsTheFocusElsewhere,
                            ClickingARadioChecksOnlyItsGroup,
                            UsersCannotTypeIntoDisabledComputedOrHiddenFields,
                            APickIsASelectionWithTheItemKnownDuringItsNotice);

}  // namespace ferdix::test
