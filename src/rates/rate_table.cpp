#include "rates/rate_table.h"

#include <cassert>

#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "rates/ini_file.h"
#include "rates/program_settings.h"

namespace ferdix {

namespace {

constexpr std::string_view kSatser = "Satser";

struct RateDef {
    std::string_view key;
    int line;
};

// clang-format off
constexpr std::array<RateDef, kRateCount> kRates = {{
    {"Admin godtgjøring"_cp, 0},
    {"Kost innenlands, under 5timer", 1},
    {"Kost innenlands, 5-9timer", 2},
    {"Kost innenlands, 9-12timer", 3},
    {"Kost innenlands, >12timer", 4},
    {"Kost utenlands, 6-12timer", 5},
    {"Kost utenlands, >12timer", 6},
    {"Kost ved overnatting innenlands, 8-12timer", 7},
    {"Kost ved overnatting innenlands, >12timer", 8},
    {"Kost ved overnatting utenlands", 9},
    {"Kost ved overnatting utenlands", 10},
    {"Kost ved overnatting innlands ulegitimert", 11},
    {"Innland overnatting hotell", 12},
    {"Kost ved overnatting utenlands ulegitimert", 13},
    {"Kost ved overnatting utenlands ulegitimert", 14},
    {"Bil under 9000km", 15},
    {"Bil over 9000km", 16},
    {"Hjem-arbeid skattepliktig", 17},
    {"Passasjertillegg", 18},
    {"Annet", 19},
    {"Kost - opphold over 28 døgn"_cp, 20},
    {"Nattillegg - opphold over 28 døgn"_cp, 21},
    {"Frokost", -1},
    {"Lunsj", -1},
    {"Middag", -1},
    {"Admin godtgjøring utenlands"_cp, 26},
}};
// clang-format on

std::size_t At(int index) {
    assert(index >= 0 && index < kRateCount);
    return static_cast<std::size_t>(index);
}

}  // namespace

RateTable::RateTable() {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        m_entries[i] = RateEntry{std::string(kRates[i].key), 0.0f, kRates[i].line};
    }
}

const RateEntry& RateTable::Entry(int index) const {
    return m_entries.at(At(index));
}

float RateTable::Configured(int index) const {
    return m_configured.at(At(index));
}

std::string RateTable::ValueText(int index) const {
    return FormatAmount(Entry(index).value, true);
}

std::vector<int> RateTable::EntriesWithKey(std::string_view key) const {
    std::vector<int> found;
    for (int i = 0; i < kRateCount; ++i) {
        if (m_entries[At(i)].key == key) {
            found.push_back(i);
        }
    }
    return found;
}

const RateEntry* RateTable::FirstWithKey(std::string_view key) const {
    for (const RateEntry& e : m_entries) {
        if (e.key == key) {
            return &e;
        }
    }
    return nullptr;
}

void RateTable::SetValue(int index, float value) {
    m_entries.at(At(index)).value = value;
}

std::vector<int> RateTable::SetValueForKey(std::string_view key, float value) {
    std::vector<int> changed = EntriesWithKey(key);
    for (int i : changed) {
        SetValue(i, value);
    }
    return changed;
}

void RateTable::RestoreConfiguredRates() {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_configured[i] > 0.0f) {
            m_entries[i].value = m_configured[i];
        }
    }
}

void RateTable::Load(const IniReader& ferdixIni) {
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        float v = ParseAmount(ferdixIni.GetString(kSatser, m_entries[i].key, "", kSettingsReadMax));
        m_entries[i].value = v;
        m_configured[i] = v;
    }
}

bool RateTable::IsChanged(int index) const {
    return Entry(index).value != Configured(index);
}

int RateTable::Store(IniDocument& ferdixIni) const {
    int written = 0;
    for (int i = 0; i < kRateCount; ++i) {
        if (IsChanged(i)) {
            ferdixIni.SetString(kSatser, Entry(i).key, ValueText(i));
            ++written;
        }
    }
    return written;
}

void LoadRates(RateTable& table, std::string& ratesFrom, const IniReader& ferdixIni) {
    table.Load(ferdixIni);
    ratesFrom = ferdixIni.GetString("Informasjon", "SatserGyldigFra", "", kSettingsReadMax);
}

void LoadRates(RateTable& table, std::string& ratesFrom, const std::string& ferdixIniPath) {
    IniDocument ini;
    ini.Load(ferdixIniPath);
    LoadRates(table, ratesFrom, ini);
}

RatesSaveResult SaveRates(const RateTable& table, const std::string& ferdixIniPath,
                          std::string_view officeRatesFrom) {
    RatesSaveResult r;
    bool anyChanged = false;
    for (int i = 0; i < kRateCount; ++i) {
        anyChanged = anyChanged || table.IsChanged(i);
    }
    if (!anyChanged) {
        r.ok = true;
        return r;
    }
    std::string shown = ferdixIniPath.empty() ? "ferdix.ini" : ferdixIniPath;
    std::string reason;
    IniDocument ini;
    if (ferdixIniPath.empty()) {
        reason = "det er ingen mappe for dine egne innstillinger (HOME er ikke satt)";
    } else if (ini.Load(ferdixIniPath) == IniLoadResult::Unreadable) {
        reason = "filen kan ikke leses";
    } else {
        table.Store(ini);
        if (!officeRatesFrom.empty()) {
            ini.SetString("Informasjon", kOfficeRatesFromKey, officeRatesFrom);
        }
        r.ok = ini.Save(ferdixIniPath, &reason, true);
    }
    if (!r.ok) {
        r.error = "Satsene kunne ikke lagres i " + shown + " (" + reason + ").";
    }
    return r;
}

std::optional<NewerOfficeRates> FindNewerOfficeRates(const IniDocument& own,
                                                     const IniLayers& office) {
    std::optional<std::string_view> recorded = own.Find("Informasjon", kOfficeRatesFromKey);
    std::string officeFrom = office.GetString("Informasjon", "SatserGyldigFra");
    if (recorded && *recorded == officeFrom) {
        return std::nullopt;
    }
    NewerOfficeRates found;
    found.officeRatesFrom = officeFrom;
    RateTable keys;
    for (int i = 0; i < kRateCount; ++i) {
        const std::string& key = keys.Entry(i).key;
        if (keys.EntriesWithKey(key).front() != i) {
            continue;  // the second entry of a shared key
        }
        std::optional<std::string_view> mine = own.Find(kSatser, key);
        std::optional<std::string_view> theirs = office.Find(kSatser, key);
        if (mine && theirs && ParseAmount(*mine) != ParseAmount(*theirs)) {
            found.rates.push_back(OwnRate{key, FormatAmount(ParseAmount(*mine), true),
                                          FormatAmount(ParseAmount(*theirs), true)});
        }
    }
    if (found.rates.empty()) {
        return std::nullopt;
    }
    const IniLayers::Layer* source = office.Source("Informasjon", "SatserGyldigFra");
    if (!source) {
        source = office.Source(kSatser, found.rates.front().key);
    }
    found.officeFile = source ? source->path : std::string();
    return found;
}

bool AnswerNewerOfficeRates(const std::string& ownPath, const NewerOfficeRates& found,
                            bool takeOffice, std::string* error) {
    IniDocument ini;
    if (ini.Load(ownPath) == IniLoadResult::Unreadable) {
        if (error) {
            *error = "kan ikke lese " + ownPath;
        }
        return false;
    }
    if (takeOffice) {
        for (const OwnRate& r : found.rates) {
            // A key written twice in the section would otherwise come back.
            while (ini.DeleteKey(kSatser, r.key)) {
            }
        }
    }
    ini.SetString("Informasjon", kOfficeRatesFromKey, found.officeRatesFrom);
    return ini.Save(ownPath, error, true);
}

}  // namespace ferdix
