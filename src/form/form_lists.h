// Fixed choices and column layouts of the form's lists. Each function reads the written
// standard when called: the form asks once, when it first fills its lists, and keeps what it
// got through later switches.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ferdix {

// The means-of-transport choices (kIdTravelMeans) in the order they are added; the list shows
// them sorted. The last one is "Annet" in bokmål and "Anna" in nynorsk.
std::span<const std::string_view> MeansOfTransportChoices(int standard);

struct ListColumn {
    std::string_view title;  // Windows-1252
    int widthPercent;        // share of the list's inner width; every column is left-aligned
    // The widest usual value of a column that always shows whole (a date, a time, an amount, a
    // code); empty for a text column, which is shortened on screen when it must be.
    std::string_view sample = {};
};

// Travel-leg list (kIdTravelList): date, departure, from, to, arrival, means, amount,
// currency code, rate, sum. The two place titles differ in nynorsk.
std::span<const ListColumn> TravelListColumns(int standard);

// Outlay list (kIdOutlayList): date, what was paid for, amount, currency code, rate, sum.
std::span<const ListColumn> OutlayListColumns();

// The widths of a list's columns, in pixels, for an inner width of `inner`. Each column has its
// share of the width; a column shown whole that needs more (`needed`: the width of its widest
// value) has it, taken from the text columns in proportion to their shares, down to `needed`
// of a text column, its narrowest. What no text column can give makes the list wider than its
// window: a horizontal scroll bar, never a value cut.
std::vector<int> FitColumnWidths(std::span<const ListColumn> columns, std::span<const int> needed,
                                 int inner);

// The item an opened drop-down marks for the text its box shows (Windows-1252): the item of
// exactly that text, else the first that differs from it in letter case only; -1 when none
// does, so that Return in the open list picks nothing the box does not show.
int ShownItem(std::span<const std::string> items, std::string_view text);

}  // namespace ferdix
