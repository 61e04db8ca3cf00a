// A recording shell platform for tests: keeps every platform operation in order, plays the
// user of each modal dialog through a callback (none: the dialog is cancelled), and keeps the
// recent-file list as the platform would between runs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/about_dlg.h"
#include "app/km_so_far_dlg.h"
#include "app/rates_dlg.h"
#include "app/shell_platform.h"

namespace ferdix::test {

class FakeShellPlatform : public IShellPlatform {
  public:
    void Print() override { Output("print"); }
    void PrintPreview() override { Output("preview"); }
    void PrinterSetup() override { calls.push_back("printer setup"); }
    void ExportPdf() override { Output("export pdf"); }
    void ShowHelpTopic(int topic) override { calls.push_back("help " + std::to_string(topic)); }
    void ShowContextHelp() override { calls.push_back("context help"); }
    bool IsToolBarVisible() const override { return toolBar; }
    void ShowToolBar(bool visible) override {
        toolBar = visible;
        calls.push_back(visible ? "toolbar on" : "toolbar off");
    }
    bool IsStatusBarVisible() const override { return statusBar; }
    void ShowStatusBar(bool visible) override {
        statusBar = visible;
        calls.push_back(visible ? "status bar on" : "status bar off");
    }
    // As the main window does: its close event asks the shell.
    void CloseMainWindow() override {
        calls.push_back("close");
        if (!queryClose || queryClose()) {
            closed = true;
        }
    }
    DialogResult RunRatesDialog(CRatesDlg& dialog) override {
        calls.push_back("rates dialog");
        return ratesUser ? ratesUser(dialog) : DialogResult::Cancel;
    }
    DialogResult RunKmSoFarDialog(CKmSoFarDlg& dialog) override {
        calls.push_back("km dialog");
        return kmUser ? kmUser(dialog) : DialogResult::Cancel;
    }
    void RunAboutDialog(const CAboutDlg& dialog) override {
        calls.push_back("about");
        aboutTexts = {dialog.Title(), dialog.VersionLine(), dialog.DomesticRatesLine(),
                      dialog.AbroadRatesLine(), dialog.FilesText()};
    }
    void AfterFormEvent() override { ++formEvents; }
    std::vector<std::string> LoadRecentFiles() override { return kept; }
    void SaveRecentFiles(const std::vector<std::string>& paths) override { kept = paths; }

    std::vector<std::string> calls;
    // Form events the shell told of once the form had handled them.
    int formEvents = 0;
    // Called as printing, the preview or the export starts, while the claim is as they read it.
    std::function<void(const std::string&)> onOutput;
    bool toolBar = true;
    bool statusBar = true;
    bool closed = false;
    std::function<bool()> queryClose;
    std::function<DialogResult(CRatesDlg&)> ratesUser;
    std::function<DialogResult(CKmSoFarDlg&)> kmUser;
    std::vector<std::string> aboutTexts;
    std::vector<std::string> kept;

  private:
    void Output(const std::string& call) {
        calls.push_back(call);
        if (onOutput) {
            onOutput(call);
        }
    }
};

}  // namespace ferdix::test
