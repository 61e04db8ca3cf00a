// New, Open, Save, Save As and the question before a modified claim is replaced or closed.
#include <sstream>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "claim/claim_file.h"
#include "claim/ferdix_doc.h"

namespace ferdix {

namespace {

constexpr std::string_view kUntitled = "Untitled";

std::string FileNameOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool CFerdixDoc::OnNewDocument() {
    m_strPathName.clear();
    SetTitle(std::string(kUntitled));
    m_bOpenedByFramework = false;
    m_claim.Reset();
    if (m_pView) {
        m_pView->ClearForm();
        m_pView->InitialiseForm();
    }
    RefreshStatusSum();
    SetModified(false);
    return true;
}

std::optional<std::string> CFerdixDoc::AskPath(bool save) {
    if (!m_pHost) {
        return std::nullopt;
    }
    FileDialogRequest request;
    request.save = save;
    request.initialFolder = m_strDefaultClaimFolder;
    return m_pHost->AskFilePath(request);
}

void CFerdixDoc::ShowOpenFailed(const std::string& path) {
    if (!m_pHost)
        return;
    MessageRequest m;
    m.caption = std::string(ByStandard(m_locale.standard, "Feil ved åpning"_cp, "Feil ved opning"));
    // The path as the file system has it; the platform shows its UTF-8 as such.
    m.text = std::string(ByStandard(m_locale.standard, "Kan ikke lese filen\n"_cp,
                                    "Kan ikkje lese fila\n")) +
             path;
    m.icon = MsgIcon::Exclamation;
    m_pHost->ShowMessage(m);
}

void CFerdixDoc::ReportDamage(const std::string& path, const ClaimDamage& damage) {
    if (!damage.Any()) {
        return;
    }
    // What is shown is not what the file holds.
    SetModified(true);
    if (m_pHost) {
        std::string name =
            path.empty() ? std::string(ByStandard(m_locale.standard, "(ny reiseregning uten navn)",
                                                  "(ny reiserekning utan namn)"))
                         : path;
        m_pHost->ShowMessage(DamagedClaimMessage(m_locale.standard, name, damage));
    }
}

void CFerdixDoc::ShowSaveFailed() {
    if (!m_pHost)
        return;
    MessageRequest m;
    m.caption = "Feil ved lagring";
    m.text = std::string(ByStandard(m_locale.standard, "Vennligst bruk 'Lagre som'",
                                    "Vær vennleg bruk 'Lagre som'"_cp));
    m_pHost->ShowMessage(m);
}

bool CFerdixDoc::OnFileOpen() {
    // Replacing a modified claim without asking would lose the user's changes.
    if (!SaveModified()) {
        return false;
    }
    std::optional<std::string> path = AskPath(false);
    if (!path) {
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(*path, bytes)) {
        ShowOpenFailed(*path);
        return false;
    }
    if (m_pView) {
        m_pView->SetLoading(true);
    }
    ClaimDamage damage = LoadClaim(bytes);
    // The title names the file only once it has been read. The path name of a claim opened
    // before must not stay behind, or a later save could write this claim into that file.
    m_strPathName.clear();
    SetTitle(*path);
    SetModified(false);
    if (m_pView) {
        m_pView->SetLoading(true);
        m_pView->InitialiseForm();
    }
    if (m_pHost) {
        m_pHost->AddToRecentFiles(*path);
    }
    ReportDamage(*path, damage);
    return true;
}

std::string CFerdixDoc::ClaimBytes() {
    std::ostringstream out;
    WriteClaim(m_claim, m_locale.dateOrder, m_pClock->Now(), out);
    WriteProfile();
    return out.str();
}

bool CFerdixDoc::WriteClaimFile(const std::string& path, bool withNul) {
    std::string bytes = ClaimBytes();
    if (withNul) {
        bytes.push_back('\0');
    }
    FileWriteResult r = WriteFileAtomically(path, bytes);
    if (r.ok) {
        SetModified(false);
    }
    return r.ok;
}

bool CFerdixDoc::SaveClaimToFile(const std::string& path, std::string* savedTo) {
    std::string target = m_bOpenedByFramework ? m_strPathName : path;
    if (WriteClaimFile(target, true)) {
        if (savedTo) {
            *savedTo = target;
        }
        return true;
    }
    if (!m_strPathName.empty() && m_strPathName != target && WriteClaimFile(m_strPathName, true)) {
        if (savedTo) {
            *savedTo = m_strPathName;
        }
        return true;
    }
    ShowSaveFailed();
    return false;
}

void CFerdixDoc::OnFileSave() {
    if (m_pView) {
        m_pView->HandOverFocus();
    }
    std::string title = m_strTitle;
    if (StartsWithNoCase(title, "untitled")) {
        OnFileSaveAs();
        return;
    }
    if (title.size() >= 2 && title.compare(title.size() - 2, 2, " *") == 0) {
        title.resize(title.size() - 2);
    }
    // After the framework path the title is the bare file name; list where the claim went.
    std::string saved;
    if (SaveClaimToFile(title, &saved) && m_pHost) {
        m_pHost->AddToRecentFiles(saved);
    }
}

void CFerdixDoc::OnFileSaveAs() {
    // The field being edited belongs in the copy too.
    if (m_pView) {
        m_pView->HandOverFocus();
    }
    m_bOpenedByFramework = false;
    std::optional<std::string> path = AskPath(true);
    if (!path) {
        return;
    }
    if (!SaveClaimToFile(*path)) {
        return;  // the claim keeps its name and its mark
    }
    // Saving on closing goes to the new file too, never to a file the claim was opened from.
    m_strPathName = *path;
    SetTitle(*path);
    SetModified(false);
    if (m_pHost) {
        m_pHost->AddToRecentFiles(*path);
    }
}

bool CFerdixDoc::SaveModified() {
    if (m_pView) {
        m_pView->HandOverFocus();
    }
    if (!IsModified()) {
        return true;
    }
    if (!m_pHost) {
        return false;
    }
    MessageRequest m;
    m.caption = "Ferdix";
    m.text = std::string(ByStandard(m_locale.standard,
                                    "Ønsker du å lagre før du lukker\nreiseregningen?"_cp,
                                    "Ønskjer du å lagre før du lukker\nreiserekninga?"_cp));
    m.buttons = MsgButtons::YesNoCancel;
    m.icon = MsgIcon::Question;
    switch (m_pHost->ShowMessage(m)) {
        case MsgAnswer::No:
            return true;
        case MsgAnswer::Yes:
            return DoFileSave();
        default:
            return false;
    }
}

void CFerdixDoc::ShowNewClaim() {
    // Refreshing the fields must not write the stored rates back over themselves.
    if (m_pView) {
        m_pView->SetLoading(true);
        m_pView->RefreshForm();
        m_pView->SetLoading(false);
    }
    RefreshStatusSum();
    SetModified(false);
}

void CFerdixDoc::ReplaceClaim(ClaimData claim) {
    m_claim = std::move(claim);
    ShowNewClaim();
}

ClaimDamage CFerdixDoc::LoadClaim(std::string_view bytes) {
    m_bOpenedByFramework = false;
    // Into the open claim: a piece the file does not reach keeps its value, as it always has.
    ClaimRead read = ReadClaim(m_claim, bytes);
    ShowNewClaim();
    // Told once the claim is on the form, in the order the file raised them.
    ShowWarnings(read.warnings);
    return read.damage;
}

ClaimDamage CFerdixDoc::Serialize(std::string& buffer, bool storing) {
    ClaimDamage damage;
    if (storing) {
        buffer = ClaimBytes();
    } else {
        damage = LoadClaim(buffer);
        m_bOpenedByFramework = true;
    }
    SetModified(false);
    return damage;
}

bool CFerdixDoc::OpenDocumentFile(const std::string& path) {
    if (!SaveModified()) {
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        ShowOpenFailed(path);
        return false;
    }
    if (m_pView) {
        m_pView->SetLoading(true);
    }
    ClaimDamage damage = Serialize(bytes, false);
    m_strPathName = path;
    SetTitle(FileNameOf(path));
    if (m_pView) {
        m_pView->SetLoading(true);
        m_pView->InitialiseForm();
    }
    RefreshStatusSum();
    if (m_pHost) {
        m_pHost->AddToRecentFiles(path);
    }
    ReportDamage(path, damage);
    return true;
}

std::string CFerdixDoc::SavePath() const {
    if (m_bOpenedByFramework) {
        return m_strPathName;
    }
    std::string title = m_strTitle;
    if (title.empty() || StartsWithNoCase(title, "untitled")) {
        return {};
    }
    if (title.size() >= 2 && title.compare(title.size() - 2, 2, " *") == 0) {
        title.resize(title.size() - 2);
    }
    return title;
}

void CFerdixDoc::OpenRecoveredClaim(const std::string& bytes, const std::string& oldPath) {
    if (m_pView) {
        m_pView->SetLoading(true);
    }
    ClaimDamage damage = LoadClaim(bytes);
    m_bOpenedByFramework = !oldPath.empty();
    m_strPathName = oldPath;
    SetTitle(oldPath.empty() ? std::string(kUntitled) : FileNameOf(oldPath));
    if (m_pView) {
        m_pView->SetLoading(true);
        m_pView->InitialiseForm();
    }
    RefreshStatusSum();
    SetModified(true);
    ReportDamage(oldPath, damage);
}

bool CFerdixDoc::DoFileSave() {
    // Where Ctrl+S would write: the framework's path name, or the full path the title holds
    // after the own Open or Save As.
    std::string path = SavePath();
    if (path.empty()) {
        path = m_strPathName;
    }
    if (!path.empty() && !CanReplaceFile(path)) {
        path.clear();
    }
    if (!path.empty() && !m_bOpenedByFramework && path != m_strPathName) {
        // Named by its title: saved as Ctrl+S saves it.
        std::string saved;
        if (!SaveClaimToFile(path, &saved)) {
            return false;
        }
        if (m_pHost) {
            m_pHost->AddToRecentFiles(saved);
        }
        return true;
    }
    if (path.empty()) {
        if (!m_pHost) {
            return false;
        }
        FileDialogRequest request;
        request.save = true;
        request.initialFolder = m_strDefaultClaimFolder;
        request.filter = "Reiseregninger (*.tur)|*.tur||";
        std::optional<std::string> chosen = m_pHost->AskFilePath(request);
        if (!chosen) {
            return false;
        }
        path = *chosen;
    }
    FileWriteResult r = WriteFileAtomically(path, ClaimBytes());
    if (!r.ok) {
        ShowSaveFailed();
        return false;
    }
    // Named by the path name from now on, so that a later Save writes here too.
    m_strPathName = path;
    m_bOpenedByFramework = true;
    SetTitle(FileNameOf(path));
    SetModified(false);
    return true;
}

}  // namespace ferdix
