// What the application shell asks of the desktop platform beyond the claim host: printing, help,
// the bars, the main window, running the small dialogs modally, and keeping the recent-file
// list between runs. The Qt main window implements it; tests use a recording fake.
#pragma once

#include <string>
#include <vector>

#include "app/dialog_template.h"

namespace ferdix {

class CAboutDlg;
class CKmSoFarDlg;
class CRatesDlg;

class IShellPlatform {
  public:
    virtual ~IShellPlatform() = default;

    // The print dialog and printing, the print preview, the printer set-up dialog.
    virtual void Print() = 0;
    virtual void PrintPreview() = 0;
    virtual void PrinterSetup() = 0;
    // The printed form as a PDF file, after a file dialog.
    virtual void ExportPdf() = 0;

    // The help file at a topic (kHelpTopicBokmal, kHelpTopicNynorsk), and the help for what
    // has the focus.
    virtual void ShowHelpTopic(int topic) = 0;
    virtual void ShowContextHelp() = 0;

    virtual bool IsToolBarVisible() const = 0;
    virtual void ShowToolBar(bool visible) = 0;
    virtual bool IsStatusBarVisible() const = 0;
    virtual void ShowStatusBar(bool visible) = 0;

    // Asks the main window to close; it then asks CFerdixApp::QueryClose like the close box.
    virtual void CloseMainWindow() = 0;

    // Show a dialog modally over the main window, built from its Template() and driven by the
    // model; the result is Ok when it ended with its OK button ("Ferdig" in the rates dialog).
    virtual DialogResult RunRatesDialog(CRatesDlg& dialog) = 0;
    virtual DialogResult RunKmSoFarDialog(CKmSoFarDlg& dialog) = 0;
    virtual void RunAboutDialog(const CAboutDlg& dialog) = 0;

    // After every event of the form's controls, once the form has handled it: what the event
    // changed may change what the window shows beyond the form (commands' states, Qt's texts).
    virtual void AfterFormEvent() = 0;

    // The recent-file list as kept between runs, most recent first.
    virtual std::vector<std::string> LoadRecentFiles() = 0;
    virtual void SaveRecentFiles(const std::vector<std::string>& paths) = 0;
};

}  // namespace ferdix
