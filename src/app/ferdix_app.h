// The application shell as a presentation model: start-up, the claim's New, open and close as
// the main window asks for them, and every command of the main window with its enable and check
// rule and the part that carries it out. The Qt main window shows what this decides.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/recent_files.h"
#include "app/recovery.h"
#include "app/shell_platform.h"
#include "base/clock.h"
#include "claim/claim_host.h"
#include "claim/ferdix_doc.h"
#include "form/ferdix_view.h"
#include "form/form_controls.h"
#include "rates/program_settings.h"

namespace ferdix {

struct StartupArgs {
    std::string exePath;        // the running program's full path
    std::string commandLine;    // the raw command-line text; empty for none
    std::string userConfigDir;  // the per-user folder of the profile
    // The name the program was started by (argv[0]), which may be a link such as "ferdixn":
    // the written standard follows it, while the rate files lie beside exePath. Empty: exePath.
    std::string invokedAs;
};

// The arguments after the program's name joined by blanks, as one command-line text: a path
// with blanks given without quotes still names one file.
std::string CommandLineText(std::span<const std::string> arguments);

struct CommandState {
    bool enabled = false;
    bool checked = false;
};

// What a command did: whether it ran at all (it may be unknown or disabled), and whether another
// claim is shown since.
struct CommandResult {
    bool done = false;
    bool claimReplaced = false;
    explicit operator bool() const { return done; }
};

class CFerdixApp {
  public:
    // `ticks` times the recovery copy (null: the steady clock).
    CFerdixApp(IClaimHost& host, IShellPlatform& platform, IFormControls& controls,
               const IClock& clock, const ITickClock* ticks = nullptr);
    ~CFerdixApp();
    CFerdixApp(const CFerdixApp&) = delete;
    CFerdixApp& operator=(const CFerdixApp&) = delete;

    // The form's controls report here from the start; the form view exists only after
    // InitInstance, and clearing the first claim already raises events.
    IFormEvents& FormEvents() { return m_eventRelay; }

    // Settings, recent files, written standard and date order, then the first claim: a new
    // claim, which a claim kept from a run that ended unsaved may replace (after asking), then
    // the file named on the command line (after the save question when a claim was brought
    // back). Runs once; false when called again.
    bool InitInstance(const StartupArgs& args);
    // The system folders of ferdix.ini and land.ini (SystemConfigDirs()), read after the user's
    // own folder and before the program's; none unless given before InitInstance.
    void SetSystemConfigDirs(std::vector<std::string> dirs) {
        m_systemConfigDirs = std::move(dirs);
    }
    // The normal end of the run (the main window closed): the recovery copy goes.
    void ExitInstance();

    // The recovery copy: the platform's timer comes back after RecoveryDueIn.
    void RecoveryTick();
    std::optional<std::chrono::milliseconds> RecoveryDueIn() const;
    // Waits until the copy on disk is as the keeper last asked.
    void FlushRecovery();
    // Null when the run keeps no copy (no per-user folder, or it cannot be made).
    const CRecoveryFolder* Recovery() const { return m_recoveryFolder.get(); }

    // Null before InitInstance.
    CFerdixDoc* Document() const { return m_doc.get(); }
    CFerdixView* View() const { return m_view.get(); }
    const FileLocations& Files() const { return m_files; }
    const ProgramSettings& Settings() const { return m_settings; }
    // The run's written standard and date order: decided by InitInstance, changed by the
    // written-standard commands through the document.
    const UserLocale& Locale() const { return m_locale; }
    const RecentFileList& RecentFiles() const { return m_recent; }

    // Whether a command of the menus, toolbar or keys is enabled and checked now. Unknown
    // commands, and all before InitInstance, are disabled.
    CommandState UpdateCommand(int id) const;
    // Carries the command out; not done when it is unknown or disabled.
    CommandResult Execute(int id);

    // New: the save question, then an empty claim. False when the user kept the claim.
    bool FileNew();
    // The framework path (command line, recent files, dropped files): the save question, then
    // the claim at the full path. False when it was not opened; the claim then stays.
    bool OpenDocumentFile(const std::string& path);
    bool OpenRecentFile(std::size_t index);
    // Only the first of several dropped files is opened: one claim is open at a time. True when
    // it was opened.
    bool OnDropFiles(std::span<const std::string> paths);
    // The main window is about to close: the save question; false keeps it open.
    bool QueryClose();

    void RunRatesDialog();
    void RunAboutDialog();

  private:
    // Forwards to the platform's host; the recent-file list is kept here.
    class HostRelay final : public IClaimHost {
      public:
        explicit HostRelay(CFerdixApp& app) : m_app(app) {}
        MsgAnswer ShowMessage(const MessageRequest& request) override;
        bool HasMainWindow() const override;
        void SetStatusTotal(const std::string& text) override;
        void TitleChanged(const std::string& title) override;
        std::optional<std::string> AskFilePath(const FileDialogRequest& request) override;
        void AddToRecentFiles(const std::string& path) override;

      private:
        CFerdixApp& m_app;
    };

    // Forwards the controls' events to the form view once it exists, then tells the platform.
    class EventRelay final : public IFormEvents {
      public:
        explicit EventRelay(CFerdixApp& app) : m_app(app) {}
        void OnChange(int id) override { Forward(&IFormEvents::OnChange, id); }
        void OnLeave(int id) override { Forward(&IFormEvents::OnLeave, id); }
        void OnClick(int id) override { Forward(&IFormEvents::OnClick, id); }
        void OnSelChange(int id) override { Forward(&IFormEvents::OnSelChange, id); }
        void OnDoubleClick(int id) override { Forward(&IFormEvents::OnDoubleClick, id); }

      private:
        void Forward(void (IFormEvents::*handler)(int), int id);
        CFerdixApp& m_app;
    };

    // The dialogs the form asks for.
    class ViewHost final : public IViewHost {
      public:
        explicit ViewHost(CFerdixApp& app) : m_app(app) {}
        std::optional<std::uint32_t> AskKmSoFar(std::uint32_t current) override;

      private:
        CFerdixApp& m_app;
    };

    void AddRecentFile(const std::string& path);
    void ForgetMissingRecentFile(const std::string& path);
    CommandResult ExecuteCommand(int id);
    // Once, before the rates are read: what is wrong with the files, and newer office rates
    // under the user's own (whose answer decides which are read).
    void NoticeConfiguration();
    void StartRecovery(const std::string& userConfigDir);
    void OfferOrphanedCopies();
    // After anything the user did: the copy follows the claim.
    void NoticeRecovery();
    void ReportRecoveryFailure();

    IClaimHost& m_host;
    IShellPlatform& m_platform;
    IFormControls& m_controls;
    const IClock& m_clock;
    SteadyTickClock m_steadyTicks;
    const ITickClock& m_ticks;
    HostRelay m_hostRelay{*this};
    EventRelay m_eventRelay{*this};
    ViewHost m_viewHost{*this};
    std::vector<std::string> m_systemConfigDirs;
    FileLocations m_files;
    ProgramSettings m_settings;
    UserLocale m_locale;
    RecentFileList m_recent{kRecentFileCount};
    std::unique_ptr<CFerdixDoc> m_doc;
    std::unique_ptr<CFerdixView> m_view;
    std::unique_ptr<CRecoveryFolder> m_recoveryFolder;
    std::unique_ptr<CBackgroundRecoveryWriter> m_recoveryWriter;
    std::unique_ptr<CRecoveryKeeper> m_recovery;
    std::string m_recoveryError;
    bool m_recoveryFailureShown = false;
};

}  // namespace ferdix
