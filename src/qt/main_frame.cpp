#include "qt/main_frame.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QShortcutEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <set>

#include "app/commands.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "form/control_ids.h"
#include "qt/dialogs.h"
#include "qt/embedded_icons.h"
#include "qt/form_widget.h"
#include "qt/help_window.h"
#include "qt/qt_text.h"
#include "qt/startup_marks.h"
#include "qt/template_dialogs.h"

namespace ferdix {

namespace {

QKeySequence KeyOf(std::string_view portable) {
    return QKeySequence(
        QString::fromLatin1(portable.data(), static_cast<qsizetype>(portable.size())),
        QKeySequence::PortableText);
}

std::vector<std::string> LocalFiles(const QMimeData* mime) {
    std::vector<std::string> paths;
    if (!mime || !mime->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(PathFromQString(url.toLocalFile()));
        }
    }
    return paths;
}

const QString kRecentGroup = QStringLiteral("Recent File List");

}  // namespace

QString UserSettingsPath() {
    // As QSettings("Tovrand", "Ferdix22") places it, but read when asked, so that a changed
    // XDG_CONFIG_HOME (each test has its own) is followed.
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.config");
    }
    return base + QLatin1Char('/') + ToQString(kSettingsOrganisation) + QLatin1Char('/') +
           ToQString(kSettingsApplication) + QStringLiteral(".conf");
}

CMainFrame::CMainFrame(const IClock& clock, IDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(dialogs),
      m_form(new CFormWidget(this)),
      m_app(*this, *this, *m_form, clock) {
    setCentralWidget(m_form);
    m_form->SetEvents(&m_app.FormEvents());
    setAcceptDrops(true);
    BuildActions();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    StartupMark("menus");
    setWindowTitle(QStringLiteral("Ferdix"));
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    connect(m_recoveryTimer, &QTimer::timeout, this, [this] {
        m_app.RecoveryTick();
        ScheduleRecoveryTick();
    });

    // The states follow the clipboard and the two lists' selections.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CMainFrame::ScheduleCommandUpdate);
    m_form->OnStatesChanged([this] { ScheduleCommandUpdate(); });
    // Files dropped anywhere on the window, also on a field that takes dropped text.
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    // The form's widgets outlive the shell; nothing may reach it from them any more.
    m_form->SetEvents(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Building the window from the command table.

void CMainFrame::BuildActions() {
    std::set<QKeySequence> mnemonics;
    for (const MenuInfo& menu : MainMenu()) {
        mnemonics.insert(QKeySequence::mnemonic(ToQString(menu.title)));
    }
    for (const CommandInfo& c : CommandTable()) {
        auto* action = new QAction(this);
        const int id = c.id;
        // The menu shows the key text as stored, after the tab.
        action->setText(ToQString(c.menuText.empty() ? ToolTip(c) : c.menuText));
        action->setStatusTip(ToQString(StatusPrompt(c)));
        action->setToolTip(ToQString(ToolTip(c)));
        // A tool bar button is read by this text; from the menu text it would carry the
        // keys after a tab ("Ny\tCtrl+N").
        action->setIconText(ToQString(ToolTip(c)));
        action->setCheckable(c.kind == CommandKind::Toggle);
        QList<QKeySequence> keys;
        for (std::string_view key : c.keys) {
            if (key.empty()) {
                continue;
            }
            QKeySequence seq = KeyOf(key);
            if (mnemonics.count(seq)) {
                m_mnemonicKeys[seq] = id;
            } else {
                keys << seq;
            }
        }
        action->setShortcuts(keys);
        if (!c.icon.empty()) {
            std::string base(c.icon);
            action->setIcon(EmbeddedIcon({base, base + "@2x"}));
        }
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        // The keys work wherever the focus is in the window, also with the bars hidden.
        addAction(action);
        m_actions[id] = action;
    }
    menuBar()->installEventFilter(this);
}

void CMainFrame::BuildMenus() {
    for (const MenuInfo& info : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(ToQString(info.title));
        bool recentNext = false;
        for (const MenuEntry& entry : info.entries) {
            QAction* added = nullptr;
            switch (entry.kind) {
                case MenuEntryKind::Command:
                    added = m_actions.at(entry.command);
                    menu->addAction(added);
                    break;
                case MenuEntryKind::Separator:
                    added = menu->addSeparator();
                    break;
                case MenuEntryKind::RecentFiles:
                    recentNext = true;
                    continue;
            }
            if (recentNext) {
                m_recentAnchor = added;
                recentNext = false;
            }
        }
        // Opening a menu shows the states of this moment (the clipboard, the recent files).
        connect(menu, &QMenu::aboutToShow, this, [this] {
            RebuildRecentFiles();
            UpdateCommandStates();
        });
        m_menus.push_back(menu);
    }
    RebuildRecentFiles();
}

void CMainFrame::RebuildRecentFiles() {
    QMenu* file = FileMenu();
    const std::vector<std::string>& entries = m_app.RecentFiles().Entries();
    if (!file || !m_recentAnchor || (entries == m_recentShown && !m_recentActions.empty())) {
        return;
    }
    for (QAction* old : m_recentActions) {
        file->removeAction(old);
        // It may be the action whose trigger is running now.
        old->deleteLater();
    }
    m_recentActions.clear();
    m_recentShown = entries;
    const CommandInfo* info = FindCommand(kCmdFileMru1);
    if (entries.empty()) {
        auto* placeholder = new QAction(ToQString(MenuLabel(*info)), this);
        placeholder->setEnabled(false);
        file->insertAction(m_recentAnchor, placeholder);
        m_recentActions.push_back(placeholder);
        return;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int id = kCmdFileMru1 + static_cast<int>(i);
        auto* action = new QAction(PathToQString(RecentFileMenuText(i, entries[i])), this);
        action->setStatusTip(ToQString(StatusPrompt(*info)));
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        file->insertAction(m_recentAnchor, action);
        m_recentActions.push_back(action);
    }
}

void CMainFrame::BuildToolBar() {
    m_toolBar = new QToolBar(QString::fromUtf8("Verktøylinje"), this);
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    for (int id : ToolBarLayout()) {
        if (id == kToolBarGap) {
            m_toolBar->addSeparator();
        } else {
            m_toolBar->addAction(m_actions.at(id));
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    connect(m_toolBar, &QToolBar::visibilityChanged, this, &CMainFrame::ScheduleCommandUpdate);
}

void CMainFrame::BuildStatusBar() {
    m_message = new QLabel(ToQString(kIdleText), this);
    // A screen reader reads the pane by its accessible name, which is its text (the prefix
    // alone would hide the amount).
    m_total = new QLabel(this);
    m_total->setFrameShape(QFrame::Panel);
    m_total->setFrameShadow(QFrame::Sunken);
    for (const StatusPane& pane : StatusPanes()) {
        if (pane.id == kPaneTotal) {
            m_total->setFixedWidth(pane.widthPixels * logicalDpiX() / 96);
        }
    }
    // Command prompts replace "Klar" while the pointer is on a menu item or a button.
    statusBar()->addWidget(m_message, 1);
    statusBar()->addPermanentWidget(m_total);
}

QAction* CMainFrame::Action(int command) const {
    auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------------------------
// Start-up and commands.

bool CMainFrame::Start(const StartupArgs& args) {
    // The questions of the start-up (a claim left by a crash) already see Qt's texts.
    FollowWrittenStandard();
    StartupMark("translation");
    if (!m_app.InitInstance(args)) {
        return false;
    }
    StartupMark("claim");
    FollowWrittenStandard();
    RebuildRecentFiles();
    FocusFirstField();
    UpdateCommandStates();
    ScheduleRecoveryTick();
    return true;
}

void CMainFrame::PlaceOnScreen() {
    QScreen* s = screen();
    if (!s) {
        return;
    }
    QRect area = s->availableGeometry();
    WindowSize size = MainWindowSize(area.y() + area.height());
    resize(size.width, size.height);
    move(x(), area.y());
}

void CMainFrame::FocusFirstField() {
    m_form->SetFocus(kIdPersonId);
    m_form->SetScrollPosition(0);
}

void CMainFrame::FollowWrittenStandard() {
    m_translation.Follow(m_app.Locale().standard);
}

void CMainFrame::RunCommand(int command) {
    AfterCommand(m_app.Execute(command).claimReplaced);
}

void CMainFrame::AfterCommand(bool claimReplaced) {
    FollowWrittenStandard();
    CFerdixDoc* doc = m_app.Document();
    if (claimReplaced && doc && !doc->IsModified()) {
        FocusFirstField();
    }
    UpdateCommandStates();
    ScheduleRecoveryTick();
}

void CMainFrame::UpdateCommandStates() {
    for (auto& [id, action] : m_actions) {
        CommandState state = m_app.UpdateCommand(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
    for (std::size_t i = 0; i < m_recentActions.size(); ++i) {
        if (!m_app.RecentFiles().Empty()) {
            m_recentActions[i]->setEnabled(
                m_app.UpdateCommand(kCmdFileMru1 + static_cast<int>(i)).enabled);
        }
    }
}

void CMainFrame::ScheduleCommandUpdate() {
    // Many events come in a row (a refresh writes every field): one update after them.
    if (m_updatePending) {
        return;
    }
    m_updatePending = true;
    QTimer::singleShot(0, this, [this] {
        m_updatePending = false;
        UpdateCommandStates();
    });
}

void CMainFrame::ScheduleRecoveryTick() {
    std::optional<std::chrono::milliseconds> due = m_app.RecoveryDueIn();
    if (!due) {
        m_recoveryTimer->stop();
    } else if (!m_recoveryTimer->isActive() || m_recoveryTimer->remainingTime() > due->count()) {
        m_recoveryTimer->start(*due);
    }
}

void CMainFrame::AfterFormEvent() {
    // Leaving the identity number reads the traveller's profile, which may switch the
    // written standard.
    FollowWrittenStandard();
    ScheduleCommandUpdate();
    ScheduleRecoveryTick();
}

// ---------------------------------------------------------------------------------------------
// Events.

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_app.QueryClose()) {
        if (m_help) {
            m_help->close();
        }
        // A normal end: the recovery copy is not needed any more.
        m_app.ExitInstance();
        m_recoveryTimer->stop();
        event->accept();
    } else {
        event->ignore();
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Shortcut:
            if (watched == menuBar()) {
                auto* shortcut = static_cast<QShortcutEvent*>(event);
                auto it = m_mnemonicKeys.find(shortcut->key());
                if (it != m_mnemonicKeys.end()) {
                    RunCommand(it->second);
                    return true;
                }
            }
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->window() == this && HandleDrop(event)) {
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::HandleDrop(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> paths = LocalFiles(drop->mimeData());
    if (paths.empty()) {
        return false;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        // Queued: the dragging application waits for the drop to end before any question.
        QTimer::singleShot(0, this, [this, paths] { AfterCommand(m_app.OnDropFiles(paths)); });
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// IClaimHost

MsgAnswer CMainFrame::ShowMessage(const MessageRequest& request) {
    return m_dialogs.Message(request.ownedByForm ? this : nullptr, request);
}

void CMainFrame::SetStatusTotal(const std::string& text) {
    QString shown = ToQString(text);
    if (shown == m_total->text()) {
        return;
    }
    m_total->setText(shown);
    // QLabel tells no one; a screen reader learns of the new amount from this.
    QAccessibleEvent changed(m_total, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    // 100 pixels, but never so narrow that a large amount is cut.
    int needed = m_total->fontMetrics().horizontalAdvance(m_total->text()) +
                 2 * m_total->fontMetrics().averageCharWidth() + 2 * m_total->frameWidth();
    m_total->setFixedWidth(std::max(100 * logicalDpiX() / 96, needed));
}

void CMainFrame::TitleChanged(const std::string& title) {
    setWindowTitle(MixedToQString(WindowCaption(title)));
}

std::optional<std::string> CMainFrame::AskFilePath(const FileDialogRequest& request) {
    FollowWrittenStandard();
    return m_dialogs.FilePath(this, request);
}

// ---------------------------------------------------------------------------------------------
// IShellPlatform

void CMainFrame::PrintUnavailable() {
    MessageRequest request;
    request.caption = "Ferdix";
    request.text = "Utskrift er ikke tilgjengelig i denne utgaven av Ferdix.";
    request.icon = MsgIcon::Information;
    request.ownedByForm = true;
    ShowMessage(request);
}

void CMainFrame::Print() {
    FollowWrittenStandard();
    m_print.print ? m_print.print() : PrintUnavailable();
}

void CMainFrame::PrintPreview() {
    FollowWrittenStandard();
    m_print.preview ? m_print.preview() : PrintUnavailable();
}

void CMainFrame::PrinterSetup() {
    FollowWrittenStandard();
    m_print.setup ? m_print.setup() : PrintUnavailable();
}

void CMainFrame::ExportPdf() {
    FollowWrittenStandard();
    m_print.exportPdf ? m_print.exportPdf() : PrintUnavailable();
}

void CMainFrame::ShowHelpTopic(int topic) {
    if (!m_help) {
        m_help = new CHelpWindow(this);
        // Beside the form where the screen has room, so that both can be read.
        QRect frame = frameGeometry();
        QRect area = screen() ? screen()->availableGeometry() : QRect();
        if (frame.right() + m_help->width() < area.right()) {
            m_help->move(frame.right() + 1, frame.top());
        }
    }
    m_help->ShowTopic(topic);
}

void CMainFrame::ShowContextHelp() {
    // One page per written standard covers the whole form.
    ShowHelpTopic(m_app.Locale().standard == kNynorsk ? kHelpTopicNynorsk : kHelpTopicBokmal);
}

bool CMainFrame::IsToolBarVisible() const {
    return !m_toolBar->isHidden();
}

void CMainFrame::ShowToolBar(bool visible) {
    m_toolBar->setVisible(visible);
}

bool CMainFrame::IsStatusBarVisible() const {
    return !statusBar()->isHidden();
}

void CMainFrame::ShowStatusBar(bool visible) {
    statusBar()->setVisible(visible);
}

void CMainFrame::CloseMainWindow() {
    close();
}

namespace {
DialogUnits UnitsOf(const CFormWidget& form) {
    return DialogUnits{form.UnitX(), form.UnitY(), form.FormFont()};
}
DialogResult ResultOf(int result) {
    return result == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}
}  // namespace

DialogResult CMainFrame::RunRatesDialog(CRatesDlg& dialog) {
    CQtRatesDialog window(dialog, this, UnitsOf(*m_form));
    return ResultOf(m_dialogs.Exec(window));
}

DialogResult CMainFrame::RunKmSoFarDialog(CKmSoFarDlg& dialog) {
    CQtKmSoFarDialog window(dialog, this, UnitsOf(*m_form));
    return ResultOf(m_dialogs.Exec(window));
}

void CMainFrame::RunAboutDialog(const CAboutDlg& dialog) {
    CQtAboutDialog window(dialog, this, UnitsOf(*m_form));
    m_dialogs.Exec(window);
}

std::vector<std::string> CMainFrame::LoadRecentFiles() {
    QSettings settings(UserSettingsPath(), QSettings::IniFormat);
    std::vector<std::string> paths;
    settings.beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty()) {
            paths.push_back(PathFromQString(path));
        }
    }
    return paths;
}

void CMainFrame::SaveRecentFiles(const std::vector<std::string>& paths) {
    QSettings settings(UserSettingsPath(), QSettings::IniFormat);
    settings.beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        auto at = static_cast<std::size_t>(i - 1);
        QString key = QStringLiteral("File%1").arg(i);
        if (at < paths.size()) {
            settings.setValue(key, PathToQString(paths[at]));
        } else {
            settings.remove(key);
        }
    }
    settings.endGroup();
    settings.sync();
    RebuildRecentFiles();
}

}  // namespace ferdix
