// The desktop program: start-up and the window's message loop.
#pragma once

#include <QStringList>
#include <string>

namespace ferdix {

// The claim path of the command line: the arguments after the program's name, joined by
// blanks as the original took its whole command-line text; empty without any.
std::string CommandLinePath(const QStringList& arguments);

// True when Qt can find a display for its windows (or is told which platform to use).
bool HasDisplay(int argc, char** argv);

int RunDesktop(int argc, char** argv);

}  // namespace ferdix
