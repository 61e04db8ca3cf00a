#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/headless.h"
#include "base/version.h"
#if FERDIX_WITH_QT
#include "qt/desktop.h"
#include "qt/pdf_command.h"
#endif

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
        return ferdix::RunPdfCommand(argv[0], *parsed, std::cerr);
#else
        std::cerr << "ferdix: --pdf trenger skrivebordsprogrammet (bygd uten Qt)\n";
        return 2;
#endif
    }
#if FERDIX_WITH_QT
    return ferdix::RunDesktop(argc, argv);
#else
    std::cout << "Ferdix versjon " << ferdix::VersionText() << " (bygd uten skrivebordsprogram)\n";
    return 0;
#endif
}
