#include "form/form_lists.h"

#include <algorithm>

#include "base/cp1252.h"
#include "base/written_standard.h"

namespace ferdix {

namespace {

constexpr std::string_view kMeansBokmal[] = {
    "Bil", "Ferje", "Fly", "Motorsykkel", "Motorbåt"_cp, "Tog", "Taxi", "Buss", "Annet",
};
constexpr std::string_view kMeansNynorsk[] = {
    "Bil", "Ferje", "Fly", "Motorsykkel", "Motorbåt"_cp, "Tog", "Taxi", "Buss", "Anna",
};

// The widths add up to 101 %, as the list has always had them. The samples are the widest values
// the columns are laid out for.
constexpr std::string_view kDate = "00.00.00";
constexpr std::string_view kTime = "00:00";
constexpr std::string_view kCode = "NOK";
constexpr std::string_view kRate = "00,00";

constexpr ListColumn kTravelColumnsBokmal[] = {
    {"Dato", 9, kDate}, {"Kl.", 7, kTime},      {"Sted fra", 20},           {"Sted til", 20},
    {"Kl.", 7, kTime},  {"Skyssmiddel", 7},     {"Beløp"_cp, 8, "0000,00"}, {"Kode", 7, kCode},
    {"Kurs", 7, kRate}, {"Sum", 9, "00000,00"},
};
constexpr ListColumn kTravelColumnsNynorsk[] = {
    {"Dato", 9, kDate}, {"Kl.", 7, kTime},      {"Stad frå"_cp, 20},        {"Stad til", 20},
    {"Kl.", 7, kTime},  {"Skyssmiddel", 7},     {"Beløp"_cp, 8, "0000,00"}, {"Kode", 7, kCode},
    {"Kurs", 7, kRate}, {"Sum", 9, "00000,00"},
};

constexpr ListColumn kOutlayColumns[] = {
    {"Dato", 15, kDate}, {"Spesifikasjon", 44}, {"Beløp"_cp, 11, "00000,00"},
    {"Kode", 8, kCode},  {"Kurs", 11, kRate},   {"Sum", 11, "00000,00"},
};

// Windows-1252 letters in lower case.
char Lower(char c) {
    auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    switch (b) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
            return static_cast<char>(b + 0x10);
        case 0x9F:  // Ÿ
            return static_cast<char>(0xFF);
        default:
            return c;
    }
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::span<const std::string_view> MeansOfTransportChoices(int standard) {
    if (standard == kNynorsk) {
        return kMeansNynorsk;
    }
    return kMeansBokmal;
}

std::span<const ListColumn> TravelListColumns(int standard) {
    if (standard == kNynorsk) {
        return kTravelColumnsNynorsk;
    }
    return kTravelColumnsBokmal;
}

std::span<const ListColumn> OutlayListColumns() {
    return kOutlayColumns;
}

std::vector<int> FitColumnWidths(std::span<const ListColumn> columns, std::span<const int> needed,
                                 int inner) {
    const std::size_t n = columns.size();
    std::vector<int> widths(n, 0);
    int used = 0;
    for (std::size_t i = 0; i < n; ++i) {
        widths[i] = inner * columns[i].widthPercent / 100;
        // The shares add up to 101 %: the last column takes what is left.
        if (i + 1 == n) {
            widths[i] = std::max(1, std::min(widths[i], inner - used));
        }
        used += widths[i];
    }
    auto neededOf = [&](std::size_t i) { return i < needed.size() ? std::max(0, needed[i]) : 0; };
    long long extra = 0;
    long long spare = 0;  // what the text columns can give
    for (std::size_t i = 0; i < n; ++i) {
        if (!columns[i].sample.empty()) {
            if (neededOf(i) > widths[i]) {
                extra += neededOf(i) - widths[i];
                widths[i] = neededOf(i);
            }
        } else {
            spare += std::max(0, widths[i] - neededOf(i));
        }
    }
    if (extra == 0 || spare == 0) {
        return widths;
    }
    long long take = std::min(extra, spare);
    // In proportion to what each text column can give; the rounding goes to the first ones.
    long long given = 0;
    std::vector<std::size_t> texts;
    for (std::size_t i = 0; i < n; ++i) {
        if (columns[i].sample.empty()) {
            long long room = std::max(0, widths[i] - neededOf(i));
            long long part = room * take / spare;
            widths[i] -= static_cast<int>(part);
            given += part;
            texts.push_back(i);
        }
    }
    for (std::size_t k = 0; given < take && !texts.empty(); k = (k + 1) % texts.size()) {
        std::size_t i = texts[k];
        if (widths[i] > neededOf(i)) {
            --widths[i];
            ++given;
        }
    }
    return widths;
}

int ShownItem(std::span<const std::string> items, std::string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (EqualNoCase(items[i], text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace ferdix
