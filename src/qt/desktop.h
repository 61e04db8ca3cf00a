// The desktop program: start-up and the window's message loop.
#pragma once

#include <QStringList>
#include <memory>
#include <string>

namespace ferdix {

class CMainFrame;
class IDialogs;

// What only the tests' build of the desktop module passes in (src/qt/test_hooks.h).
struct DesktopTestHooks {
    // Null, or dialogs that answer in place of the real ones.
    std::unique_ptr<IDialogs> (*wrapDialogs)(IDialogs& real) = nullptr;
    // Once the window is shown.
    void (*afterShow)(CMainFrame& frame) = nullptr;
};

// The claim path of the command line: the arguments after the program's name (and after Qt
// took its own), joined by blanks as the Windows program took its whole command-line text; empty
// without any. Their bytes as given, so that a name that is not UTF-8 is still found.
std::string CommandLinePath(int argc, const char* const* argv);

// True when Qt can find a display for its windows (or is told which platform to use).
bool HasDisplay(int argc, char** argv);

int RunDesktop(int argc, char** argv, const DesktopTestHooks* hooks = nullptr);

}  // namespace ferdix
