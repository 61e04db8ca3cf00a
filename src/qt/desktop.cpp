#include "qt/desktop.h"

#include <QApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QWindow>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <thread>

#include "app/ferdix_app.h"
#include "base/clock.h"
#include "qt/app_style.h"
#include "qt/dialogs.h"
#include "qt/embedded_icons.h"
#include "qt/main_frame.h"
#include "qt/print_loader.h"
#include "qt/print_service.h"
#include "qt/printer_dialogs.h"
#include "qt/qt_text.h"
#include "qt/startup_marks.h"
#include "rates/program_settings.h"

namespace ferdix {

namespace {

// With FERDIX_EXIT_AFTER_SHOW set, the program prints the wall-clock time (nanoseconds since
// the epoch) at which its window was first exposed, and ends: for measuring the start-up.
class CExitAfterShow final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            StartupMark("exposed");
            auto now = std::chrono::system_clock::now().time_since_epoch();
            std::cout << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                      << std::endl;
            QCoreApplication::exit(0);
        }
        return false;
    }
};

}  // namespace

std::string CommandLinePath(int argc, const char* const* argv) {
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            path += ' ';
        }
        path += argv[i];
    }
    return path;
}

bool HasDisplay(int argc, char** argv) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return true;
        }
    }
    return false;
}

int RunDesktop(int argc, char** argv, const DesktopTestHooks* hooks) {
    StartupMark("main");
    if (!HasDisplay(argc, argv)) {
        std::cerr << "ferdix: ingen skjerm (DISPLAY er ikke satt); start med "
                     "'xvfb-run ferdix' eller 'ferdix -platform vnc'\n";
        return 1;
    }
    // The name the program was started by, before Qt reads the arguments: a link named
    // "ferdixn" starts it in nynorsk.
    std::string invokedAs = argc > 0 && argv[0] ? argv[0] : "";
    QApplication app(argc, argv);
    // Qt's accessibility bridge, made when the first widget is shown, waits for the session
    // bus (where there is none, until one is started): connected meanwhile on a thread of its
    // own, it no longer holds up the building of the window.
    std::jthread sessionBus([] { QDBusConnection::sessionBus(); });
    StartupMark("qapplication");
    QApplication::setStyle(new CAppStyle(QApplication::style()->name()));
    QApplication::setApplicationName(QStringLiteral("Ferdix"));
    QApplication::setOrganizationName(QStringLiteral("Tovrand"));
    QGuiApplication::setDesktopFileName(QStringLiteral("no.tovrand.Ferdix"));
    QApplication::setWindowIcon(
        EmbeddedIcon({"ferdix-16", "ferdix-32", "ferdix-48", "ferdix-64", "ferdix-128"}));

    StartupMark("icon");
    SystemClock clock;
    CQtDialogs dialogs;
    std::unique_ptr<IDialogs> testAnswers =
        hooks && hooks->wrapDialogs ? hooks->wrapDialogs(dialogs) : nullptr;
    IDialogs& asked = testAnswers ? *testAnswers : static_cast<IDialogs&>(dialogs);
    CPrintService printing(asked, [](IDialogs& d) { return LoadPrinterDialogs(d); });
    CMainFrame frame(clock, asked);
    StartupMark("mainframe");
    frame.PlaceOnScreen();
    // QApplication has taken its own options (-platform ...) out of argv.
    StartupArgs args{ExecutablePath(), CommandLinePath(argc, argv), UserConfigDir(), invokedAs};
    frame.App().SetSystemConfigDirs(SystemConfigDirs());
    if (!frame.Start(args)) {
        std::cerr << "ferdix: oppstarten mislyktes\n";
        return 1;
    }
    StartupMark("start");
    ConnectPrintService(frame, printing);
    CExitAfterShow exitAfterShow;
    bool measuring = std::getenv("FERDIX_EXIT_AFTER_SHOW") != nullptr;
    if (measuring) {
        frame.winId();  // the native window exists before it is shown, to watch its first expose
        frame.windowHandle()->installEventFilter(&exitAfterShow);
    }
    frame.show();
    StartupMark("show");
    if (hooks && hooks->afterShow) {
        hooks->afterShow(frame);
    }
    return QApplication::exec();
}

}  // namespace ferdix
