// The user of message boxes and file dialogs that the test doubles of both layers share: every
// box and file dialog is kept, and answered from a queue the test fills.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "claim/messages.h"

namespace ferdix::test {

class ScriptedAnswers {
  public:
    // The next scripted answer; without one the box's default button where it has one, OK
    // where OK is all it offers, and else `unscripted`.
    MsgAnswer Answer(const MessageRequest& request) {
        messages.push_back(request);
        if (!answers.empty()) {
            MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        if (request.defaultButton) {
            return *request.defaultButton;
        }
        return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : unscripted;
    }
    // The next scripted path; without one, Cancel.
    std::optional<std::string> Path(const FileDialogRequest& request) {
        fileDialogs.push_back(request);
        if (paths.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> p = paths.front();
        paths.pop_front();
        return p;
    }

    std::vector<MessageRequest> messages;
    std::deque<MsgAnswer> answers;
    // A question that no answer was scripted for: the user closes the box.
    MsgAnswer unscripted = MsgAnswer::Cancel;
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<std::string>> paths;
};

}  // namespace ferdix::test
