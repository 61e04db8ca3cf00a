#include "support/memory_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/control_ids.h"
#include "support/controls_contract.h"

namespace ferdix::test {
namespace {

// The user of the in-memory controls is the control set itself.
class MemoryUser {
  public:
    MemoryUser() : m_controls(FormTemplate()) {}
    IFormControls& Controls() { return m_controls; }
    void SetEvents(IFormEvents* events) { m_controls.SetEvents(events); }
    bool FocusTo(int id) { return m_controls.FocusTo(id); }
    bool Type(int id, std::string_view text) { return m_controls.Type(id, text); }
    bool Click(int id) { return m_controls.Click(id); }
    bool Pick(int id, std::string_view item) { return m_controls.Pick(id, item); }

  private:
    MemoryControls m_controls;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ControlsContract, MemoryUser);

// Stricter than the contract, as on Windows: the edit part shows a picked item only once the
// selection notice has been handled, and the list keeps its items sorted.
TEST(MemoryControlsTest, APickedItemShowsAfterTheNotice) {
    MemoryControls controls(FormTemplate());
    controls.AddString(kIdTravelCurrency, "SEK");
    controls.AddString(kIdTravelCurrency, "EUR");
    EXPECT_EQ(controls.Items(kIdTravelCurrency), (std::vector<std::string>{"EUR", "SEK"}));
    struct Peek : EventLog {
        MemoryControls* c = nullptr;
        std::string seenText;
        void OnSelChange(int id) override { seenText = c->GetText(id); }
    } peek;
    peek.c = &controls;
    controls.SetEvents(&peek);
    controls.SetText(kIdTravelCurrency, "NOK");
    EXPECT_TRUE(controls.Pick(kIdTravelCurrency, "SEK"));
    EXPECT_EQ(peek.seenText, "NOK");
    EXPECT_EQ(controls.GetText(kIdTravelCurrency), "SEK");
}

}  // namespace
}  // namespace ferdix::test
