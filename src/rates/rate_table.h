// The domestic rates of the run, read from section Satser of ferdix.ini when the document is
// created. Every key is Windows-1252 and compared exactly.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ferdix {

class IniDocument;
class IniLayers;
class IniReader;

struct RateEntry {
    std::string key;     // in section Satser; also the name in the rates dialog
    float value = 0.0f;  // in force
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
    void Load(const IniReader& ferdixIni);
    // Whether the in-force value is no longer the one the files gave.
    bool IsChanged(int index) const;
    // Every changed in-force value into section Satser, in table order; the others stay as
    // the file has them, so a rate changed by no one never shadows a file read after it.
    // Returns how many keys were written.
    int Store(IniDocument& ferdixIni) const;

  private:
    std::array<RateEntry, kRateCount> m_entries;
    std::array<float, kRateCount> m_configured{};
};

// The rates and the domestic validity text from ferdix.ini.
void LoadRates(RateTable& table, std::string& ratesFrom, const IniReader& ferdixIni);
void LoadRates(RateTable& table, std::string& ratesFrom, const std::string& ferdixIniPath);

// Beside the user's own rates: the validity text of the office's files when the user last
// saved rates or answered for them, so that newer office rates are noticed.
inline constexpr std::string_view kOfficeRatesFromKey = "KontoretsSatserGyldigFra";

struct RatesSaveResult {
    bool ok = false;
    std::string error;  // names the file; Windows-1252
};
// The changed rates into the user's own ferdix.ini (made, with its folder, when missing) with
// officeRatesFrom, the office's validity text now. Nothing is written when no rate changed.
RatesSaveResult SaveRates(const RateTable& table, const std::string& ferdixIniPath,
                          std::string_view officeRatesFrom = {});

// The user's own rates that hide other office rates, when the office's validity text is no
// longer the one the user saved them against.
struct OwnRate {
    std::string key;
    std::string own;     // the user's value text
    std::string office;  // the office's value text
};
struct NewerOfficeRates {
    std::string officeFile;  // where the office's validity text is read
    std::string officeRatesFrom;
    std::vector<OwnRate> rates;  // in table order, each key once
};
// own: the user's file; office: the files read after it.
std::optional<NewerOfficeRates> FindNewerOfficeRates(const IniDocument& own,
                                                     const IniLayers& office);
// The answer into the user's file: taking the office's rates removes the user's own (and only
// those listed); either answer records the office's validity text, so the question comes once.
bool AnswerNewerOfficeRates(const std::string& ownPath, const NewerOfficeRates& found,
                            bool takeOffice, std::string* error);

}  // namespace ferdix
