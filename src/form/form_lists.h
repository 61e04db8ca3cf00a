// Fixed choices and column layouts of the form's lists. Each function reads the written
// standard when called: the form asks once, when it first fills its lists, and keeps what it
// got through later switches.
#pragma once

#include <span>
#include <string_view>

namespace ferdix {

// The means-of-transport choices (kIdTravelMeans) in the order they are added; the list shows
// them sorted. The last one is "Annet" in bokmål and "Anna" in nynorsk.
std::span<const std::string_view> MeansOfTransportChoices();

struct ListColumn {
    std::string_view title;  // Windows-1252
    int widthPercent;        // share of the list's inner width; every column is left-aligned
};

// Travel-leg list (kIdTravelList): date, departure, from, to, arrival, means, amount,
// currency code, rate, sum. The two place titles differ in nynorsk.
std::span<const ListColumn> TravelListColumns();

// Outlay list (kIdOutlayList): date, what was paid for, amount, currency code, rate, sum.
std::span<const ListColumn> OutlayListColumns();

}  // namespace ferdix
