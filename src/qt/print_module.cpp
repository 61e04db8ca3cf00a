// The entry point of the print module (ferdix_print.so): the print dialog, the preview and the
// page set-up, which alone need Qt Print Support. The desktop module loads it beside itself
// on the first of them (print_loader.h).
#include "qt/printer_dialogs.h"

extern "C" {

// Owned by the caller, which deletes it through its virtual destructor.
__attribute__((visibility("default"))) ferdix::IPrinterDialogs* FerdixMakePrinterDialogs(
    ferdix::IDialogs* dialogs) {
    return ferdix::MakePrinterDialogs(*dialogs).release();
}
}
