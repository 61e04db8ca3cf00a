// Loads the print dialogs from the print module beside the desktop module (ferdix_print.so).
#pragma once

#include <memory>
#include <string>

namespace ferdix {

class IDialogs;
class IPrinterDialogs;

// The print module beside the module (or program) this code is part of.
std::string PrintModulePath();
// Null, and said why on stderr, when the module cannot be loaded. The module stays loaded for
// the rest of the run.
std::unique_ptr<IPrinterDialogs> LoadPrinterDialogs(IDialogs& dialogs,
                                                    const std::string& module = PrintModulePath());

}  // namespace ferdix
