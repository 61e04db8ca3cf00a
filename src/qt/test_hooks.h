// Test-only hooks of the desktop program, for the tests that start the real program and kill
// it. Only the tests' build of the desktop module holds them (build/hooked); the installed
// program has none. Each is off unless its environment variable is set; none saves, deletes or
// opens anything by itself.
//   FERDIX_TEST_ANSWERS=ja,nei,...  answers the message boxes in turn, on the offscreen
//       platform only (where no one could answer them), and writes each box to stderr;
//   FERDIX_TEST_EDITS  lines of ID=TEXT: once the window is shown, types each text into the
//       form's control with that id as keys (after selecting what is there) and leaves it;
//   FERDIX_TEST_REPORT=FILE  then writes the window title, the modified mark, the path a save
//       would use and the claim as JSON to FILE.
#pragma once

#include <deque>
#include <memory>

#include "qt/dialogs.h"

namespace ferdix {

class CMainFrame;

class CTestAnswers final : public IDialogs {
  public:
    CTestAnswers(IDialogs& real, std::deque<MsgAnswer> answers)
        : m_real(real), m_answers(std::move(answers)) {}
    MsgAnswer Message(QWidget* owner, const MessageRequest& request) override;
    std::optional<std::string> FilePath(QWidget* owner, const FileDialogRequest& request) override {
        return m_real.FilePath(owner, request);
    }
    int Exec(QDialog& dialog) override { return m_real.Exec(dialog); }

  private:
    IDialogs& m_real;
    std::deque<MsgAnswer> m_answers;
};

// Null unless FERDIX_TEST_ANSWERS is set and the platform is offscreen.
std::unique_ptr<CTestAnswers> TestAnswersFromEnvironment(IDialogs& real);

// The edits and the report, queued to run once the event loop runs.
void RunTestScriptFromEnvironment(CMainFrame& frame);

}  // namespace ferdix
