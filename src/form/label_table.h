// Labels in both written standards: the form's labels, the print variants of the traveller
// block, and the order in which the form relabels itself.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ferdix {

enum class LabelVariant { Form, Print };

// The label of a control in a written standard (nynorsk for 2, bokmål otherwise). Without a
// nynorsk text the bokmål one is used; an id without an entry in the variant's table gives the
// string resource of the same id, or an empty text.
std::string GetLabelText(int id, LabelVariant variant, int writtenStandard);

// One step of relabelling the form: the control `id` gets `Text(standard)`. Most steps take the
// form label; a step with texts of its own (the service-trip radio) uses them instead.
struct RelabelStep {
    int id;
    std::string_view bokmal;   // Windows-1252; empty for a label-table step
    std::string_view nynorsk;  // Windows-1252

    std::string Text(int standard) const;
};

// The steps in the order the form carries them out; some ids occur twice.
std::span<const RelabelStep> RelabelOrder();

}  // namespace ferdix
