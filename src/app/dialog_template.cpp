#include "app/dialog_template.h"

namespace ferdix {

const DialogControl* FindDialogControl(const DialogTemplate& dialog, int id) {
    for (const DialogControl& c : dialog.controls) {
        if (c.id == id && id != kNoControlId) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace ferdix
