#include "support/memory_controls.h"
#include "base/control_ids.h"

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
    EXPECT_EQ(events.log, (std::vector<std::string>{"change 1011", "leave 1011", "leave 1012"}));
    EXPECT_EQ(controls.GetFocus(), 0);
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
