// The recovery copy on real widgets: the Yes/No box of the start-up question, the main window's
// timer that writes a waiting copy, and the close that removes it.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "app/commands.h"
#include "app/recovery.h"
#include "base/written_standard.h"
#include "form/control_ids.h"
#include "qt/form_widget.h"
#include "qt/main_frame.h"
#include "qt_suites.h"
#include "qt_support.h"
#include "support/orphaned_copy.h"
#include "support/temp_folder.h"

namespace ferdix::test {

namespace fs = std::filesystem;

class RecoveryTest : public QObject, public WindowFixture {
    Q_OBJECT

  public:
    RecoveryTest() : WindowFixture(CivilTime{2026, 12, 8, 10, 0, 0}) {}

  private:
    std::string Folder() const { return m_home->Path("config/ferdix/gjenoppretting"); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(Folder(), ec)) {
            names.push_back(e.path().filename().string());
        }
        return names;
    }
    void Start() { StartWindow(); }
    void Show() { ShowWindow(); }
    void Fill(int id, const char* text) {
        QWidget* w = m_frame->Form().ControlWidget(id);
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w, QString::fromUtf8(text));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    std::string CopyText() const {
        const CRecoveryFolder* folder = m_frame->App().Recovery();
        return folder ? ReadFile(folder->CopyPath()) : std::string();
    }

    // Acts on the message box once it is up; records what it saw.
    struct BoxUser {
        bool sawBox = false;
        bool stayedAfterEscape = false;
        QString defaultText;
    };
    static void ActOnBox(BoxUser& user, bool escapeFirst, const QString& click) {
        QTimer::singleShot(0, [&user, escapeFirst, click] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                ActOnBox(user, escapeFirst, click);
                return;
            }
            user.sawBox = true;
            user.defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            if (escapeFirst) {
                QTest::keyClick(box, Qt::Key_Escape);
                user.stayedAfterEscape = box->isVisible();
                box->close();
                user.stayedAfterEscape = user.stayedAfterEscape && box->isVisible();
            }
            if (click.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Return);
                return;
            }
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == click) {
                    b->click();
                }
            }
        });
    }

  private slots:
    void init() { InitWindow(); }
    void cleanup() { CleanupWindow(); }

    void yesNoBoxAnswersOnlyByItsButtons() {
        CQtDialogs dialogs;
        MessageRequest question;
        question.caption = "Ferdix";
        question.text = "Vil du hente fram de ulagrede endringene?";
        question.buttons = MsgButtons::YesNo;
        question.defaultButton = MsgAnswer::Yes;

        // Escape and the close box do nothing; Enter takes the default, Ja.
        BoxUser enter;
        ActOnBox(enter, true, QString());
        QCOMPARE(dialogs.Message(nullptr, question), MsgAnswer::Yes);
        QVERIFY(enter.sawBox);
        QVERIFY(enter.stayedAfterEscape);
        QCOMPARE(enter.defaultText, QStringLiteral("&Ja"));

        BoxUser no;
        ActOnBox(no, false, QStringLiteral("&Nei"));
        QCOMPARE(dialogs.Message(nullptr, question), MsgAnswer::No);

        // A Yes/No/Cancel box still cancels on Escape.
        MessageRequest save = question;
        save.buttons = MsgButtons::YesNoCancel;
        save.defaultButton.reset();
        BoxUser escape;
        QTimer::singleShot(0, [&escape] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                escape.sawBox = true;
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        QCOMPARE(dialogs.Message(nullptr, save), MsgAnswer::Cancel);
        QVERIFY(escape.sawBox);
    }

    void theWindowsTimerWritesAWaitingCopyAndClosingRemovesIt() {
        Start();
        Show();
        QVERIFY(m_frame->App().Recovery());
        Fill(kIdName, "Ola");
        QTRY_VERIFY(CopyText().find("Navn: Ola\r\n") != std::string::npos);
        // Within the second: only the timer brings this one to disk.
        Fill(kIdName, "Olav");
        QTRY_VERIFY_WITH_TIMEOUT(CopyText().find("Navn: Olav\r\n") != std::string::npos, 5000);
        QCOMPARE(Names().size(), std::size_t{3});

        m_dialogs.answers.push_back(MsgAnswer::No);
        QVERIFY(m_frame->close());
        QVERIFY(Names().empty());
    }

    void aRestoredClaimShowsItsOldNameAsModified() {
        std::string old = m_home->Path("reise.tur");
        MakeOrphanedCopy(Folder(), "ferdix-77-0000beef",
                         ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur"),
                         old);
        // Unscripted, the question takes its default button.
        Start();
        QCOMPARE(m_dialogs.messages.size(), std::size_t{1});
        QCOMPARE(m_dialogs.messages[0].buttons, MsgButtons::YesNo);
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - reise.tur *"));
        QCOMPARE(m_frame->Form().GetText(kIdName), std::string("Kari Nordmann"));
        QVERIFY(m_frame->Action(kCmdFileSave)->isEnabled());
        m_frame->RunCommand(kCmdFileSave);
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - reise.tur"));
        QVERIFY(ReadFile(old).find("Kari Nordmann") != std::string::npos);
        QTRY_VERIFY(!fs::exists(m_frame->App().Recovery()->CopyPath()));
    }
};

int RunRecoveryTests(int argc, char** argv) {
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace ferdix::test

#include "recovery_test.moc"
