// The main window: shows what the shell (CFerdixApp) decides and forwards what the user does.
// It builds the menus, toolbar, keys and status bar from the command table, hosts the form's
// widgets, and is the platform the shell and the document talk to: message boxes, file
// dialogs, the small dialogs, help, the bars and the recent-file list.
#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ferdix_app.h"
#include "app/shell_platform.h"
#include "claim/claim_host.h"
#include "qt/help_window.h"
#include "qt/qt_translation.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace ferdix {

class CFormWidget;
class IDialogs;

// The print back ends. One left empty tells the user that printing is not in this build.
struct PrintBackEnds {
    std::function<void()> print;
    std::function<void()> preview;
    std::function<void()> setup;
    std::function<void()> exportPdf;
};

// Where the recent-file list is kept: the per-user settings of organisation "Tovrand",
// application "Ferdix22", under $XDG_CONFIG_HOME (else ~/.config), read when asked.
QString UserSettingsPath();

class CMainFrame final : public QMainWindow, public IClaimHost, public IShellPlatform {
  public:
    CMainFrame(const IClock& clock, IDialogs& dialogs, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The shell's start-up; then the focus goes to the first field.
    bool Start(const StartupArgs& args);
    // 640 pixels wide, the height from the screen's work area, the top edge at its top.
    void PlaceOnScreen();
    void SetPrintBackEnds(PrintBackEnds backEnds) { m_print = std::move(backEnds); }

    CFerdixApp& App() { return m_app; }
    CFormWidget& Form() { return *m_form; }
    // The action of a command of the table, or null.
    QAction* Action(int command) const;
    QMenu* FileMenu() const { return m_menus.empty() ? nullptr : m_menus.front(); }
    const std::vector<QMenu*>& Menus() const { return m_menus; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QLabel* MessagePane() const { return m_message; }
    QLabel* TotalPane() const { return m_total; }
    // Null until help was first asked for.
    CHelpWindow* HelpWindow() const { return m_help; }

    // Carries out a command as its menu item, button or key does.
    void RunCommand(int command);
    // Every action's enabled and checked state from the shell, now.
    void UpdateCommandStates();

    // IClaimHost
    MsgAnswer ShowMessage(const MessageRequest& request) override;
    void SetStatusTotal(const std::string& text) override;
    void TitleChanged(const std::string& title) override;
    std::optional<std::string> AskFilePath(const FileDialogRequest& request) override;

    // IShellPlatform
    void Print() override;
    void PrintPreview() override;
    void PrinterSetup() override;
    void ExportPdf() override;
    void ShowHelpTopic(int topic) override;
    void ShowContextHelp() override;
    bool IsToolBarVisible() const override;
    void ShowToolBar(bool visible) override;
    bool IsStatusBarVisible() const override;
    void ShowStatusBar(bool visible) override;
    void CloseMainWindow() override;
    DialogResult RunRatesDialog(CRatesDlg& dialog) override;
    DialogResult RunKmSoFarDialog(CKmSoFarDlg& dialog) override;
    void RunAboutDialog(const CAboutDlg& dialog) override;
    // Qt's texts, the commands' states and the recovery timer follow the event.
    void AfterFormEvent() override;
    std::vector<std::string> LoadRecentFiles() override;
    void SaveRecentFiles(const std::vector<std::string>& paths) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void RebuildRecentFiles();
    void ScheduleCommandUpdate();
    // The recovery copy waits for its interval: the timer brings the shell back then.
    void ScheduleRecoveryTick();
    void FocusFirstField();
    // Qt's own texts in the written standard in force: after anything that may switch it.
    void FollowWrittenStandard();
    // After a command or a drop: a claim now shown anew starts with the first field.
    void AfterCommand(bool claimReplaced);
    void PrintUnavailable();
    bool HandleDrop(QEvent* event);

    IDialogs& m_dialogs;
    CFormWidget* m_form;
    CFerdixApp m_app;
    std::map<int, QAction*> m_actions;
    // Keys that are also a menu's mnemonic: the command wins, as on Windows.
    std::map<QKeySequence, int> m_mnemonicKeys;
    std::vector<QMenu*> m_menus;
    QAction* m_recentAnchor = nullptr;
    std::vector<QAction*> m_recentActions;
    std::vector<std::string> m_recentShown;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_total = nullptr;
    QPointer<CHelpWindow> m_help;
    PrintBackEnds m_print;
    QTimer* m_recoveryTimer = nullptr;
    bool m_updatePending = false;
    // Last, so that taking it out again reaches widgets that are all still there.
    CQtTranslation m_translation;
};

}  // namespace ferdix
