#include "qt/main_frame.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <memory>

#include "base/control_ids.h"
#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "qt/form_widget.h"
#include "qt/qt_text.h"
#include "qt_suites.h"
#include "qt_support.h"
#include "support/program_state.h"
#include "support/temp_folder.h"

namespace ferdix::test {

namespace fs = std::filesystem;

class MainFrameTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<IsolatedHome> m_home;
    std::unique_ptr<ProgramStateGuard> m_state;
    FixedClock m_clock{CivilTime{2006, 3, 14, 10, 0, 0}};
    ScriptedDialogs m_dialogs;
    FileLocations m_files;
    std::unique_ptr<CMainFrame> m_frame;

    std::string Golden() const {
        return ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur");
    }
    // A copy of the full claim in the test's home, so that saving never touches the original.
    std::string ClaimCopy() const {
        std::string path = m_home->Path("full_claim.tur");
        WriteFile(path, Golden());
        return path;
    }
    QWidget* W(int id) const { return m_frame->Form().ControlWidget(id); }
    QString Total() const { return m_frame->TotalPane()->text(); }
    void Show() {
        m_frame->show();
        QApplication::setActiveWindow(m_frame.get());
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    }

  private slots:
    void init() {
        m_home = std::make_unique<IsolatedHome>();
        m_state = std::make_unique<ProgramStateGuard>();
        SetWrittenStandardValue(kBokmal);
        SetDateOrder(DateOrder::DayFirst);
        std::string dir = m_home->Path("program/");
        fs::create_directories(dir);
        for (const char* name : {"ferdix.ini", "land.ini"}) {
            fs::copy_file(fs::path(FERDIX_RESOURCES_DIR) / name, fs::path(dir) / name);
        }
        m_files = FileLocations{dir, dir + "ferdix.ini", dir + "land.ini",
                                m_home->Path("config/ferdix/reisende.ini"),
                                m_home->Path("config/ferdix/")};
        m_dialogs = ScriptedDialogs();
        m_frame = std::make_unique<CMainFrame>(m_clock, &m_files, ProgramSettings{}, m_dialogs);
    }
    void cleanup() {
        m_frame.reset();
        m_state.reset();
        m_home.reset();
    }

    void startsWithANewClaimReadyForTyping() {
        m_frame->StartWith("");
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - Untitled"));
        QCOMPARE(m_frame->MessagePane()->text(), QStringLiteral("Klar"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 0,00"));
        QCOMPARE(m_frame->Form().GetFocus(), kIdPersonId);
        // The rates of ferdix.ini are in their fields and in the claim, which is not modified.
        QCOMPARE(m_frame->Form().GetText(kIdDayDomesticOver12hRate), std::string("445,00"));
        QCOMPARE(m_frame->Document().LineValue(4, 1), 445.0f);
        QVERIFY(!m_frame->Document().IsModified());
        QVERIFY(m_dialogs.messages.empty());
        Show();
        QCOMPARE(QApplication::focusWidget(), W(kIdPersonId));
    }

    void typingACountUpdatesTheAmountTheTotalAndTheTitle() {
        m_frame->StartWith("");
        Show();
        m_frame->Form().SetFocus(kIdDayDomesticOver12hCount);
        QTest::keyClicks(W(kIdDayDomesticOver12hCount), QStringLiteral("2"));
        QCOMPARE(m_frame->Form().GetText(kIdDayDomesticOver12hAmount), std::string("890,00"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 890,00"));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - Untitled *"));
        QTest::keyClicks(W(kIdDayDomesticOver12hCount), QStringLiteral("0"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 8900,00"));
        // A field bound on leaving reaches the claim when the user moves on.
        m_frame->Form().SetFocus(kIdName);
        QTest::keyClicks(W(kIdName), QString::fromUtf8("Åse Ødegård"));
        QCOMPARE(m_frame->Document().Traveller().Name(), std::string());
        QTest::keyClick(W(kIdName), Qt::Key_Tab);
        QCOMPARE(m_frame->Document().Traveller().Name(), std::string("Åse Ødegård"_cp));
    }

    void startsWithTheClaimNamedOnTheCommandLine() {
        m_frame->StartWith(ClaimCopy());
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 1024594,00"));
        QLabel* pane = m_frame->TotalPane();
        QVERIFY(pane->width() >= 100);
        QVERIFY(pane->fontMetrics().horizontalAdvance(Total()) <= pane->contentsRect().width());
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - full_claim.tur"));
        QCOMPARE(m_frame->Form().GetText(kIdName), std::string("Kari Nordmann"));
        QVERIFY(m_frame->Form().RowCount(kIdTravelList) > 0);
        QVERIFY(!m_frame->Document().IsModified());
        QCOMPARE(m_frame->Form().GetFocus(), kIdPersonId);
    }

    void anUnreadableClaimIsReportedAndANewOneStarts() {
        m_frame->StartWith(m_home->Path("finnes-ikke.tur"));
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(ToQString(m_dialogs.messages[0].caption), QString::fromUtf8("Feil ved åpning"));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - Untitled"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 0,00"));
    }

    // Read through the widgets and written back: the refresh changed nothing in the claim.
    void savingWritesTheClaimByteForByte() {
        std::string path = ClaimCopy();
        m_frame->StartWith(path);
        Show();
        fs::remove(path);
        QTest::keyClick(m_frame.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadFile(path), Golden() + '\0');
        QVERIFY(m_dialogs.messages.empty());

        m_frame->Form().SetFocus(kIdName);
        QTest::keyClicks(W(kIdName), QStringLiteral("x"));
        QTest::keyClick(W(kIdName), Qt::Key_Tab);
        std::string copy = m_home->Path("kopi.tur");
        m_dialogs.paths.push_back(copy);
        m_frame->Document().OnFileSaveAs();
        QCOMPARE(m_frame->windowTitle(), PathToQString("Ferdix - " + copy));
        std::string saved = ReadFile(copy);
        QVERIFY(saved.find("Navn: Kari Nordmannx\r\n") != std::string::npos);
    }

    void openKeyReadsTheChosenClaimAndFocusesTheFirstField() {
        m_frame->StartWith("");
        Show();
        std::string path = ClaimCopy();
        m_dialogs.paths.push_back(path);
        m_frame->Form().SetFocus(kIdRemarks);
        QTest::keyClick(m_frame.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_dialogs.fileDialogs.size(), std::size_t(1));
        QVERIFY(!m_dialogs.fileDialogs[0].save);
        QCOMPARE(m_frame->windowTitle(), PathToQString("Ferdix - " + path));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 1024594,00"));
        QCOMPARE(m_frame->Form().GetFocus(), kIdPersonId);
        QCOMPARE(m_frame->Form().ScrollPosition(), 0);
    }

    void closingAModifiedClaimAsksFirst() {
        m_frame->StartWith("");
        Show();
        m_frame->Form().SetFocus(kIdName);
        QTest::keyClicks(W(kIdName), QStringLiteral("Kari"));
        m_dialogs.answers.push_back(MsgAnswer::Cancel);
        QVERIFY(!m_frame->close());
        QVERIFY(m_frame->isVisible());
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(m_dialogs.messages[0].buttons, MsgButtons::YesNoCancel);
        // The text typed last reached the claim before the question.
        QCOMPARE(m_frame->Document().Traveller().Name(), std::string("Kari"));
        m_dialogs.answers.push_back(MsgAnswer::No);
        QVERIFY(m_frame->close());
    }

    void pageKeysScrollByHalfTheVisibleHeight() {
        m_frame->StartWith("");
        m_frame->resize(640, 600);
        Show();
        CFormWidget& form = m_frame->Form();
        int half = form.VisibleHeight() / 2;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(form.ScrollPosition(), half);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(form.ScrollPosition(), 0);
        int end = form.ContentHeight() - form.VisibleHeight();
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        }
        QCOMPARE(form.ScrollPosition(), end);
    }

    void nynorskTotalAndWindowSize() {
        SetWrittenStandardValue(kNynorsk);
        m_frame->StartWith("");
        QCOMPARE(Total(), QStringLiteral("Sum: 0,00"));
        QCOMPARE(m_frame->Form().GetText(kIdNameLabel), std::string("Namn"));
        QCOMPARE(W(kIdName)->accessibleName(), QStringLiteral("Namn"));
        m_frame->PlaceOnScreen();
        QRect area = m_frame->screen()->availableGeometry();
        QCOMPARE(m_frame->width(), 640);
        QCOMPARE(m_frame->height(), MainWindowHeight(area.y() + area.height()));
    }
};

int RunMainFrameTests(int argc, char** argv) {
    MainFrameTest t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace ferdix::test

#include "main_frame_test.moc"
