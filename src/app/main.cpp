#include <cstring>
#include <iostream>

#include "app/version.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << "Bruk: ferdix [REISEREGNING.tur]\n";
        return 0;
    }
    std::cout << "Ferdix versjon " << ferdix::VersionText() << "\n";
    return 0;
}
