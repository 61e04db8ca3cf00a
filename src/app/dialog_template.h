// A small dialog as data: its title, size and controls in dialog units, as the Qt layer builds
// it. Texts are Windows-1252.
#pragma once

#include <span>
#include <string_view>

#include "form/form_template.h"

namespace ferdix {

enum class DialogControlKind {
    Static,
    Edit,
    ListBox,  // shows the items in the order the dialog's model gives them
    PushButton,
    DefaultButton,  // pressed by Enter
    Icon,           // the program's icon, at its own size
};

struct DialogControl {
    int id;  // kNoControlId for a control that is never addressed
    DialogControlKind kind;
    std::string_view text;
    DialogRect rect;
    bool hidden = false;
};

struct DialogTemplate {
    int resourceId;
    std::string_view title;
    int cx, cy;
    // Where the dialog opens relative to its owner; centred over it when !hasPosition.
    bool hasPosition;
    int x, y;
    std::span<const DialogControl> controls;  // in tab order
};

// The control with the id, or null.
const DialogControl* FindDialogControl(const DialogTemplate& dialog, int id);

enum class DialogResult { Ok, Cancel };

}  // namespace ferdix
