#include "qt_support.h"

#include <QDialog>
#include <QDir>
#include <QTest>
#include <algorithm>

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

int RecordingEvents::Count(const std::string& event) const {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
}

}  // namespace ferdix::test
