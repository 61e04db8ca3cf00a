// A whole form without a display: configuration files in a temporary folder, the claim document,
// the in-memory controls and the form view wired together as the program wires them.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>

#include "base/cp1252.h"
#include "claim/ferdix_doc.h"
#include "form/ferdix_view.h"
#include "form/form_template.h"
#include "rates/program_settings.h"
#include "support/fake_host.h"
#include "support/memory_controls.h"
#include "support/temp_folder.h"

namespace ferdix::test {

// Rates chosen so that every rate field gets a distinct value.
inline std::string TestFerdixIni() {
    return std::string(
        "[Informasjon]\r\n"
        "SatserGyldigFra=01.03.2010\r\n"
        "[Satser]\r\n"
        "Admin godtgjøring=60\r\n"
        "Kost innenlands, under 5timer=155\r\n"
        "Kost innenlands, 5-9timer=175\r\n"
        "Kost innenlands, 9-12timer=270\r\n"
        "Kost innenlands, >12timer=445\r\n"
        "Kost utenlands, 6-12timer=300\r\n"
        "Kost utenlands, >12timer=450\r\n"
        "Kost ved overnatting innenlands, 8-12timer=500\r\n"
        "Kost ved overnatting innenlands, >12timer=580\r\n"
        "Kost ved overnatting utenlands=600\r\n"
        "Kost ved overnatting innlands ulegitimert=400\r\n"
        "Innland overnatting hotell=700\r\n"
        "Kost ved overnatting utenlands ulegitimert=350\r\n"
        "Bil under 9000km=3,65\r\n"
        "Bil over 9000km=3,00\r\n"
        "Hjem-arbeid skattepliktig=1,50\r\n"
        "Passasjertillegg=0,90\r\n"
        "Annet=1,25\r\n"
        "Kost - opphold over 28 døgn=210\r\n"
        "Nattillegg - opphold over 28 døgn=95\r\n"
        "Frokost=0\r\n"
        "Lunsj=175\r\n"
        "Middag=222,50\r\n"
        "Admin godtgjøring utenlands=80\r\n"_cp);
}

inline std::string TestLandIni() {
    return std::string(
        "[Informasjon]\r\n"
        "SatserGyldigFra=01.01.2011\r\n"
        "[Land]\r\n"
        "Kenya=300#580\r\n"
        "Sverige=450#600\r\n"
        "Østerrike=410#601\r\n"
        "UK=1#1\r\n"_cp);
}

class FakeViewHost : public IViewHost {
  public:
    std::optional<std::uint32_t> AskKmSoFar(std::uint32_t current) override {
        asked.push_back(current);
        if (answers.empty())
            return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::uint32_t>> answers;
    std::vector<std::uint32_t> asked;
};

class FormFixture : public ::testing::Test {
  protected:
    FormFixture()
        : files(MakeFiles(dir)),
          doc(locale, clock, &files),
          controls(FormTemplate()),
          view(doc, controls, &viewHost) {
        controls.SetEvents(&view);
        doc.SetHost(&host);
        doc.SetView(&view);
        doc.OnNewDocument();
    }

    static FileLocations MakeFiles(const TempFolder& folder) {
        WriteFile(folder.File("ferdix.ini"), TestFerdixIni());
        WriteFile(folder.File("land.ini"), TestLandIni());
        FileLocations f;
        f.programDir = folder.File("");
        f.ferdixIni = folder.File("ferdix.ini");
        f.landIni = folder.File("land.ini");
        f.profile = folder.File("reisende.ini");
        f.userConfigDir = folder.File("");
        return f;
    }

    // The text a field shows, as UTF-8 for readable failures.
    std::string Text(int id) const { return Cp1252ToUtf8(controls.GetText(id)); }
    void TypeAndLeave(int id, std::string_view utf8) {
        ASSERT_TRUE(controls.Type(id, Utf8ToCp1252(utf8))) << id;
        controls.Leave(id);
    }

    TempFolder dir;
    FixedClock clock{CivilTime{2026, 12, 8, 9, 30, 0}};
    FakeHost host;
    FakeViewHost viewHost;
    FileLocations files;
    // The run's, as the application owns it.
    UserLocale locale;
    CFerdixDoc doc;
    MemoryControls controls;
    CFerdixView view;
};

}  // namespace ferdix::test
