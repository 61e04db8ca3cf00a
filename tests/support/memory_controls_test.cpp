#include "support/memory_controls.h"

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
    controls.SetText(1011, "Kari");
    controls.SetText(1011, "Kari");
    controls.SetText(1260, "2");       // hidden edits too
    controls.SetText(1049, "SEK");     // the edit part of a drop-down list
    controls.SetText(1017, "Header");  // a group box
    EXPECT_EQ(events.log, (std::vector<std::string>{"change 1011", "change 1011", "change 1260"}));
}

TEST_F(MemoryControlsTest, FocusMovesRaiseLeaveOnTheControlThatHadIt) {
    controls.Type(1011, "Kari");
    controls.FocusTo(1012);
    controls.SetFocus(1012);
    controls.Leave(1012);
    EXPECT_EQ(events.log, (std::vector<std::string>{"change 1011", "leave 1011", "leave 1012"}));
    EXPECT_EQ(controls.GetFocus(), 0);
}

TEST_F(MemoryControlsTest, ClickingARadioChecksOnlyItsGroup) {
    controls.SetCheck(1209, true);
    controls.Click(1020);
    EXPECT_TRUE(controls.IsChecked(1020));
    EXPECT_FALSE(controls.IsChecked(1018));
    EXPECT_TRUE(controls.IsChecked(1209));
    controls.Click(1018);
    EXPECT_FALSE(controls.IsChecked(1020));
    EXPECT_EQ(events.log.back(), "click 1018");
}

TEST_F(MemoryControlsTest, UsersCannotTouchDisabledOrReadOnlyControls) {
    controls.Enable(1021, false);
    EXPECT_FALSE(controls.Type(1021, "x"));
    EXPECT_FALSE(controls.Type(1221, "5"));  // a computed amount
    EXPECT_FALSE(controls.Type(1260, "5"));  // hidden
    EXPECT_TRUE(events.log.empty());
    controls.LimitText(1140, 3);
    controls.Type(1140, "Oslo");
    EXPECT_EQ(controls.GetText(1140), "Osl");
}

TEST_F(MemoryControlsTest, PickRaisesSelectionBeforeTheEditPartShowsTheItem) {
    controls.AddString(1049, "SEK");
    controls.AddString(1049, "EUR");
    EXPECT_EQ(controls.Items(1049), (std::vector<std::string>{"EUR", "SEK"}));
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
    controls.SetText(1049, "NOK");
    EXPECT_TRUE(controls.Pick(1049, "SEK"));
    EXPECT_EQ(peek.seenText, "NOK");
    EXPECT_EQ(peek.seenItem, "SEK");
    EXPECT_EQ(controls.GetText(1049), "SEK");
    EXPECT_FALSE(controls.Pick(1049, "USD"));
}

}  // namespace
}  // namespace ferdix
