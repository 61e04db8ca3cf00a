#pragma once

#include <span>

namespace ferdix::test {

struct Suite {
    const char* name;
    int (*run)(int argc, char** argv);
};

int RunFormWidgetTests(int argc, char** argv);
int RunMainFrameTests(int argc, char** argv);
int RunQtTextTests(int argc, char** argv);
int RunPrintTests(int argc, char** argv);
int RunRecoveryTests(int argc, char** argv);
int RunQtTranslationTests(int argc, char** argv);
int RunAccessibilityTests(int argc, char** argv);

inline std::span<const Suite> Suites() {
    static const Suite suites[] = {
        {"FormWidget", RunFormWidgetTests},
        {"MainFrame", RunMainFrameTests},
        {"QtText", RunQtTextTests},
        {"Print", RunPrintTests},
        {"Recovery", RunRecoveryTests},
        {"QtTranslation", RunQtTranslationTests},
        {"Accessibility", RunAccessibilityTests},
    };
    return suites;
}

}  // namespace ferdix::test
