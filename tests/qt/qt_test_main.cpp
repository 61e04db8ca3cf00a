// One suite per run: `ferdix_qt_tests SUITE [Qt Test options]`. The process gets a home of its
// own before Qt starts; each test then makes its own again.
#include <QApplication>
#include <QTemporaryDir>
#include <cstring>
#include <iostream>

#include "qt_suites.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: ferdix_qt_tests SUITE [options]\n";
        return 2;
    }
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    std::string suite = argv[1];
    // Qt Test sees the program name and the options after the suite.
    argv[1] = argv[0];
    int testArgc = argc - 1;
    char** testArgv = argv + 1;
    QApplication app(testArgc, testArgv);
    for (const ferdix::test::Suite& s : ferdix::test::Suites()) {
        if (suite == s.name) {
            return s.run(testArgc, testArgv);
        }
    }
    std::cerr << "no suite " << suite << "\n";
    return 2;
}
