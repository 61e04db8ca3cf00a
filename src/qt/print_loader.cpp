#include "qt/print_loader.h"

#include <dlfcn.h>

#include <iostream>

#include "qt/printer_dialogs.h"

namespace ferdix {

std::string PrintModulePath() {
    Dl_info self{};
    if (dladdr(reinterpret_cast<void*>(&PrintModulePath), &self) == 0 || !self.dli_fname) {
        return "ferdix_print.so";
    }
    std::string path = self.dli_fname;
    std::string::size_type slash = path.rfind('/');
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
           "ferdix_print.so";
}

std::unique_ptr<IPrinterDialogs> LoadPrinterDialogs(IDialogs& dialogs, const std::string& module) {
    using Make = IPrinterDialogs* (*)(IDialogs*);
    void* handle = dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    void* entry = handle ? dlsym(handle, "FerdixMakePrinterDialogs") : nullptr;
    if (!entry) {
        const char* why = dlerror();
        std::cerr << "ferdix: kan ikke laste utskriftsdelen (" << (why ? why : module.c_str())
                  << ")\n";
        return nullptr;
    }
    return std::unique_ptr<IPrinterDialogs>(reinterpret_cast<Make>(entry)(&dialogs));
}

}  // namespace ferdix
