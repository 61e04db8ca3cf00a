// Helpers of the GUI tests: a home folder of the test's own, dialogs that answer from a script,
// and a recorder of the form's events.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "form/form_controls.h"
#include "qt/dialogs.h"
#include "qt/main_frame.h"
#include "support/scripted_answers.h"

namespace ferdix::test {

// HOME and XDG_CONFIG_HOME point into a fresh temporary folder until destroyed.
class IsolatedHome {
  public:
    IsolatedHome();
    ~IsolatedHome();
    IsolatedHome(const IsolatedHome&) = delete;
    IsolatedHome& operator=(const IsolatedHome&) = delete;

    std::string Path(const char* name = "") const;

  private:
    QTemporaryDir m_dir;
    QByteArray m_home;
    QByteArray m_config;
};

// Answers message boxes and file dialogs as ScriptedAnswers does, and plays the user of a dialog
// window: without a scripted user the window is closed with Escape.
class ScriptedDialogs final : public IDialogs, public ScriptedAnswers {
  public:
    MsgAnswer Message(QWidget*, const MessageRequest& request) override { return Answer(request); }
    std::optional<std::string> FilePath(QWidget*, const FileDialogRequest& request) override {
        return Path(request);
    }
    // Shows the dialog, lets the next user act on its widgets, and returns its result.
    int Exec(QDialog& dialog) override;

    std::deque<std::function<void(QDialog&)>> users;
    std::vector<QString> dialogTitles;
};

// The GUI tests of the whole window: a home of the test's own with the program's ferdix.ini and
// land.ini beside a program in it, bokmål and day-first dates, and a main window on the scripted
// dialogs, or on others that a test passes. InitWindow before each test, CleanupWindow after.
class WindowFixture {
  protected:
    // Today is 14 March 2006 unless a suite's dates need another.
    explicit WindowFixture(CivilTime today = CivilTime{2006, 3, 14, 10, 0, 0}) : m_clock(today) {}

    void InitWindow(IDialogs* dialogs = nullptr);
    void CleanupWindow();
    // The start-up with the command line; the test fails when it does not start.
    void StartWindow(const std::string& commandLine = "");
    // Shown, and the active window.
    void ShowWindow();

    std::unique_ptr<IsolatedHome> m_home;
    FixedClock m_clock;
    ScriptedDialogs m_dialogs;
    std::string m_program;  // the program's folder, with "/" at its end
    std::unique_ptr<CMainFrame> m_frame;
};

// Types the text into the widget key by key, as a keyboard would send it; unlike
// QTest::keyClicks, also characters outside Latin-1 (each with no key code of its own).
void TypeText(QWidget* widget, const QString& text);

// One recorded event: what happened and to which control.
inline std::string Ev(const char* what, int id) {
    return std::string(what) + " " + std::to_string(id);
}

// Every event as Ev("change", id), Ev("leave", id), ... in order.
class RecordingEvents final : public IFormEvents {
  public:
    void OnChange(int id) override { Add("change", id); }
    void OnLeave(int id) override { Add("leave", id); }
    void OnClick(int id) override { Add("click", id); }
    void OnSelChange(int id) override { Add("pick", id); }
    void OnDoubleClick(int id) override { Add("double", id); }

    int Count(const std::string& event) const;
    std::vector<std::string> events;

  private:
    void Add(const char* what, int id) {
        events.push_back(std::string(what) + " " + std::to_string(id));
    }
};

}  // namespace ferdix::test
