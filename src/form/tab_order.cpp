#include "form/tab_order.h"

#include <algorithm>

#include "form/form_template.h"

namespace ferdix {

namespace {

constexpr std::size_t kNoStop = static_cast<std::size_t>(-1);

struct Stops {
    std::vector<TabStop> stops;
    // For every template entry, the stop at or after it in reading order.
    std::vector<std::size_t> stopAtOrAfter;
    // For every template entry that belongs to a stop, that stop; else kNoStop.
    std::vector<std::size_t> stopOf;
};

Stops BuildStops() {
    Stops s;
    std::span<const ControlTemplate> form = FormTemplate();
    s.stopOf.assign(form.size(), kNoStop);
    for (std::size_t i = 0; i < form.size(); ++i) {
        const ControlTemplate& t = form[i];
        bool inGroup = t.kind == ControlKind::Radio && !t.groupStart && !s.stops.empty() && i > 0 &&
                       form[i - 1].kind == ControlKind::Radio;
        if (inGroup) {
            s.stops.back().ids.push_back(t.id);
            s.stopOf[i] = s.stops.size() - 1;
        } else if (t.tabStop && t.kind != ControlKind::HiddenEdit) {
            s.stops.push_back({{t.id}});
            s.stopOf[i] = s.stops.size() - 1;
        }
    }
    s.stopAtOrAfter.assign(form.size(), s.stops.size());
    std::size_t next = s.stops.size();
    for (std::size_t i = form.size(); i-- > 0;) {
        if (s.stopOf[i] != kNoStop) {
            next = s.stopOf[i];
        }
        s.stopAtOrAfter[i] = next;
    }
    return s;
}

const Stops& TheStops() {
    static const Stops stops = BuildStops();
    return stops;
}

// The button of a group that takes the focus: the checked one, else the first enabled one.
int TargetOf(const IFormControls& controls, const TabStop& stop) {
    if (stop.ids.size() > 1) {
        for (int id : stop.ids) {
            if (controls.IsChecked(id) && controls.IsEnabled(id)) {
                return id;
            }
        }
    }
    for (int id : stop.ids) {
        if (controls.IsEnabled(id)) {
            return id;
        }
    }
    return 0;
}

}  // namespace

std::span<const TabStop> FormTabStops() {
    return TheStops().stops;
}

int NextTabStop(const IFormControls& controls, int from, bool forward) {
    const Stops& s = TheStops();
    const std::size_t n = s.stops.size();
    if (n == 0) {
        return 0;
    }
    std::span<const ControlTemplate> form = FormTemplate();
    const ControlTemplate* t = FindControl(from);
    // Where the walk starts: the stop the control belongs to, or, for a control between stops,
    // just before the stop after it (forward) or at it (backward).
    std::size_t at = 0;
    bool between = false;
    if (t) {
        auto index = static_cast<std::size_t>(t - form.data());
        if (s.stopOf[index] != kNoStop) {
            at = s.stopOf[index];
        } else {
            at = s.stopAtOrAfter[index] % n;
            between = true;
        }
    } else {
        at = forward ? n - 1 : 0;
    }
    for (std::size_t step = 0; step < n; ++step) {
        std::size_t k = 0;
        if (forward) {
            k = between ? (at + step) % n : (at + 1 + step) % n;
        } else {
            k = (at + n - 1 - step) % n;
        }
        if (int id = TargetOf(controls, s.stops[k]); id != 0) {
            return id;
        }
    }
    return 0;
}

}  // namespace ferdix
