// The entry points of the desktop module (ferdix_desktop.so): the window and `ferdix --pdf`,
// which need Qt. The program loads it beside itself only for these, so that `ferdix --json`
// and `--help` start without loading Qt's libraries (some 25 ms of every run).
#include <iostream>

#include "qt/desktop.h"
#include "qt/pdf_command.h"
#if FERDIX_TEST_HOOKS
#include "qt/test_hooks.h"
#endif

extern "C" {

__attribute__((visibility("default"))) int FerdixRunDesktop(int argc, char** argv) {
#if FERDIX_TEST_HOOKS
    static const ferdix::DesktopTestHooks hooks{
        [](ferdix::IDialogs& real) -> std::unique_ptr<ferdix::IDialogs> {
            return ferdix::TestAnswersFromEnvironment(real);
        },
        ferdix::RunTestScriptFromEnvironment};
    return ferdix::RunDesktop(argc, argv, &hooks);
#else
    return ferdix::RunDesktop(argc, argv);
#endif
}

__attribute__((visibility("default"))) int FerdixRunPdf(const char* programName,
                                                        const ferdix::PdfArguments* args) {
    return ferdix::RunPdfCommand(programName, *args, std::cerr);
}
}
