// The entry points of the desktop module (ferdix_desktop.so): the window and `ferdix --pdf`,
// which need Qt. The program loads it beside itself only for these, so that `ferdix --json`
// and `--help` start without loading Qt's libraries (some 25 ms of every run).
#include <iostream>

#include "qt/desktop.h"
#include "qt/pdf_command.h"

extern "C" {

__attribute__((visibility("default"))) int FerdixRunDesktop(int argc, char** argv) {
    return ferdix::RunDesktop(argc, argv);
}

__attribute__((visibility("default"))) int FerdixRunPdf(const char* programName,
                                                        const ferdix::PdfArguments* args) {
    return ferdix::RunPdfCommand(programName, *args, std::cerr);
}
}
