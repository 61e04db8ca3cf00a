// A recording claim host for tests: keeps every message box, status text, title, file dialog and
// recent file, and answers message boxes and file dialogs from queues (when empty: the default
// button where the box has one, else OK, Cancel for Yes/No/Cancel boxes; Cancel for file
// dialogs).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "claim/claim_host.h"

namespace ferdix::test {

class FakeHost : public IClaimHost {
  public:
    MsgAnswer ShowMessage(const MessageRequest& request) override {
        messages.push_back(request);
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (request.defaultButton) {
            return *request.defaultButton;
        }
        return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    }
    bool HasMainWindow() const override { return mainWindow; }
    void SetStatusTotal(const std::string& text) override { statusTexts.push_back(text); }
    void TitleChanged(const std::string& title) override { titles.push_back(title); }
    std::optional<std::string> AskFilePath(const FileDialogRequest& request) override {
        dialogs.push_back(request);
        if (paths.empty())
            return std::nullopt;
        std::optional<std::string> p = paths.front();
        paths.pop_front();
        return p;
    }
    void AddToRecentFiles(const std::string& path) override { recent.push_back(path); }

    std::string LastStatus() const { return statusTexts.empty() ? "" : statusTexts.back(); }

    std::vector<MessageRequest> messages;
    std::vector<std::string> statusTexts;
    std::vector<std::string> titles;
    std::deque<MsgAnswer> answers;
    std::vector<FileDialogRequest> dialogs;
    std::deque<std::optional<std::string>> paths;
    std::vector<std::string> recent;
    bool mainWindow = true;
};

}  // namespace ferdix::test
