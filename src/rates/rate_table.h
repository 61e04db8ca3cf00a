// The domestic rates of the run, read from section Satser of ferdix.ini when the document is
// created. Every key is Windows-1252 and compared exactly.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"

namespace ferdix {

class IniDocument;

struct RateEntry {
    std::string key;     // in section Satser; also the name in the rates dialog
    float value = 0.0f;  // in force
    int rateField = 0;   // the form's rate field, 0 for none
    int line = -1;       // the allowance line the rates dialog updates, -1 for none
};

inline constexpr int kRateCount = 26;
inline constexpr int kRateAdmin = 0;
inline constexpr int kRateBreakfast = 22;
inline constexpr int kRateLunch = 23;
inline constexpr int kRateDinner = 24;
inline constexpr int kRateAdminAbroad = 25;

class RateTable {
  public:
    // The 26 entries in their fixed order, every value 0.
    RateTable();

    int Size() const { return kRateCount; }
    // Positions outside 0..25 are a programming error.
    const RateEntry& Entry(int index) const;
    float Configured(int index) const;
    // The value text: decimal comma, two decimals.
    std::string ValueText(int index) const;

    // Positions of every entry with the key, in table order.
    std::vector<int> EntriesWithKey(std::string_view key) const;
    // The first entry with the key, or null.
    const RateEntry* FirstWithKey(std::string_view key) const;

    // In force only; the configured copy never changes after loading.
    void SetValue(int index, float value);
    // Sets every entry with the key; returns their positions.
    std::vector<int> SetValueForKey(std::string_view key, float value);
    // Each positive configured rate replaces its in-force rate.
    void RestoreConfiguredRates();

    // In-force and configured values from section Satser; missing or unreadable texts give 0.
    void Load(const IniDocument& ferdixIni);
    // Every in-force value into section Satser, in table order.
    void Store(IniDocument& ferdixIni) const;

  private:
    std::array<RateEntry, kRateCount> m_entries;
    std::array<float, kRateCount> m_configured{};
};

// The rates and the domestic validity text from ferdix.ini.
void LoadRates(RateTable& table, std::string& ratesFrom, const std::string& ferdixIniPath);

struct RatesSaveResult {
    bool ok = false;
    std::string error;  // names the file; Windows-1252
};
RatesSaveResult SaveRates(const RateTable& table, const std::string& ferdixIniPath);
// Tells the user that the changed rates hold for this run only.
MessageRequest RatesNotSavedMessage(const RatesSaveResult& result);

// A rate field of the form and the text it is to show.
struct RateFieldText {
    int field;
    std::string text;
};
// For every entry with a rate field, in table order; positiveOnly leaves out rates of 0 or
// less (the rate update of an old claim), else zero is included (a new claim).
std::vector<RateFieldText> RateFieldTexts(const RateTable& table, bool positiveOnly);

// The box of the "?" buttons beside the meal deductions, in the written standard in force.
MessageRequest MealRateMessage(const RateTable& table);
// The warning of the rate update of an old claim.
MessageRequest UpdateRatesWarning();

}  // namespace ferdix
