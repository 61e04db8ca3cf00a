// Which labels name which control, so that a screen reader names every field, list and button
// of the form by the texts a sighted user reads beside it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "form/form_template.h"

namespace ferdix {

// The template entries whose texts make up the name of control `id`, in reading order: for a
// field of the allowance grid the block, the row label and the column head; for other fields
// the label run beside them (or above them, or the frame's title); for buttons their own text.
// Empty for static texts, frames and unknown ids.
std::vector<const ControlTemplate*> NamingControls(int id);

// One name from label texts: a hyphen at a line end joins the word, a slash at a line end joins
// the next line, other line ends become blanks, and the parts are separated by ", ".
std::string JoinNameParts(std::span<const std::string> parts);

// The text a label shows in the given written standard once the form is relabelled.
std::string LabelTextInForce(const ControlTemplate& label, int standard);

// The name of control `id` in the given written standard; Windows-1252.
std::string AccessibleName(int id, int standard);

}  // namespace ferdix
