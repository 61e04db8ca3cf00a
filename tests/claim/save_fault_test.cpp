// Saving through the real file system when it refuses: the claim stays modified, the user is
// told, and neither the claim file nor the profile nor ferdix.ini is ever left half written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/clock.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "claim/claim_file.h"
#include "claim/ferdix_doc.h"
#include "rates/program_settings.h"
#include "support/fake_host.h"
#include "support/small_disk.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

const CivilTime kToday{2006, 3, 14, 9, 0, 0};

// A claim of `lines` travel and outlay lines; `mark` makes its text differ from another's.
void FillClaim(CFerdixDoc& doc, int lines, const std::string& mark) {
    doc.SetPersonId("010203-12345");
    doc.ChangeTraveller(&CTraveller::SetName, "Kari Nordmann");
    doc.SetRemarks("Merknad " + mark);
    for (int i = 0; i < lines; ++i) {
        auto travel = std::make_unique<CTravelLine>();
        travel->SetDate("05.03.06", DateOrder::DayFirst);
        travel->SetStartTime("07:30");
        travel->SetText("Oslo " + std::to_string(i));
        travel->SetTo("Bergen " + mark);
        travel->SetTransport("Fly");
        travel->SetAmount(static_cast<float>(i) + 0.5f);
        doc.AddTravelLine(std::move(travel));
        auto outlay = std::make_unique<CExpenseLine>();
        outlay->SetDate("05.03.06", DateOrder::DayFirst);
        outlay->SetText("Hotell " + std::to_string(i) + " " + mark);
        outlay->SetAmount(1000.25f);
        doc.AddOutlayLine(std::move(outlay));
    }
}

std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

class SaveFaultTest : public ::testing::Test {
  protected:
    SaveFaultTest()
        : files(LocateFiles(dir.File("bin/ferdix"), dir.File("config/ferdix"))),
          doc(clock, &files) {
        doc.SetHost(&host);
        fs::create_directories(dir.Path() / "claims");
        fs::create_directories(dir.Path() / "bin");
    }
    ~SaveFaultTest() override {
        // Read-only folders must not keep the temporary folder from going.
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path())) {
            if (entry.is_directory()) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
            }
        }
    }

    std::string Claim(const std::string& name) { return dir.File("claims/" + name); }
    bool ToldToSaveAs() const {
        return !host.messages.empty() && host.messages.back().caption == "Feil ved lagring" &&
               host.messages.back().text == "Vennligst bruk 'Lagre som'";
    }

    test::TempFolder dir;
    FixedClock clock{kToday};
    FileLocations files;
    test::FakeHost host;
    CFerdixDoc doc;
};

struct RefusalCase {
    const char* name;
    // Makes the target refuse a save; the bytes the target holds before, if any.
    std::function<void(const std::string& target, const fs::path& folder)> refuse;
};

const RefusalCase kRefusals[] = {
    {"read-only file",
     [](const std::string& target, const fs::path&) {
         test::WriteFile(target, "old claim");
         ::chmod(target.c_str(), 0444);
     }},
    {"read-only folder",
     [](const std::string& target, const fs::path& folder) {
         test::WriteFile(target, "old claim");
         ::chmod(folder.c_str(), 0555);
     }},
    {"folder in the file's place",
     [](const std::string& target, const fs::path&) { fs::create_directory(target); }},
    {"folder gone", [](const std::string&, const fs::path& folder) { fs::remove_all(folder); }},
};

TEST_F(SaveFaultTest, RefusedSaveAsKeepsTheClaimModifiedAndTheOldFile) {
    FillClaim(doc, 3, "ny");
    for (const RefusalCase& refusal : kRefusals) {
        SCOPED_TRACE(refusal.name);
        fs::path folder = dir.Path() / "claims" / refusal.name;
        fs::create_directories(folder);
        std::string target = (folder / "reise.tur").string();
        refusal.refuse(target, folder);
        std::string before = fs::is_regular_file(target) ? test::ReadFile(target) : "";
        doc.SetModified(true);
        host.messages.clear();

        host.paths.push_back(target);
        doc.OnFileSaveAs();
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(ToldToSaveAs());
        if (!before.empty()) {
            EXPECT_EQ(test::ReadFile(target), before);
        }
        if (fs::is_directory(folder)) {
            EXPECT_LE(Names(folder).size(), 1u);  // the old file or folder, nothing beside it
        }
        fs::permissions(folder.parent_path(), fs::perms::owner_all, fs::perm_options::add);
        if (fs::exists(folder)) {
            fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        }
    }
}

TEST_F(SaveFaultTest, SaveToTheOpenedFileThatBecameReadOnlyKeepsTheClaimModified) {
    std::string path = Claim("reise.tur");
    FillClaim(doc, 2, "en");
    host.paths.push_back(path);
    doc.OnFileSaveAs();
    ASSERT_FALSE(doc.IsModified());
    std::string saved = test::ReadFile(path);

    ::chmod(path.c_str(), 0444);
    doc.SetRemarks("endret");
    ASSERT_TRUE(doc.IsModified());
    doc.OnFileSave();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(ToldToSaveAs());
    EXPECT_EQ(test::ReadFile(path), saved);
}

TEST_F(SaveFaultTest, FullDiskKeepsTheOldClaimAndTheClaimModified) {
    test::SmallDisk disk(64 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Reason();
    }
    std::string path = disk.File("reise.tur");
    FillClaim(doc, 50, "liten");
    ASSERT_TRUE(doc.SaveClaimToFile(path));
    std::string saved = test::ReadFile(path);
    ASSERT_GT(saved.size(), 5000u);

    FillClaim(doc, 600, "stor");  // far more than the disk has left
    ASSERT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.SaveClaimToFile(path));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(ToldToSaveAs());
    EXPECT_EQ(test::ReadFile(path), saved);
    EXPECT_EQ(Names(disk.Path()), std::vector<std::string>{"reise.tur"});
}

TEST_F(SaveFaultTest, ClosingWithYesOnAFullDiskKeepsTheClaimOpen) {
    test::SmallDisk disk(64 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Reason();
    }
    std::string path = disk.File("reise.tur");
    FillClaim(doc, 50, "liten");
    ASSERT_TRUE(doc.SaveClaimToFile(path));
    std::string saved = test::ReadFile(path);
    doc.SetPathName(path);  // as the recent-file list opens it
    FillClaim(doc, 600, "stor");

    host.answers.push_back(MsgAnswer::Yes);
    // The caller must not close the window: the claim exists nowhere else.
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(ToldToSaveAs());
    EXPECT_EQ(test::ReadFile(path), saved);

    // Yes again, and the file named instead lies in a read-only folder: the same.
    fs::path locked = dir.Path() / "claims" / "låst";
    fs::create_directories(locked);
    ::chmod(locked.c_str(), 0555);
    doc.SetPathName((locked / "reise.tur").string());
    host.answers.push_back(MsgAnswer::Yes);
    host.paths.push_back((locked / "annen.tur").string());
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(Names(locked).empty());
}

// The profile holds other travellers too; a failed write must leave every byte of them.
class ProfileFaultTest : public SaveFaultTest {
  protected:
    std::string OtherTravellers(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "[0101" + std::to_string(10 + i % 80) + " " + std::to_string(10000 + i) +
                    "]\r\nNavn=Reisende " + std::to_string(i) + "\r\nPoststed=Troms\xF8\r\n";
        }
        return text;
    }
};

TEST_F(ProfileFaultTest, RefusedProfileWriteLeavesTheFileAsItWas) {
    FillClaim(doc, 1, "p");
    std::string old = OtherTravellers(3);
    fs::path config = fs::path(files.profile).parent_path();
    const std::vector<std::pair<const char*, std::function<void()>>> refusals = {
        {"read-only file", [&] { ::chmod(files.profile.c_str(), 0444); }},
        {"read-only folder", [&] { ::chmod(config.c_str(), 0555); }},
    };
    for (const auto& [name, refuse] : refusals) {
        SCOPED_TRACE(name);
        fs::create_directories(config);
        test::WriteFile(files.profile, old);
        refuse();
        EXPECT_FALSE(doc.WriteProfile());
        EXPECT_EQ(test::ReadFile(files.profile), old);
        EXPECT_EQ(Names(config).size(), 1u);
        ::chmod(config.c_str(), 0755);
        ::chmod(files.profile.c_str(), 0644);
    }

    // A folder named like the profile is neither replaced nor emptied.
    fs::remove(files.profile);
    fs::create_directories(fs::path(files.profile) / "inni");
    EXPECT_FALSE(doc.WriteProfile());
    EXPECT_TRUE(fs::is_directory(fs::path(files.profile) / "inni"));

    // The claim itself still saves: a profile that cannot be written is not the claim's fault.
    EXPECT_TRUE(doc.SaveClaimToFile(Claim("reise.tur")));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ProfileFaultTest, FullDiskLeavesTheProfileAndFerdixIniWhole) {
    test::SmallDisk disk(64 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Reason();
    }
    FileLocations onDisk = files;
    onDisk.profile = disk.File("reisende.ini");
    onDisk.ferdixIni = disk.File("ferdix.ini");
    onDisk.userConfigDir = disk.Path();
    std::string travellers = OtherTravellers(700);  // over half the disk: no room for a copy
    ASSERT_GT(travellers.size(), 33u * 1024);
    test::WriteFile(onDisk.profile, travellers);
    std::string settings = "[Satser]\r\nKm=4,03\r\n[Oppsett]\r\nDatoformat=DDMMYY\r\n";
    test::WriteFile(onDisk.ferdixIni, settings);

    CFerdixDoc full(clock, &onDisk);
    full.SetHost(&host);
    FillClaim(full, 1, "f");
    EXPECT_FALSE(full.WriteProfile());
    EXPECT_EQ(test::ReadFile(onDisk.profile), travellers);
    // ferdix.ini is small, but the disk is full to the last block.
    test::WriteFile(disk.File("fyll"), std::string(64 * 1024, 'x'));
    std::string error;
    EXPECT_FALSE(WriteSetting(onDisk, "Oppsett", "Datoformat", "YYMMDD", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::ReadFile(onDisk.ferdixIni), settings);
    std::vector<std::string> names = Names(disk.Path());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()),
              (std::set<std::string>{"reisende.ini", "ferdix.ini", "fyll"}));
}

TEST_F(ProfileFaultTest, RefusedFerdixIniKeepsItsBytes) {
    std::string settings = "[Satser]\r\nKm=4,03\r\n";
    fs::create_directories(fs::path(files.ferdixIni).parent_path());
    test::WriteFile(files.ferdixIni, settings);
    ::chmod(files.ferdixIni.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(WriteSetting(files, "Satser", "Km", "5,00", &error));
    EXPECT_NE(error.find("skrivebeskyttet"), std::string::npos) << error;
    doc.Rates().m_rates.SetValueForKey("Bil under 9000km", 4.0f);
    RatesSaveResult rates = SaveRates(doc);
    EXPECT_FALSE(rates.ok);
    EXPECT_FALSE(rates.error.empty());
    EXPECT_EQ(test::ReadFile(files.ferdixIni), settings);
}

// A child saves a large claim over and over and is killed at random moments. Whatever moment
// it dies, the claim file is the old one or a whole new one, and the profile likewise; a
// temporary file left behind is hidden and has no claim extension.
TEST_F(SaveFaultTest, KilledInTheMiddleOfSavingLeavesAWholeFile) {
    constexpr int kVersions = 4;
    std::string path = Claim("reise.tur");
    FillClaim(doc, 1500, "start");
    ASSERT_TRUE(doc.SaveClaimToFile(path));
    std::set<std::string> whole = {test::ReadFile(path)};
    const std::string profile = test::ReadFile(files.profile);
    ASSERT_FALSE(profile.empty());
    for (int v = 0; v < kVersions; ++v) {
        doc.SetRemarks("versjon " + std::string(static_cast<std::size_t>(v) * 3000, 'v'));
        std::string bytes;
        doc.Serialize(bytes, true);
        bytes.push_back('\0');
        whole.insert(bytes);
    }
    ASSERT_EQ(test::ReadFile(files.profile), profile);
    ASSERT_GT(whole.begin()->size(), 100000u);

    // Kills spread over about three saves, however fast this machine saves just now.
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(doc.SaveClaimToFile(path));
    auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    whole.insert(test::ReadFile(path));
    std::mt19937 random(20060314);
    std::uniform_int_distribution<long> delayUs(0, std::max<long>(3 * saveTime.count(), 5000));
    int sawNew = 0;
    std::string first = test::ReadFile(path);
    for (int round = 0; round < 60; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int v = round;; ++v) {
                doc.SetRemarks("versjon " +
                               std::string(static_cast<std::size_t>(v % kVersions) * 3000, 'v'));
                doc.SaveClaimToFile(path);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        std::string now = test::ReadFile(path);
        ASSERT_EQ(whole.count(now), 1u) << "round " << round << ": " << now.size() << " bytes";
        sawNew += now != first ? 1 : 0;
        ASSERT_EQ(test::ReadFile(files.profile), profile) << "round " << round;
        for (const fs::path& folder :
             {dir.Path() / "claims", fs::path(files.profile).parent_path()}) {
            for (const std::string& name : Names(folder)) {
                if (name == "reise.tur" || name == "reisende.ini") {
                    continue;
                }
                EXPECT_EQ(name[0], '.') << name;
                EXPECT_EQ(fs::path(name).extension().string().find(".tur"), std::string::npos)
                    << name;
            }
        }
    }
    // The children got as far as replacing the file, so the kills fell into real saves.
    EXPECT_GT(sawNew, 0);
}

}  // namespace
}  // namespace ferdix
