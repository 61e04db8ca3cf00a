// The whole program without a display: the shell over in-memory controls, a recording host and
// a recording platform, with ferdix.ini and land.ini beside a program in a temporary folder.
// Tests write other configuration first and then call Start.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/ferdix_app.h"
#include "base/cp1252.h"
#include "form/control_ids.h"
#include "form/form_template.h"
#include "support/fake_host.h"
#include "support/fake_shell_platform.h"
#include "support/form_fixture.h"
#include "support/manual_tick_clock.h"
#include "support/memory_controls.h"
#include "support/temp_folder.h"

namespace ferdix::test {

class ShellFixture : public ::testing::Test {
  protected:
    ShellFixture() : controls(FormTemplate()), app(host, platform, controls, clock, &ticks) {
        controls.SetEvents(&app.FormEvents());
        platform.queryClose = [this] { return app.QueryClose(); };
        WriteFile(dir.File("ferdix.ini"), TestFerdixIni());
        WriteFile(dir.File("land.ini"), TestLandIni());
    }

    bool Start(const std::string& commandLine = "", const std::string& program = "ferdix") {
        if (!app.InitInstance({dir.File(program), commandLine, dir.File("config"), ""})) {
            return false;
        }
        doc = app.Document();
        return doc != nullptr;
    }

    // A claim file that differs from a new claim.
    std::string SavedClaim(const std::string& name) {
        std::string path = dir.File(name);
        WriteFile(path, ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur"));
        return path;
    }
    void Modify() {
        ASSERT_TRUE(controls.Type(kIdDayDomesticOver12hCount, std::to_string(++edits)));
        ASSERT_TRUE(doc->IsModified());
    }
    std::string Text(int id) const { return Cp1252ToUtf8(controls.GetText(id)); }

    TempFolder dir;
    FixedClock clock{CivilTime{2026, 12, 8, 9, 30, 0}};
    FakeHost host;
    ManualTickClock ticks;
    FakeShellPlatform platform;
    MemoryControls controls;
    CFerdixApp app;
    CFerdixDoc* doc = nullptr;
    int edits = 0;
};

}  // namespace ferdix::test
