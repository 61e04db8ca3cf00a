// The baseline of the start-up figures: an empty Qt Widgets main window with a status bar,
// shown, ended as Ferdix is when FERDIX_EXIT_AFTER_SHOW is set.
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

// The marks of bench/startup_phases.sh, as in src/qt/startup_marks.h.
void StartupMark([[maybe_unused]] const char* phase) {
#ifdef FERDIX_STARTUP_MARKS
    auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "phase %s %lld\n", phase,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
#endif
}

class ExitAfterShow final : public QObject {
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

int main(int argc, char** argv) {
    StartupMark("main");
    QApplication app(argc, argv);
    StartupMark("qapplication");
    QMainWindow window;
    window.statusBar()->showMessage(QStringLiteral("Klar"));
    window.resize(640, 740);
    ExitAfterShow exitAfterShow;
    if (std::getenv("FERDIX_EXIT_AFTER_SHOW")) {
        window.winId();
        window.windowHandle()->installEventFilter(&exitAfterShow);
    }
    StartupMark("mainframe");
    window.show();
    StartupMark("show");
    return QApplication::exec();
}
