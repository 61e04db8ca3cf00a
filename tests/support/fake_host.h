// A recording claim host for tests: keeps every message box, status text, title, file dialog and
// recent file, and answers the boxes and file dialogs as ScriptedAnswers does.
#pragma once

#include <string>
#include <vector>

#include "claim/claim_host.h"
#include "support/scripted_answers.h"

namespace ferdix::test {

class FakeHost : public IClaimHost, public ScriptedAnswers {
  public:
    MsgAnswer ShowMessage(const MessageRequest& request) override { return Answer(request); }
    bool HasMainWindow() const override { return mainWindow; }
    void SetStatusTotal(const std::string& text) override { statusTexts.push_back(text); }
    void TitleChanged(const std::string& title) override { titles.push_back(title); }
    std::optional<std::string> AskFilePath(const FileDialogRequest& request) override {
        return Path(request);
    }
    void AddToRecentFiles(const std::string& path) override { recent.push_back(path); }

    std::string LastStatus() const { return statusTexts.empty() ? "" : statusTexts.back(); }

    std::vector<std::string> statusTexts;
    std::vector<std::string> titles;
    std::vector<std::string> recent;
    bool mainWindow = true;
};

}  // namespace ferdix::test
