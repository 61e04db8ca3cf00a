#include "qt/help_window.h"

#include <QKeyEvent>

#include "app/commands.h"

namespace ferdix {

QUrl HelpPage(int topic) {
    return QUrl(topic == kHelpTopicNynorsk ? QStringLiteral("qrc:/help/ferdix_nn.html")
                                           : QStringLiteral("qrc:/help/ferdix_nb.html"));
}

CHelpWindow::CHelpWindow(QWidget* owner) : QTextBrowser(owner) {
    // A window of its own beside the form, closed with the main window.
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Ferdix - Hjelp"));
    setOpenExternalLinks(false);
    resize(560, 640);
}

void CHelpWindow::ShowTopic(int topic) {
    if (topic != m_topic) {
        m_topic = topic;
        setSource(HelpPage(topic), QTextDocument::HtmlResource);
    }
    show();
    raise();
    activateWindow();
}

void CHelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

}  // namespace ferdix
