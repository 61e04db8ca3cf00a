#include <cstring>
#include <iostream>

#include "app/headless.h"
#include "base/version.h"
#if FERDIX_WITH_QT
#include "qt/desktop.h"
#endif

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << "Bruk: ferdix [REISEREGNING.tur]\n"
                     "      ferdix --json REISEREGNING.tur\n";
        return 0;
    }
    // Before any window: the JSON command runs without a display.
    if (argc > 1 && std::strcmp(argv[1], "--json") == 0) {
        if (argc != 3) {
            std::cerr << "Bruk: ferdix --json REISEREGNING.tur\n";
            return 2;
        }
        return ferdix::RunJsonCommand(argv[2], std::cout, std::cerr);
    }
#if FERDIX_WITH_QT
    return ferdix::RunDesktop(argc, argv);
#else
    std::cout << "Ferdix versjon " << ferdix::VersionText() << " (bygd uten skrivebordsprogram)\n";
    return 0;
#endif
}
