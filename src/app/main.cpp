#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/headless.h"
#include "base/version.h"
#if FERDIX_WITH_QT
#include <dlfcn.h>

#include "rates/program_settings.h"
#endif

namespace {

#if FERDIX_WITH_QT
// The window and --pdf lie in ferdix_desktop.so beside the program, loaded only for them: the
// program itself links no Qt, so --json and --help start without loading it. Null (and said
// why on stderr) when the module cannot be loaded.
void* DesktopEntry(const char* name) {
    std::string module = ferdix::ProgramDirOf(ferdix::ExecutablePath()) + "ferdix_desktop.so";
    void* handle = dlopen(module.c_str(), RTLD_LAZY | RTLD_LOCAL);
    void* entry = handle ? dlsym(handle, name) : nullptr;
    if (!entry) {
        const char* why = dlerror();
        std::cerr << "ferdix: kan ikke laste skrivebordsdelen (" << (why ? why : module.c_str())
                  << ")\n";
    }
    return entry;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << "Bruk: ferdix [REISEREGNING.tur]\n"
                     "      ferdix --json REISEREGNING.tur\n"
                     "      ferdix --pdf UT.pdf [--bokmal | --nynorsk] REISEREGNING.tur\n"
                     "\n"
                     "  --json  skriver reiseregningen som JSON på standard ut\n"
                     "  --pdf   skriver det utfylte skjemaet til en PDF-fil, uten skjerm, på\n"
                     "          programmets målform (startet som ferdixn: nynorsk) om ikke\n"
                     "          --bokmal eller --nynorsk er gitt\n";
        return 0;
    }
    // Before any window: the JSON and PDF commands run without a display.
    if (argc > 1 && std::strcmp(argv[1], "--json") == 0) {
        if (argc != 3) {
            std::cerr << "Bruk: ferdix --json REISEREGNING.tur\n";
            return 2;
        }
        return ferdix::RunJsonCommand(argv[2], std::cout, std::cerr);
    }
    if (argc > 1 && std::strcmp(argv[1], "--pdf") == 0) {
        std::vector<std::string> args(argv + 2, argv + argc);
        std::optional<ferdix::PdfArguments> parsed = ferdix::ParsePdfArguments(args);
        if (!parsed) {
            std::cerr << ferdix::kPdfUsage << '\n';
            return 2;
        }
#if FERDIX_WITH_QT
        using RunPdf = int (*)(const char*, const ferdix::PdfArguments*);
        auto run = reinterpret_cast<RunPdf>(DesktopEntry("FerdixRunPdf"));
        return run ? run(argv[0], &*parsed) : 1;
#else
        std::cerr << "ferdix: --pdf trenger skrivebordsprogrammet (bygd uten Qt)\n";
        return 2;
#endif
    }
#if FERDIX_WITH_QT
    using RunDesktop = int (*)(int, char**);
    auto run = reinterpret_cast<RunDesktop>(DesktopEntry("FerdixRunDesktop"));
    return run ? run(argc, argv) : 1;
#else
    std::cout << "Ferdix versjon " << ferdix::VersionText() << " (bygd uten skrivebordsprogram)\n";
    return 0;
#endif
}
