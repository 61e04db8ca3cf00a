#include "qt/test_hooks.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <iostream>
#include <sstream>
#include <vector>

#include "app/claim_json.h"
#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "form/control_ids.h"
#include "qt/form_widget.h"
#include "qt/main_frame.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

struct Edit {
    int id = 0;
    QString text;
};

std::vector<Edit> EditsFromEnvironment() {
    std::vector<Edit> edits;
    const QString script = qEnvironmentVariable("FERDIX_TEST_EDITS");
    for (const QString& line : script.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        qsizetype eq = line.indexOf(QLatin1Char('='));
        bool ok = false;
        int id = eq > 0 ? line.left(eq).trimmed().toInt(&ok) : 0;
        if (ok) {
            edits.push_back({id, line.mid(eq + 1)});
        } else {
            std::cerr << "ferdix: FERDIX_TEST_EDITS: ugyldig linje: " << line.toStdString() << '\n';
        }
    }
    return edits;
}

// Where the keys go: the line edit inside an editable drop-down.
QWidget* KeyTarget(QWidget* control) {
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit()) {
        return box->lineEdit();
    }
    return control;
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void TypeInto(CMainFrame& frame, const Edit& edit) {
    QWidget* control = frame.Form().ControlWidget(edit.id);
    if (!control || !control->isEnabled()) {
        std::cerr << "ferdix: FERDIX_TEST_EDITS: ingen felt " << edit.id << '\n';
        return;
    }
    QWidget* target = KeyTarget(control);
    target->setFocus(Qt::TabFocusReason);
    SendKey(target, Qt::Key_A, Qt::ControlModifier, QString());
    for (QChar ch : edit.text) {
        SendKey(target, 0, Qt::NoModifier, QString(ch));
    }
}

void WriteReport(CMainFrame& frame, const QString& path) {
    CFerdixDoc* doc = frame.App().Document();
    if (!doc) {
        return;
    }
    std::ostringstream out;
    out << "tittel=" << frame.windowTitle().toStdString() << '\n';
    out << "endret=" << (doc->IsModified() ? 1 : 0) << '\n';
    out << "sti=" << doc->SavePath() << '\n';
    WriteClaimJson(doc->Claim(), doc->Locale().dateOrder, out);
    FileWriteResult r = WriteFileAtomically(PathFromQString(path), out.str());
    if (!r.ok) {
        std::cerr << "ferdix: FERDIX_TEST_REPORT: " << MixedToUtf8(r.error) << '\n';
    }
}

void RunScript(CMainFrame& frame, std::vector<Edit> edits, QString report, int waits) {
    // Focus moves, and so leave events come, only in the active window.
    if (QApplication::activeWindow() != &frame && waits > 0) {
        frame.activateWindow();
        QTimer::singleShot(50, &frame, [&frame, edits = std::move(edits), report, waits] {
            RunScript(frame, edits, report, waits - 1);
        });
        return;
    }
    for (const Edit& edit : edits) {
        TypeInto(frame, edit);
    }
    if (!edits.empty()) {
        frame.Form().ControlWidget(kIdPersonId)->setFocus(Qt::TabFocusReason);
    }
    if (!report.isEmpty()) {
        QTimer::singleShot(0, &frame, [&frame, report] { WriteReport(frame, report); });
    }
}

}  // namespace

MsgAnswer CTestAnswers::Message(QWidget* owner, const MessageRequest& request) {
    std::cerr << "ferdix-test-melding: " << MixedToUtf8(request.caption) << ": "
              << MixedToUtf8(request.text) << '\n';
    if (m_answers.empty()) {
        return m_real.Message(owner, request);
    }
    MsgAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::unique_ptr<CTestAnswers> TestAnswersFromEnvironment(IDialogs& real) {
    const QString list = qEnvironmentVariable("FERDIX_TEST_ANSWERS");
    if (list.isEmpty() || QGuiApplication::platformName() != QLatin1String("offscreen")) {
        return nullptr;
    }
    std::deque<MsgAnswer> answers;
    for (const QString& word : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        QString w = word.trimmed().toLower();
        if (w == QLatin1String("ja")) {
            answers.push_back(MsgAnswer::Yes);
        } else if (w == QLatin1String("nei")) {
            answers.push_back(MsgAnswer::No);
        } else if (w == QLatin1String("avbryt")) {
            answers.push_back(MsgAnswer::Cancel);
        } else {
            answers.push_back(MsgAnswer::Ok);
        }
    }
    return std::make_unique<CTestAnswers>(real, std::move(answers));
}

void RunTestScriptFromEnvironment(CMainFrame& frame) {
    std::vector<Edit> edits = EditsFromEnvironment();
    QString report = qEnvironmentVariable("FERDIX_TEST_REPORT");
    if (edits.empty() && report.isEmpty()) {
        return;
    }
    QTimer::singleShot(0, &frame, [&frame, edits = std::move(edits), report] {
        RunScript(frame, edits, report, 100);
    });
}

}  // namespace ferdix
