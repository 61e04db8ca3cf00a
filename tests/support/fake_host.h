// A recording claim host for tests: keeps every message box, status text and title, and
// answers message boxes from a queue (OK, or Cancel for Yes/No/Cancel boxes, when empty).
#pragma once

#include <deque>
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
        return request.buttons == MsgButtons::YesNoCancel ? MsgAnswer::Cancel : MsgAnswer::Ok;
    }
    bool HasMainWindow() const override { return mainWindow; }
    void SetStatusTotal(const std::string& text) override { statusTexts.push_back(text); }
    void TitleChanged(const std::string& title) override { titles.push_back(title); }

    std::string LastStatus() const { return statusTexts.empty() ? "" : statusTexts.back(); }

    std::vector<MessageRequest> messages;
    std::vector<std::string> statusTexts;
    std::vector<std::string> titles;
    std::deque<MsgAnswer> answers;
    bool mainWindow = true;
};

}  // namespace ferdix::test
