#include "qt/desktop.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "base/clock.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "qt/dialogs.h"
#include "qt/main_frame.h"
#include "qt/qt_text.h"
#include "rates/program_settings.h"

namespace ferdix {

std::string CommandLinePath(const QStringList& arguments) {
    return PathFromQString(arguments.mid(1).join(QLatin1Char(' ')));
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

int RunDesktop(int argc, char** argv) {
    if (!HasDisplay(argc, argv)) {
        std::cerr << "ferdix: ingen skjerm (DISPLAY er ikke satt); start med "
                     "'xvfb-run ferdix' eller 'ferdix -platform vnc'\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ferdix"));

    FileLocations files = LocateProgramFiles();
    ProgramSettings settings;
    ReadFolderSettings(files, settings);
    SetWrittenStandardValue(DecideStartWrittenStandard(files, ExecutablePath()));
    SetDateOrder(DecideDateOrder(files));

    SystemClock clock;
    CQtDialogs dialogs;
    CMainFrame frame(clock, &files, settings, dialogs);
    frame.PlaceOnScreen();
    frame.StartWith(CommandLinePath(QApplication::arguments()));
    frame.show();
    return QApplication::exec();
}

}  // namespace ferdix
