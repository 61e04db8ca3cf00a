// Where Tab and Shift+Tab go on the form: the tab stops in reading order, group by group. A
// radio group is one stop, as on every desktop: Tab enters it at its checked button and leaves
// it from any of its buttons for the field after the group.
#pragma once

#include <span>
#include <vector>

#include "form/form_controls.h"

namespace ferdix {

struct TabStop {
    std::vector<int> ids;  // one control, or every button of a radio group
};

// Every stop of the form in reading order (the template's order).
std::span<const TabStop> FormTabStops();

// The control that Tab (forward) or Shift+Tab from `from` gives the focus: the next stop that
// can take it, wrapping round the form. A control that is no stop of its own (a computed
// amount one clicked into) counts by its place in the template; 0 when nothing can take it.
int NextTabStop(const IFormControls& controls, int from, bool forward);

}  // namespace ferdix
