#include "qt/pdf_command.h"

#include <sys/stat.h>

#include <QGuiApplication>
#include <cstdio>

#include "base/clock.h"
#include "base/cp1252.h"
#include "base/user_locale.h"
#include "claim/rate_messages.h"
#include "qt/print_service.h"
#include "qt/qt_surface.h"
#include "rates/program_settings.h"

namespace ferdix {

namespace {

// Qt's own notes (a missing runtime folder, say) are no business of the command's user.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    }
}

}  // namespace

int RunPdfCommand(const char* programName, const PdfArguments& args, std::ostream& err) {
    // Fonts and the PDF writer need the GUI library, but no window: the offscreen platform
    // works with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    int argc = 1;
    char* argv[] = {const_cast<char*>(programName), nullptr};
    QGuiApplication app(argc, argv);

    // As the program would start: the settings and rate files in their lookup order, the written
    // standard from the settings or the program's name, unless the command names one.
    FileLocations files = LocateProgramFiles();
    // The name it was started by decides, as in the window: a link named "ferdixn" prints
    // nynorsk, while the files lie beside the program the link points to.
    std::string invokedAs = programName && *programName ? programName : ExecutablePath();
    UserLocale locale = DecideStartLocale(files, invokedAs);
    if (args.writtenStandard != 0) {
        locale.standard = args.writtenStandard;
    }

    // Only a regular file is replaced by the finished PDF: a FIFO or a device in its place
    // would take the bytes, or keep the command waiting, instead.
    struct stat target {};
    if (::stat(args.output.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) {
        return Fail(err, "«"_cp, args.output,
                    "» er ikke en vanlig fil; PDF-filen skrives bare til en vanlig fil."_cp);
    }

    HeadlessHost host(err);
    // What the window would say at start-up about the rate files goes to stderr.
    if (std::string notice =
            ConfigurationNoticeText(locale.standard, LoadFerdixIni(files), LoadLandIni(files));
        !notice.empty()) {
        host.ShowMessage(ConfigurationNotice(std::move(notice)));
    }
    SystemClock clock;
    CFerdixDoc doc(locale, clock, &files);
    doc.SetHost(&host);
    int rc = ReadClaimForCommand(args.claim, doc, err);
    if (rc == kExitFailed) {
        return rc;
    }
    if (QStringList missing = MissingPrintFaces(); !missing.isEmpty()) {
        return Fail(err, MissingFacesText(missing), "", "");
    }
    // No form: the written-date field is empty, so today's date prints.
    PrintSource source{&doc, locale.standard, std::string()};
    RenderResult result = WritePdfFile(args.output, source);
    if (!result.ok) {
        if (result.error.empty()) {
            return kExitFailed;  // the print run has said why
        }
        return Fail(err, "Kan ikke skrive PDF-filen «"_cp, args.output,
                    std::string("» ("_cp) + result.error + ").");
    }
    return rc;
}

}  // namespace ferdix
