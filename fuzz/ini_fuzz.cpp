// Any bytes as an INI file: parsing keeps every byte, every listed key is found, and a write
// changes the written key only.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "rates/ini_file.h"

namespace {

using namespace ferdix;

using fuzz::Check;

// Section names as a reader of the file would take them: the text between "[" and "]".
std::vector<std::string> SectionNames(std::string_view text) {
    std::vector<std::string> names;
    std::size_t at = 0;
    while ((at = text.find('[', at)) != std::string_view::npos) {
        std::size_t close = text.find_first_of("]\r\n", at + 1);
        if (close == std::string_view::npos) {
            break;
        }
        names.emplace_back(text.substr(at + 1, close - at - 1));
        at = close;
    }
    return names;
}

// A name or value that the file can hold as it is: letters and digits only.
std::string Plain(std::string_view bytes, std::string_view fallback) {
    std::string s;
    for (char c : bytes) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            s.push_back(c);
        }
    }
    return s.empty() ? std::string(fallback) : s;
}

// Names match trimmed and in any letter case.
bool SameName(std::string_view a, std::string_view b) {
    auto trim = [](std::string_view s) {
        while (!s.empty() &&
               (s.front() == ' ' || s.front() == '\t' || s.front() == '\v' || s.front() == '\f')) {
            s.remove_prefix(1);
        }
        while (!s.empty() &&
               (s.back() == ' ' || s.back() == '\t' || s.back() == '\v' || s.back() == '\f')) {
            s.remove_suffix(1);
        }
        return s;
    };
    return FoldIniName(trim(a)) == FoldIniName(trim(b));
}

using Found = std::vector<std::pair<std::pair<std::string, std::string>, std::string>>;

Found Everything(const IniDocument& ini, const std::vector<std::string>& sections) {
    Found all;
    for (const std::string& section : sections) {
        Check(ini.HasSection(section) || ini.KeyNames(section).empty());
        for (const std::string& key : ini.KeyNames(section)) {
            std::optional<std::string_view> value = ini.Find(section, key);
            Check(value.has_value());
            Check(ini.GetString(section, key, "", 5) == value->substr(0, 5));
            all.push_back({{section, key}, std::string(*value)});
        }
    }
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument ini(bytes);
    Check(ini.Text() == bytes);
    std::vector<std::string> sections = SectionNames(bytes);
    Found before = Everything(ini, sections);

    // A write into a section of the file (or a new one), with names taken from the input.
    std::size_t third = size / 3;
    std::string section = size > 0 && (data[0] & 1) != 0 && !sections.empty()
                              ? sections[data[size - 1] % sections.size()]
                              : Plain(bytes.substr(0, third), "Ny");
    std::string key = Plain(bytes.substr(third, third), "Nokkel");
    std::string value = Plain(bytes.substr(2 * third), "verdi");
    ini.SetString(section, key, value);

    IniDocument reread(ini.Text());
    Check(reread.Text() == ini.Text());
    if (reread.Encoding() != ini.Encoding()) {
        // A write can take away the bytes that decided the encoding: the file's only bytes that
        // were not UTF-8 (the rest now reads as UTF-8, as an editor would take it), or its only
        // non-ASCII bytes (what is left reads the same either way).
        if (ini.Encoding() == IniEncoding::Cp1252) {
            return 0;
        }
        std::string text = reread.Text();
        Check(std::none_of(text.begin(), text.end(),
                           [](char c) { return static_cast<unsigned char>(c) >= 0x80; }));
    }
    Check(reread.Find(section, key) == std::optional<std::string_view>(value));
    for (const auto& [where, was] : before) {
        if (SameName(where.first, section) && SameName(where.second, key)) {
            continue;
        }
        std::optional<std::string_view> now = reread.Find(where.first, where.second);
        Check(now.has_value() && *now == was);
    }
    return 0;
}
