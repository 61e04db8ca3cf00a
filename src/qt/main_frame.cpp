#include "qt/main_frame.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <algorithm>

#include "base/control_ids.h"
#include "base/cp1252.h"
#include "qt/dialogs.h"
#include "qt/form_widget.h"
#include "qt/qt_text.h"

namespace ferdix {

int MainWindowHeight(int workAreaBottom) {
    return workAreaBottom <= 800 ? workAreaBottom - 30 : 770;
}

CMainFrame::CMainFrame(const IClock& clock, const FileLocations* files,
                       const ProgramSettings& settings, IDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(dialogs),
      m_doc(clock, files),
      m_form(new CFormWidget(this)),
      m_view(std::make_unique<CFerdixView>(m_doc, *m_form, this)),
      m_message(new QLabel(QStringLiteral("Klar"), this)),
      m_total(new QLabel(this)) {
    setCentralWidget(m_form);
    m_form->SetEvents(m_view.get());
    m_doc.SetHost(this);
    m_doc.SetView(m_view.get());
    if (settings.hasDefaultClaimFolder) {
        m_doc.SetDefaultClaimFolder(settings.defaultClaimFolder);
    }

    statusBar()->addWidget(m_message, 1);
    m_total->setFixedWidth(kTotalPaneWidth * logicalDpiX() / 96);
    m_total->setAccessibleName(ToQString("Beløp"_cp));
    statusBar()->addPermanentWidget(m_total);

    struct Key {
        QKeySequence keys;
        void (CMainFrame::*command)();
    };
    for (const Key& k : {Key{QKeySequence(Qt::CTRL | Qt::Key_N), &CMainFrame::FileNew},
                         Key{QKeySequence(Qt::CTRL | Qt::Key_O), &CMainFrame::FileOpen},
                         Key{QKeySequence(Qt::CTRL | Qt::Key_S), &CMainFrame::FileSave}}) {
        auto command = k.command;
        new QShortcut(k.keys, this, [this, command] { (this->*command)(); });
    }
    for (auto [key, command] :
         {std::pair{Qt::Key_PageDown, kCmdScrollDown}, std::pair{Qt::Key_PageUp, kCmdScrollUp}}) {
        int id = command;
        new QShortcut(QKeySequence(key), this, [this, id] { m_view->Execute(id); });
    }
}

CMainFrame::~CMainFrame() {
    // The widgets outlive this object's members; nothing may reach the view or the document.
    m_form->SetEvents(nullptr);
    m_doc.SetView(nullptr);
    m_doc.SetHost(nullptr);
}

void CMainFrame::PlaceOnScreen() {
    QScreen* s = screen();
    if (!s) {
        return;
    }
    QRect area = s->availableGeometry();
    int bottom = area.y() + area.height();
    resize(kMainWindowWidth, MainWindowHeight(bottom));
    move(x(), area.y());
}

void CMainFrame::StartWith(const std::string& path) {
    // The form is set up once for a new claim; a claim named at start is read into it.
    m_doc.OnNewDocument();
    if (!path.empty() && !m_doc.OpenDocumentFile(path)) {
        m_doc.OnNewDocument();
    }
    FocusFirstField();
}

void CMainFrame::FocusFirstField() {
    m_form->SetFocus(kIdPersonId);
    m_form->SetScrollPosition(0);
}

void CMainFrame::FileNew() {
    if (m_doc.SaveModified()) {
        m_doc.OnNewDocument();
        FocusFirstField();
    }
}

void CMainFrame::FileOpen() {
    std::string before = m_doc.GetTitle();
    m_doc.OnFileOpen();
    if (m_doc.GetTitle() != before || !m_doc.IsModified()) {
        FocusFirstField();
    }
}

void CMainFrame::FileSave() {
    m_doc.OnFileSave();
}

MsgAnswer CMainFrame::ShowMessage(const MessageRequest& request) {
    return m_dialogs.Message(request.ownedByForm ? this : nullptr, request);
}

void CMainFrame::SetStatusTotal(const std::string& text) {
    m_total->setText(ToQString(text));
    // 100 pixels, but never so narrow that a large amount is cut.
    int needed = m_total->fontMetrics().horizontalAdvance(m_total->text()) +
                 2 * m_total->fontMetrics().averageCharWidth();
    m_total->setFixedWidth(std::max(kTotalPaneWidth * logicalDpiX() / 96, needed));
}

void CMainFrame::TitleChanged(const std::string& title) {
    setWindowTitle(QStringLiteral("Ferdix - ") + MixedToQString(title));
}

std::optional<std::string> CMainFrame::AskFilePath(const FileDialogRequest& request) {
    return m_dialogs.FilePath(this, request);
}

std::optional<std::uint32_t> CMainFrame::AskKmSoFar(std::uint32_t current) {
    return m_dialogs.KmSoFar(this, current);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_doc.SaveModified()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace ferdix
