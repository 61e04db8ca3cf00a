#include "support/memory_controls.h"
#include "form/control_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ferdix {
namespace {

struct Recorder : IFormEvents {
    void OnChange(int id) override { log.push_back("change " + std::to_string(id)); }
    void OnLeave(int id) override { log.push_back("leave " + std::to_string(id)); }
    void OnClick(int id) override { log.push_back("click " + std::to_string(id)); }
    void OnSelChange(int id) override { log.push_back("pick " + std::to_string(id)); }
    void OnDoubleClick(int id) override { log.push_back("dbl " + std::to_string(id)); }
    std::vector<std::string> log;
};

class MemoryControlsTest : public ::testing::Test {
  protected:
    MemoryControlsTest() : controls(FormTemplate()) { controls.SetEvents(&events); }
    MemoryControls controls;
    Recorder events;
};

TEST_F(MemoryControlsTest, SettingAnEditsTextRaisesChangeButAComboDoesNot) {
    controls.SetText(kIdName, "Kari");
    controls.SetText(kIdName, "Kari");
    controls.SetText(kIdBoardLodgingDaysCoveredCount, "2");  // hidden edits too
    controls.SetText(kIdTravelCurrency, "SEK");              // the edit part of a drop-down list
    controls.SetText(kIdTripKindBox, "Header");              // a group box
    EXPECT_EQ(events.log, (std::vector<std::string>{"change 1011", "change 1011", "change 1260"}));
}

TEST_F(MemoryControlsTest, FocusMovesRaiseLeaveOnTheControlThatHadIt) {
    controls.Type(kIdName, "Kari");
    controls.FocusTo(kIdStreet);
    controls.SetFocus(kIdStreet);
    controls.Leave(kIdStreet);
    EXPECT_EQ(events.log, (std::vector<std::string>{"change 1011", "change 1011", "change 1011",
                                                    "change 1011", "leave 1011", "leave 1012"}));
    EXPECT_EQ(controls.GetFocus(), 0);
}

TEST_F(MemoryControlsTest, TypingRaisesOneChangePerCharacter) {
    struct Texts : Recorder {
        MemoryControls* c = nullptr;
        std::vector<std::string> seen;
        void OnChange(int id) override { seen.push_back(c->GetText(id)); }
    } texts;
    texts.c = &controls;
    controls.SetEvents(&texts);
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
        controls.SetText(c.id, c.before);
        controls.LimitText(c.id, c.limit);
        texts.seen.clear();
        EXPECT_TRUE(controls.Type(c.id, c.typed)) << c.typed;
        EXPECT_EQ(texts.seen, c.seen) << c.typed;
    }
}

TEST_F(MemoryControlsTest, ADisabledControlRefusesTheFocus) {
    controls.Type(kIdName, "K");
    controls.Enable(kIdStreet, false);
    events.log.clear();
    controls.SetFocus(kIdStreet);
    EXPECT_FALSE(controls.FocusTo(kIdStreet));
    EXPECT_EQ(controls.GetFocus(), kIdName);
    EXPECT_TRUE(events.log.empty());
    controls.Enable(kIdStreet, true);
    EXPECT_TRUE(controls.FocusTo(kIdStreet));
    EXPECT_EQ(events.log, (std::vector<std::string>{"leave 1011"}));
}

TEST_F(MemoryControlsTest, KeysGoNowhereWhenALeaveSendsTheFocusElsewhere) {
    struct Redirect : Recorder {
        MemoryControls* c = nullptr;
        void OnLeave(int id) override {
            Recorder::OnLeave(id);
            c->SetFocus(kIdPostTown);
        }
    } redirect;
    redirect.c = &controls;
    controls.SetEvents(&redirect);
    controls.SetFocus(kIdName);
    EXPECT_FALSE(controls.Type(kIdStreet, "Gate 1"));
    EXPECT_EQ(controls.GetText(kIdStreet), "");
    EXPECT_EQ(controls.GetFocus(), kIdPostTown);
}

TEST_F(MemoryControlsTest, ClickingARadioChecksOnlyItsGroup) {
    controls.SetCheck(kIdHotel, true);
    controls.Click(kIdTripOther);
    EXPECT_TRUE(controls.IsChecked(kIdTripOther));
    EXPECT_FALSE(controls.IsChecked(kIdTripCourse));
    EXPECT_TRUE(controls.IsChecked(kIdHotel));
    controls.Click(kIdTripCourse);
    EXPECT_FALSE(controls.IsChecked(kIdTripOther));
    EXPECT_EQ(events.log.back(), "click 1018");
}

TEST_F(MemoryControlsTest, UsersCannotTouchDisabledOrReadOnlyControls) {
    controls.Enable(kIdTripOtherText, false);
    EXPECT_FALSE(controls.Type(kIdTripOtherText, "x"));
    EXPECT_FALSE(controls.Type(kIdDayDomesticOver12hAmount, "5"));      // a computed amount
    EXPECT_FALSE(controls.Type(kIdBoardLodgingDaysCoveredCount, "5"));  // hidden
    EXPECT_TRUE(events.log.empty());
    controls.LimitText(kIdAdvancePlace, 3);
    controls.Type(kIdAdvancePlace, "Oslo");
    EXPECT_EQ(controls.GetText(kIdAdvancePlace), "Osl");
}

TEST_F(MemoryControlsTest, PickRaisesSelectionBeforeTheEditPartShowsTheItem) {
    controls.AddString(kIdTravelCurrency, "SEK");
    controls.AddString(kIdTravelCurrency, "EUR");
    EXPECT_EQ(controls.Items(kIdTravelCurrency), (std::vector<std::string>{"EUR", "SEK"}));
    struct Peek : Recorder {
        MemoryControls* c = nullptr;
        std::string seenText, seenItem;
        void OnSelChange(int id) override {
            seenText = c->GetText(id);
            seenItem = c->GetSelectedItemText(id);
        }
    } peek;
    peek.c = &controls;
    controls.SetEvents(&peek);
    controls.SetText(kIdTravelCurrency, "NOK");
    EXPECT_TRUE(controls.Pick(kIdTravelCurrency, "SEK"));
    EXPECT_EQ(peek.seenText, "NOK");
    EXPECT_EQ(peek.seenItem, "SEK");
    EXPECT_EQ(controls.GetText(kIdTravelCurrency), "SEK");
    EXPECT_FALSE(controls.Pick(kIdTravelCurrency, "USD"));
}

}  // namespace
}  // namespace ferdix
