#include "app/ferdix_app.h"

#include <filesystem>
#include <system_error>

#include "app/about_dlg.h"
#include "app/km_so_far_dlg.h"
#include "app/rates_dlg.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "claim/rate_messages.h"
#include "rates/rate_table.h"

namespace ferdix {

std::string CommandLineText(std::span<const std::string> arguments) {
    std::string text;
    for (const std::string& a : arguments) {
        if (!text.empty()) {
            text += ' ';
        }
        text += a;
    }
    return text;
}

CFerdixApp::CFerdixApp(IClaimHost& host, IShellPlatform& platform, IFormControls& controls,
                       const IClock& clock, const ITickClock* ticks)
    : m_host(host),
      m_platform(platform),
      m_controls(controls),
      m_clock(clock),
      m_ticks(ticks ? *ticks : m_steadyTicks) {}

CFerdixApp::~CFerdixApp() {
    // Without a close the user never answered the save question: the copy stays.
    if (m_recovery) {
        m_recovery->Abandon();
    }
    ExitInstance();
    // The view goes first: it refers to the document.
    m_view.reset();
    m_doc.reset();
}

bool CFerdixApp::InitInstance(const StartupArgs& args) {
    if (m_doc) {
        return false;
    }
    m_files = LocateFiles(args.exePath, args.userConfigDir, m_systemConfigDirs);
    ReadFolderSettings(m_files, m_settings);
    m_recent.Load(m_platform.LoadRecentFiles());

    m_locale = DecideStartLocale(m_files, args.invokedAs.empty() ? args.exePath : args.invokedAs);
    NoticeConfiguration();

    m_doc = std::make_unique<CFerdixDoc>(m_locale, m_clock, &m_files);
    m_view = std::make_unique<CFerdixView>(*m_doc, m_controls, &m_viewHost);
    m_doc->SetHost(&m_hostRelay);
    m_doc->SetView(m_view.get());
    if (m_settings.hasDefaultClaimFolder) {
        m_doc->SetDefaultClaimFolder(m_settings.defaultClaimFolder);
    }
    // The form is set up by a new claim; a claim from the command line then replaces it, and
    // when that cannot be read the new claim stays.
    m_doc->OnNewDocument();
    StartRecovery(args.userConfigDir);
    if (!args.commandLine.empty() && OpenDocumentFile(args.commandLine)) {
        m_doc->RefreshStatusSum();
    }

    ReadValidityTexts(m_files, m_settings);
    return true;
}

void CFerdixApp::ExitInstance() {
    if (m_recovery) {
        m_recovery->Stop();
    }
    m_recovery.reset();
    m_recoveryWriter.reset();
    m_recoveryFolder.reset();
}

void CFerdixApp::NoticeConfiguration() {
    std::string text =
        ConfigurationNoticeText(m_locale.standard, LoadFerdixIni(m_files), LoadLandIni(m_files));
    if (!text.empty()) {
        m_host.ShowMessage(ConfigurationNotice(std::move(text)));
    }
    if (m_files.ferdixIni.empty()) {
        return;
    }
    IniDocument own;
    if (own.Load(m_files.ferdixIni) != IniLoadResult::Loaded) {
        return;
    }
    std::optional<NewerOfficeRates> found =
        FindNewerOfficeRates(own, IniLayers(m_files.sharedFerdixIni));
    if (!found) {
        return;
    }
    MsgAnswer answer =
        m_host.ShowMessage(NewerOfficeRatesQuestion(m_locale.standard, *found, m_files.ferdixIni));
    if (answer != MsgAnswer::Yes && answer != MsgAnswer::No) {
        return;  // no answer: asked again at the next start
    }
    std::string error;
    if (!AnswerNewerOfficeRates(m_files.ferdixIni, *found, answer == MsgAnswer::Yes, &error)) {
        m_host.ShowMessage(OwnRatesNotChangedMessage(m_locale.standard, error));
    }
}

// ---------------------------------------------------------------------------------------------
// The recovery copy.

void CFerdixApp::StartRecovery(const std::string& userConfigDir) {
    if (userConfigDir.empty()) {
        return;
    }
    auto folder =
        std::make_unique<CRecoveryFolder>(userConfigDir + "/" + std::string(kRecoveryFolderName));
    if (!folder->Open()) {
        m_recoveryError = folder->Error();
        // Copies of runs that are gone cannot be taken over here; the user still learns where
        // they are.
        std::vector<std::string> waiting = folder->WaitingCopies();
        if (!waiting.empty()) {
            MessageRequest m;
            m.caption = "Ferdix";
            m.text = RecoveryBlockedText(m_locale.standard, folder->Folder(), waiting);
            m.icon = MsgIcon::Warning;
            m_host.ShowMessage(m);
        }
        return;
    }
    m_recoveryFolder = std::move(folder);
    m_recoveryWriter = std::make_unique<CBackgroundRecoveryWriter>(m_recoveryFolder->CopyPath(),
                                                                   m_recoveryFolder->NamePath());
    m_recovery = std::make_unique<CRecoveryKeeper>(*m_doc, *m_recoveryWriter, m_ticks);
    m_recovery->SetHandOver([this] {
        if (m_view && !m_view->IsLoading()) {
            m_view->HandOverTextInProgress();
        }
    });
    OfferOrphanedCopies();
}

void CFerdixApp::OfferOrphanedCopies() {
    std::vector<std::string> oddities;
    std::vector<OrphanedCopy> orphans = m_recoveryFolder->FindOrphans(m_locale.standard, &oddities);
    if (!oddities.empty()) {
        MessageRequest m;
        m.caption = "Ferdix";
        m.text = RecoveryOdditiesText(m_locale.standard, oddities);
        m.icon = MsgIcon::Warning;
        m_host.ShowMessage(m);
    }
    for (std::size_t i = 0; i < orphans.size(); ++i) {
        OrphanedCopy& copy = orphans[i];
        std::string bytes;
        if (!ReadOrphanedCopy(copy, bytes)) {
            std::optional<std::string> aside = SetOrphanedCopyAside(copy);
            MessageRequest m;
            m.caption = "Ferdix";
            m.text = RecoveryUnreadableText(m_locale.standard, copy, aside);
            m.icon = MsgIcon::Warning;
            m_host.ShowMessage(m);
            continue;
        }
        MessageRequest m;
        m.caption = "Ferdix";
        m.text = RecoveryQuestionText(m_locale.standard, copy);
        m.buttons = MsgButtons::YesNo;
        m.icon = MsgIcon::Question;
        m.defaultButton = MsgAnswer::Yes;
        m.foreground = true;
        MsgAnswer answer = m_host.ShowMessage(m);
        if (answer == MsgAnswer::No) {
            DiscardOrphanedCopy(copy);
            continue;
        }
        if (answer != MsgAnswer::Yes) {
            copy.lock.Release();  // no answer: kept for the next start
            continue;
        }
        m_doc->OpenRecoveredClaim(bytes, copy.oldName);
        // The old copy goes only once this run's own copy is on disk.
        m_recovery->WriteNow();
        m_recoveryWriter->Flush();
        if (m_recoveryWriter->TakeFailure()) {
            copy.lock.Release();
        } else {
            DiscardOrphanedCopy(copy);
        }
        // One claim is open at a time; the others wait for the next start.
        if (i + 1 < orphans.size()) {
            MessageRequest more;
            more.caption = "Ferdix";
            more.text = RecoveryMoreCopiesText(m_locale.standard);
            more.icon = MsgIcon::Information;
            m_host.ShowMessage(more);
        }
        break;
    }
}

void CFerdixApp::NoticeRecovery() {
    if (!m_doc || (m_view && m_view->IsLoading())) {
        return;  // a claim half read is no claim to keep
    }
    if (m_recovery) {
        m_recovery->Notice();
    }
    ReportRecoveryFailure();
}

void CFerdixApp::RecoveryTick() {
    if (m_recovery) {
        m_recovery->Tick();
    }
    ReportRecoveryFailure();
}

std::optional<std::chrono::milliseconds> CFerdixApp::RecoveryDueIn() const {
    return m_recovery ? m_recovery->DueIn() : std::nullopt;
}

void CFerdixApp::FlushRecovery() {
    if (m_recoveryWriter) {
        m_recoveryWriter->Flush();
    }
}

void CFerdixApp::ReportRecoveryFailure() {
    std::optional<std::string> failure;
    if (m_recoveryWriter) {
        failure = m_recoveryWriter->TakeFailure();
    } else if (!m_recoveryError.empty() && m_doc && m_doc->IsModified()) {
        failure = m_recoveryError;
    }
    // Once a run: the user knows to save, and a box at every field would stop the work.
    if (!failure || m_recoveryFailureShown) {
        return;
    }
    m_recoveryFailureShown = true;
    MessageRequest m;
    m.caption = "Ferdix";
    m.text = RecoveryFailedText(m_locale.standard, *failure);
    m.icon = MsgIcon::Warning;
    m_host.ShowMessage(m);
}

// ---------------------------------------------------------------------------------------------
// The claim's life as the main window asks for it.

bool CFerdixApp::FileNew() {
    bool replaced = m_doc && m_doc->SaveModified() && m_doc->OnNewDocument();
    NoticeRecovery();
    return replaced;
}

bool CFerdixApp::OpenDocumentFile(const std::string& path) {
    // The path is kept for later saves and the recent-file list, so it must not depend on the
    // working folder.
    bool opened = m_doc && m_doc->OpenDocumentFile(FullPath(path));
    NoticeRecovery();
    return opened;
}

bool CFerdixApp::OpenRecentFile(std::size_t index) {
    if (index >= m_recent.Size()) {
        return false;
    }
    std::string path = m_recent.Entries()[index];
    if (OpenDocumentFile(path)) {
        return true;
    }
    ForgetMissingRecentFile(path);
    return false;
}

void CFerdixApp::ForgetMissingRecentFile(const std::string& path) {
    // A file that is gone leaves the list; one that could not be read this time stays.
    std::error_code ec;
    if (std::filesystem::exists(path, ec) || ec) {
        return;
    }
    const std::vector<std::string>& entries = m_recent.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == path) {
            m_recent.Remove(i);
            m_platform.SaveRecentFiles(m_recent.Entries());
            return;
        }
    }
}

bool CFerdixApp::OnDropFiles(std::span<const std::string> paths) {
    return !paths.empty() && OpenDocumentFile(paths.front());
}

bool CFerdixApp::QueryClose() {
    return !m_doc || m_doc->SaveModified();
}

void CFerdixApp::AddRecentFile(const std::string& path) {
    m_recent.Add(path);
    m_platform.SaveRecentFiles(m_recent.Entries());
}

// ---------------------------------------------------------------------------------------------
// Dialogs.

void CFerdixApp::RunRatesDialog() {
    if (!m_doc || !m_view) {
        return;
    }
    CRatesDlg dialog(*m_doc, m_view.get());
    if (m_platform.RunRatesDialog(dialog) != DialogResult::Ok) {
        return;  // changes made with "Endre" hold for the run
    }
    RatesSaveResult saved = SaveRates(*m_doc);
    if (!saved.ok) {
        m_host.ShowMessage(RatesNotSavedMessage(saved));
    }
}

void CFerdixApp::RunAboutDialog() {
    std::vector<std::string> files = m_settings.ferdixIniInForce;
    files.insert(files.end(), m_settings.landIniInForce.begin(), m_settings.landIniInForce.end());
    CAboutDlg dialog(m_locale.standard, m_settings.ratesFrom, m_settings.abroadRatesFrom,
                     std::move(files));
    m_platform.RunAboutDialog(dialog);
}

std::optional<std::uint32_t> CFerdixApp::ViewHost::AskKmSoFar(std::uint32_t current) {
    CKmSoFarDlg dialog(current, &m_app.m_host);
    if (m_app.m_platform.RunKmSoFarDialog(dialog) != DialogResult::Ok) {
        return std::nullopt;
    }
    return dialog.Value();
}

// ---------------------------------------------------------------------------------------------
// Commands.

CommandState CFerdixApp::UpdateCommand(int id) const {
    CommandState state;
    if (!m_doc || !m_view || !FindCommand(id)) {
        return state;
    }
    switch (id) {
        case kCmdViewToolBar:
            state.enabled = true;
            state.checked = m_platform.IsToolBarVisible();
            break;
        case kCmdViewStatusBar:
            state.enabled = true;
            state.checked = m_platform.IsStatusBarVisible();
            break;
        // The frame has a single pane.
        case kCmdNextPane:
        case kCmdPrevPane:
            state.enabled = false;
            break;
        default:
            if (id >= kCmdFileMru1 && id <= kCmdFileMruLast) {
                state.enabled = static_cast<std::size_t>(id - kCmdFileMru1) < m_recent.Size();
            } else {
                // The form's rules, and always for the shell's and document's commands.
                state.enabled = m_view->IsCommandEnabled(id);
                state.checked = m_view->IsCommandChecked(id);
            }
            break;
    }
    return state;
}

CommandResult CFerdixApp::Execute(int id) {
    if (!UpdateCommand(id).enabled) {
        return {};
    }
    CommandResult result = ExecuteCommand(id);
    NoticeRecovery();
    return result;
}

CommandResult CFerdixApp::ExecuteCommand(int id) {
    switch (id) {
        case kCmdFileNew:
            return {true, FileNew()};
        case kCmdFileOpen:
            return {true, m_doc->OnFileOpen()};
        case kCmdFileSave:
            m_doc->OnFileSave();
            break;
        case kCmdFileSaveAs:
            m_doc->OnFileSaveAs();
            break;
        case kCmdFilePrint:
            // Printing reads the claim; the field being edited hands its text over first.
            m_view->HandOverFocus();
            m_platform.Print();
            break;
        case kCmdFilePrintPreview:
            m_view->HandOverFocus();
            m_platform.PrintPreview();
            break;
        case kCmdFileExportPdf:
            m_view->HandOverFocus();
            m_platform.ExportPdf();
            break;
        case kCmdFilePrintSetup:
            m_platform.PrinterSetup();
            break;
        case kCmdAppExit:
            m_platform.CloseMainWindow();
            break;
        case kCmdViewToolBar:
            m_platform.ShowToolBar(!m_platform.IsToolBarVisible());
            break;
        case kCmdViewStatusBar:
            m_platform.ShowStatusBar(!m_platform.IsStatusBarVisible());
            break;
        case kCmdHelpIndex:
            m_platform.ShowHelpTopic(m_locale.standard == kNynorsk ? kHelpTopicNynorsk
                                                                   : kHelpTopicBokmal);
            break;
        case kCmdContextHelp:
            m_platform.ShowContextHelp();
            break;
        case kCmdAppAbout:
            RunAboutDialog();
            break;
        case kCmdRatesDialog:
            RunRatesDialog();
            break;
        default:
            if (id >= kCmdFileMru1 && id <= kCmdFileMruLast) {
                return {true, OpenRecentFile(static_cast<std::size_t>(id - kCmdFileMru1))};
            }
            return {m_view->Execute(id), false};
    }
    return {true, false};
}

// ---------------------------------------------------------------------------------------------
// Relays.

MsgAnswer CFerdixApp::HostRelay::ShowMessage(const MessageRequest& request) {
    return m_app.m_host.ShowMessage(request);
}

bool CFerdixApp::HostRelay::HasMainWindow() const {
    return m_app.m_host.HasMainWindow();
}

void CFerdixApp::HostRelay::SetStatusTotal(const std::string& text) {
    m_app.m_host.SetStatusTotal(text);
}

void CFerdixApp::HostRelay::TitleChanged(const std::string& title) {
    m_app.m_host.TitleChanged(title);
}

std::optional<std::string> CFerdixApp::HostRelay::AskFilePath(const FileDialogRequest& request) {
    return m_app.m_host.AskFilePath(request);
}

void CFerdixApp::HostRelay::AddToRecentFiles(const std::string& path) {
    m_app.AddRecentFile(path);
}

void CFerdixApp::EventRelay::Forward(void (IFormEvents::*handler)(int), int id) {
    if (m_app.m_view) {
        (m_app.m_view.get()->*handler)(id);
        m_app.NoticeRecovery();
    }
    m_app.m_platform.AfterFormEvent();
}

}  // namespace ferdix
