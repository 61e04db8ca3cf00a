#include "form/form_lists.h"

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

// The widths add up to 101 %, as the list has always had them.
constexpr ListColumn kTravelColumnsBokmal[] = {
    {"Dato", 9},        {"Kl.", 7},      {"Sted fra", 20}, {"Sted til", 20}, {"Kl.", 7},
    {"Skyssmiddel", 7}, {"Beløp"_cp, 8}, {"Kode", 7},      {"Kurs", 7},      {"Sum", 9},
};
constexpr ListColumn kTravelColumnsNynorsk[] = {
    {"Dato", 9},        {"Kl.", 7},      {"Stad frå"_cp, 20}, {"Stad til", 20}, {"Kl.", 7},
    {"Skyssmiddel", 7}, {"Beløp"_cp, 8}, {"Kode", 7},         {"Kurs", 7},      {"Sum", 9},
};

constexpr ListColumn kOutlayColumns[] = {
    {"Dato", 15}, {"Spesifikasjon", 44}, {"Beløp"_cp, 11}, {"Kode", 8}, {"Kurs", 11}, {"Sum", 11},
};

}  // namespace

std::span<const std::string_view> MeansOfTransportChoices() {
    if (IsNynorsk()) {
        return kMeansNynorsk;
    }
    return kMeansBokmal;
}

std::span<const ListColumn> TravelListColumns() {
    if (IsNynorsk()) {
        return kTravelColumnsNynorsk;
    }
    return kTravelColumnsBokmal;
}

std::span<const ListColumn> OutlayListColumns() {
    return kOutlayColumns;
}

}  // namespace ferdix
