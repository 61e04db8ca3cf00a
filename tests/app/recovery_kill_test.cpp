// The whole round with the real program: it is started on a claim, edits are typed into it,
// it is killed with SIGKILL once its recovery copy is on disk, and the next start brings the
// claim back (Yes) or deletes the copy (No). Offscreen, with a home folder of its own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "form/control_ids.h"
#include "support/temp_folder.h"

extern char** environ;

namespace ferdix {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

bool Has(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

class RecoveryKillTest : public ::testing::Test {
  protected:
    RecoveryKillTest() {
        fs::create_directories(dir.File("config"));
        fs::permissions(dir.Path(), fs::perms::owner_all, fs::perm_options::replace);
        WriteFile(claim, ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur"));
    }
    ~RecoveryKillTest() override {
        for (pid_t pid : running) {
            Kill(pid);
        }
    }

    std::string Folder() const { return dir.File("config/ferdix/gjenoppretting"); }

    // Starts the program with these variables beside a home of its own; its stderr goes to
    // the file named after the round.
    pid_t Run(const std::string& round, std::vector<std::string> vars,
              std::vector<std::string> args = {}) {
        std::vector<std::string> env = {
            "HOME=" + dir.File(""), "XDG_CONFIG_HOME=" + dir.File("config"),
            "XDG_RUNTIME_DIR=" + dir.File(""), "QT_QPA_PLATFORM=offscreen"};
        for (char** e = environ; *e; ++e) {
            std::string v = *e;
            for (const char* own : {"HOME=", "XDG_", "QT_QPA_PLATFORM=", "DISPLAY=", "FERDIX_"}) {
                if (v.rfind(own, 0) == 0) {
                    v.clear();
                }
            }
            if (!v.empty()) {
                env.push_back(v);
            }
        }
        env.insert(env.end(), vars.begin(), vars.end());
        args.insert(args.begin(), FERDIX_PROGRAM);
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (std::string& e : env) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        std::string err = dir.File(round + ".stderr");
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(rc, 0) << FERDIX_PROGRAM;
        if (rc == 0) {
            running.push_back(pid);
        }
        return pid;
    }
    void Kill(pid_t pid) {
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        std::erase(running, pid);
    }
    // Polls the condition until it holds or a minute has passed (a sanitised build is slow).
    template <class F>
    bool WaitFor(F condition) {
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (std::chrono::steady_clock::now() < until) {
            if (condition()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    std::vector<std::string> Copies() const {
        std::vector<std::string> found;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(Folder(), ec)) {
            if (e.path().extension() == ".tur") {
                found.push_back(e.path().string());
            }
        }
        return found;
    }
    static std::string Edits() {
        return "FERDIX_TEST_EDITS=" + std::to_string(kIdName) + "=Ola Nordmann\n" +
               std::to_string(kIdRemarks) + "=Skrevet for drapet\n";
    }
    // Round one: the claim is opened, edited and the program killed with the copy on disk.
    std::string EditAndKill() {
        pid_t pid = Run("edit", {Edits()}, {claim});
        std::string copy;
        bool written = WaitFor([&] {
            std::vector<std::string> copies = Copies();
            if (copies.size() != 1) {
                return false;
            }
            copy = copies[0];
            std::string bytes = ReadFile(copy);
            return Has(bytes, "Navn: Ola Nordmann") && Has(bytes, "Skrevet for drapet");
        });
        Kill(pid);
        EXPECT_TRUE(written) << ReadFile(dir.File("edit.stderr"));
        EXPECT_TRUE(Has(copy, "ferdix-" + std::to_string(pid) + "-"));
        return copy;
    }
    std::string Report(const std::string& round, pid_t pid) {
        std::string path = dir.File(round + ".report");
        bool done = WaitFor([&] { return fs::exists(path); });
        Kill(pid);
        EXPECT_TRUE(done) << ReadFile(dir.File(round + ".stderr"));
        return ReadFile(path);
    }

    TempFolder dir;
    std::string claim = dir.File("reise.tur");
    std::vector<pid_t> running;
};

TEST_F(RecoveryKillTest, YesBringsBackTheEditsOfAKilledRun) {
    std::string orphan = EditAndKill();
    ASSERT_TRUE(fs::exists(orphan));

    pid_t pid =
        Run("yes", {"FERDIX_TEST_ANSWERS=ja", "FERDIX_TEST_REPORT=" + dir.File("yes.report")});
    std::string report = Report("yes", pid);
    EXPECT_TRUE(Has(ReadFile(dir.File("yes.stderr")),
                    "Ferdix ble avsluttet uten at reiseregningen var lagret."));
    EXPECT_TRUE(Has(ReadFile(dir.File("yes.stderr")), "Reiseregning: " + claim));
    EXPECT_TRUE(Has(report, "tittel=Ferdix - reise.tur *\n")) << report;
    EXPECT_TRUE(Has(report, "endret=1\n")) << report;
    EXPECT_TRUE(Has(report, "sti=" + claim + "\n")) << report;
    EXPECT_TRUE(Has(report, "\"Navn\": \"Ola Nordmann\"")) << report;
    EXPECT_TRUE(Has(report, "Skrevet for drapet")) << report;
    // What the first run did not type is the claim as it was opened.
    EXPECT_TRUE(Has(report, "\"Postnummer\": \"")) << report;
    EXPECT_TRUE(Has(ReadFile(claim), "Kari Nordmann"));

    // The old copy became the second run's own, which its kill leaves for the next start.
    EXPECT_FALSE(fs::exists(orphan));
    std::vector<std::string> copies = Copies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(Has(copies[0], "ferdix-" + std::to_string(pid) + "-"));
    EXPECT_TRUE(Has(ReadFile(copies[0]), "Navn: Ola Nordmann"));
}

TEST_F(RecoveryKillTest, NoDeletesTheCopyOfAKilledRun) {
    std::string orphan = EditAndKill();
    pid_t pid =
        Run("no", {"FERDIX_TEST_ANSWERS=nei", "FERDIX_TEST_REPORT=" + dir.File("no.report")});
    std::string report = Report("no", pid);
    EXPECT_TRUE(Has(ReadFile(dir.File("no.stderr")), "Vil du hente fram de ulagrede endringene?"));
    EXPECT_TRUE(Has(report, "tittel=Ferdix - Untitled\n")) << report;
    EXPECT_TRUE(Has(report, "endret=0\n")) << report;
    EXPECT_TRUE(Has(report, "sti=\n")) << report;
    EXPECT_FALSE(fs::exists(orphan));
    EXPECT_TRUE(Copies().empty());
    EXPECT_TRUE(Has(ReadFile(claim), "Kari Nordmann"));
}

}  // namespace
}  // namespace ferdix
