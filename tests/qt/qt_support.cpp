#include "qt_support.h"

#include <QDialog>
#include <QDir>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "base/text_convert.h"
#include "base/written_standard.h"

namespace ferdix::test {

void TypeText(QWidget* widget, const QString& text) {
    for (char32_t c : text.toUcs4()) {
        QString key = QString::fromUcs4(&c, 1);
        if (c < 0x80) {
            QTest::keyClicks(widget, key);
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, key, Qt::NoModifier);
        }
    }
}

IsolatedHome::IsolatedHome() : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME")) {
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
}

IsolatedHome::~IsolatedHome() {
    qputenv("HOME", m_home);
    qputenv("XDG_CONFIG_HOME", m_config);
}

std::string IsolatedHome::Path(const char* name) const {
    return QFile::encodeName(m_dir.filePath(QString::fromUtf8(name))).toStdString();
}

int ScriptedDialogs::Exec(QDialog& dialog) {
    dialogTitles.push_back(dialog.windowTitle());
    if (users.empty()) {
        return QDialog::Rejected;
    }
    std::function<void(QDialog&)> user = users.front();
    users.pop_front();
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        return QDialog::Rejected;
    }
    user(dialog);
    int result = dialog.result();
    dialog.hide();
    return result;
}

void WindowFixture::InitWindow(IDialogs* dialogs) {
    m_home = std::make_unique<IsolatedHome>();
    m_program = m_home->Path("program/");
    std::filesystem::create_directories(m_program);
    for (const char* name : {"ferdix.ini", "land.ini"}) {
        std::filesystem::copy_file(std::filesystem::path(FERDIX_RESOURCES_DIR) / name,
                                   std::filesystem::path(m_program) / name);
    }
    m_dialogs = ScriptedDialogs();
    m_frame = std::make_unique<CMainFrame>(m_clock, dialogs ? *dialogs : m_dialogs);
}

void WindowFixture::CleanupWindow() {
    m_frame.reset();
    m_home.reset();
}

void WindowFixture::StartWindow(const std::string& commandLine) {
    StartupArgs args{m_program + "ferdix", commandLine, m_home->Path("config/ferdix"), ""};
    QVERIFY(m_frame->Start(args));
}

void WindowFixture::ShowWindow() {
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
}

int RecordingEvents::Count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace ferdix::test
