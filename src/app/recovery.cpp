#include "app/recovery.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>
#include <system_error>
#include <utility>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "claim/claim_file.h"

namespace ferdix {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "ferdix-";
constexpr std::string_view kCopyExt = ".tur";
constexpr std::string_view kNameExt = ".navn";
constexpr std::string_view kLockExt = ".lock";
constexpr std::string_view kAsidePrefix = "ulesbar-";
constexpr std::string_view kNameHeader = "Ferdix gjenoppretting\n";
constexpr std::string_view kNameKey = "Navn: ";

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

void RemoveQuietly(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

std::string WhenText(const CivilTime& t) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%d.%02d.%04d kl. %02d.%02d", t.day, t.month, t.year,
                  t.hour, t.minute);
    return buffer;
}

}  // namespace

std::chrono::milliseconds SteadyTickClock::Now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

std::string RecoveryNameText(const std::string& savePath) {
    return std::string(kNameHeader) + std::string(kNameKey) + savePath + "\n";
}

std::optional<std::string> ParseRecoveryName(const std::string& text) {
    std::string_view rest = text;
    if (rest.substr(0, kNameHeader.size()) != kNameHeader) {
        return std::nullopt;
    }
    rest.remove_prefix(kNameHeader.size());
    if (rest.substr(0, kNameKey.size()) != kNameKey || !EndsWith(rest, "\n")) {
        return std::nullopt;
    }
    rest.remove_prefix(kNameKey.size());
    rest.remove_suffix(1);
    // A path may hold any byte but NUL, a line end too.
    if (rest.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(rest);
}

// ---------------------------------------------------------------------------------------------
// The folder.

bool CRecoveryFolder::Open() {
    if (IsOpen()) {
        return true;
    }
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    if (ec) {
        m_error = m_folder + ": " + Utf8ToCp1252(ec.message());
        return false;
    }
    // As every other write: a folder nobody may write is refused, also for root.
    if (!CanWriteInFolder(m_folder)) {
        m_error = m_folder + ": kan ikke skrives til";
        return false;
    }
    std::random_device random;
    char unique[16];
    std::snprintf(unique, sizeof unique, "%08x", static_cast<unsigned>(random()));
    std::string base =
        m_folder + "/" + std::string(kPrefix) + std::to_string(CurrentProcessId()) + "-" + unique;
    // Locked under a name no one looks at, then renamed: a starting run never sees this run's
    // lock file before it is held.
    std::string fresh = base + ".ny";
    if (!m_lock.TryLock(fresh, true)) {
        m_error = fresh + ": kan ikke opprettes";
        return false;
    }
    m_lockPath = base + std::string(kLockExt);
    fs::rename(fresh, m_lockPath, ec);
    if (ec) {
        m_lock.Release();
        RemoveQuietly(fresh);
        m_error = m_lockPath + ": " + Utf8ToCp1252(ec.message());
        return false;
    }
    m_copyPath = base + std::string(kCopyExt);
    m_namePath = base + std::string(kNameExt);
    return true;
}

void CRecoveryFolder::Close() {
    if (!IsOpen()) {
        return;
    }
    RemoveQuietly(m_lockPath);
    m_lock.Release();
}

std::vector<std::string> CRecoveryFolder::WaitingCopies() const {
    std::vector<std::string> copies;
    std::error_code ec;
    fs::directory_iterator it(m_folder, ec);
    if (ec) {
        return copies;
    }
    for (const fs::directory_entry& entry : it) {
        std::string name = entry.path().filename().string();
        if (name.rfind(kPrefix, 0) != 0 || !EndsWith(name, kCopyExt) ||
            !fs::is_regular_file(entry.path(), ec)) {
            continue;
        }
        std::string lockPath =
            m_folder + "/" + name.substr(0, name.size() - kCopyExt.size()) + std::string(kLockExt);
        CFileLock lock;
        if (fs::exists(lockPath, ec) && !lock.TryLock(lockPath, false)) {
            continue;  // its run is alive
        }
        copies.push_back(entry.path().string());
    }
    std::sort(copies.begin(), copies.end());
    return copies;
}

std::vector<OrphanedCopy> CRecoveryFolder::FindOrphans(int standard,
                                                       std::vector<std::string>* oddities) {
    std::vector<OrphanedCopy> found;
    std::error_code ec;
    fs::directory_iterator it(m_folder, ec);
    if (ec) {
        return found;
    }
    std::set<std::string> stems;
    for (const fs::directory_entry& entry : it) {
        std::string name = entry.path().filename().string();
        if (name.rfind(kPrefix, 0) != 0) {
            continue;
        }
        for (std::string_view ext : {kCopyExt, kNameExt, kLockExt}) {
            if (EndsWith(name, ext)) {
                stems.insert(name.substr(0, name.size() - ext.size()));
            }
        }
    }
    std::vector<fs::file_time_type> times;
    for (const std::string& stem : stems) {
        std::string base = m_folder + "/" + stem;
        if (base + std::string(kLockExt) == m_lockPath) {
            continue;
        }
        OrphanedCopy copy;
        copy.claimPath = base + std::string(kCopyExt);
        copy.namePath = base + std::string(kNameExt);
        copy.lockPath = base + std::string(kLockExt);
        if (!copy.lock.TryLock(copy.lockPath, true)) {
            continue;  // its run is alive
        }
        fs::file_status own = fs::symlink_status(copy.claimPath, ec);
        if (!fs::exists(own)) {
            // A run that ended without a copy, or was killed while it removed it.
            DiscardOrphanedCopy(copy);
            continue;
        }
        if (!fs::is_regular_file(copy.claimPath, ec)) {
            // Reading it could wait for ever or never end; a regular file is never removed here.
            std::string shown = copy.claimPath;
            if (!fs::is_directory(own) && fs::remove(copy.claimPath, ec) && !ec) {
                DiscardOrphanedCopy(copy);
            } else {
                shown += std::string(
                    ByStandard(standard, " (kunne ikke fjernes)", " (kunne ikkje fjernast)"));
                copy.lock.Release();
            }
            if (oddities) {
                oddities->push_back(shown);
            }
            continue;
        }
        std::string nameText;
        if (ReadWholeFile(copy.namePath, nameText)) {
            copy.oldName = ParseRecoveryName(nameText).value_or(std::string());
        }
        copy.written = FileModifiedTime(copy.claimPath);
        fs::file_time_type when = fs::last_write_time(copy.claimPath, ec);
        auto at = std::upper_bound(times.begin(), times.end(), when, std::greater<>());
        found.insert(found.begin() + (at - times.begin()), std::move(copy));
        times.insert(at, when);
    }
    return found;
}

bool ReadOrphanedCopy(const OrphanedCopy& copy, std::string& bytes) {
    return ReadWholeFile(copy.claimPath, bytes) && bytes.rfind("Versjon ", 0) == 0;
}

void DiscardOrphanedCopy(OrphanedCopy& copy) {
    RemoveQuietly(copy.claimPath);
    RemoveQuietly(copy.namePath);
    // Last, while still held: no other run takes it for a copy's lock in the meantime.
    RemoveQuietly(copy.lockPath);
    copy.lock.Release();
}

std::optional<std::string> SetOrphanedCopyAside(OrphanedCopy& copy) {
    fs::path from(copy.claimPath);
    std::string aside =
        (from.parent_path() / (std::string(kAsidePrefix) + from.filename().string())).string();
    std::error_code ec;
    fs::rename(copy.claimPath, aside, ec);
    if (ec) {
        // Kept where it is, and offered again at the next start.
        copy.lock.Release();
        return std::nullopt;
    }
    RemoveQuietly(copy.namePath);
    RemoveQuietly(copy.lockPath);
    copy.lock.Release();
    return aside;
}

// ---------------------------------------------------------------------------------------------
// The writer.

CBackgroundRecoveryWriter::CBackgroundRecoveryWriter(std::string copyPath, std::string namePath)
    : m_copyPath(std::move(copyPath)), m_namePath(std::move(namePath)) {
    m_thread = std::thread([this] { Run(); });
}

CBackgroundRecoveryWriter::~CBackgroundRecoveryWriter() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void CBackgroundRecoveryWriter::Write(std::string claimBytes, std::string nameBytes) {
    {
        std::lock_guard lock(m_mutex);
        m_op = Op::Write;
        m_claimBytes = std::move(claimBytes);
        m_nameBytes = std::move(nameBytes);
    }
    m_wake.notify_one();
}

void CBackgroundRecoveryWriter::Remove() {
    {
        std::lock_guard lock(m_mutex);
        m_op = Op::Remove;
        m_claimBytes.clear();
        m_nameBytes.clear();
    }
    m_wake.notify_one();
}

void CBackgroundRecoveryWriter::Flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_op == Op::None && !m_busy; });
}

std::optional<std::string> CBackgroundRecoveryWriter::TakeFailure() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_failure, std::nullopt);
}

void CBackgroundRecoveryWriter::Run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_op != Op::None; });
        if (m_op == Op::None) {
            return;  // stopping with nothing left to do
        }
        Op op = std::exchange(m_op, Op::None);
        std::string claimBytes = std::move(m_claimBytes);
        std::string nameBytes = std::move(m_nameBytes);
        m_busy = true;
        lock.unlock();
        Carry(op, claimBytes, nameBytes);
        lock.lock();
        m_busy = false;
        if (m_op == Op::None) {
            m_idle.notify_all();
        }
    }
}

void CBackgroundRecoveryWriter::Carry(Op op, const std::string& claimBytes,
                                      const std::string& nameBytes) {
    std::string failure;
    if (op == Op::Remove) {
        std::error_code ec;
        fs::remove(m_copyPath, ec);
        if (ec) {
            failure = m_copyPath + ": " + Utf8ToCp1252(ec.message());
        }
        fs::remove(m_namePath, ec);
        m_writtenName.clear();
    } else {
        // The name first: a copy is never beside the name of another claim.
        if (nameBytes != m_writtenName) {
            FileWriteResult r = WriteFileAtomically(m_namePath, nameBytes);
            if (r.ok) {
                m_writtenName = nameBytes;
            } else {
                failure = r.error;
            }
        }
        if (failure.empty()) {
            FileWriteResult r = WriteFileAtomically(m_copyPath, claimBytes);
            if (!r.ok) {
                failure = r.error;
            }
        }
    }
    if (!failure.empty()) {
        std::lock_guard lock(m_mutex);
        if (!m_failure) {
            m_failure = failure;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The keeper.

void CRecoveryKeeper::Notice() {
    m_pending = true;
    Sync(false);
}

void CRecoveryKeeper::Tick() {
    Sync(false);
}

void CRecoveryKeeper::WriteNow() {
    m_pending = true;
    Sync(true);
}

void CRecoveryKeeper::Stop() {
    if (m_stopped) {
        return;
    }
    if (m_hasCopy) {
        m_writer.Remove();
        m_hasCopy = false;
    }
    m_writer.Flush();
    m_stopped = true;
    m_pending = false;
}

void CRecoveryKeeper::Abandon() {
    // The form may be half taken down: only what reached the claim.
    if (m_pending) {
        Sync(true, false);
    }
    m_writer.Flush();
    m_stopped = true;
    m_pending = false;
}

std::optional<std::chrono::milliseconds> CRecoveryKeeper::DueIn() const {
    if (m_stopped || !m_pending) {
        return std::nullopt;
    }
    if (!m_lastWrite) {
        return std::chrono::milliseconds{0};
    }
    auto since = m_clock.Now() - *m_lastWrite;
    return since >= kInterval ? std::chrono::milliseconds{0} : kInterval - since;
}

void CRecoveryKeeper::Sync(bool force, bool handOver) {
    if (m_stopped) {
        return;
    }
    if (handOver && m_handOver && m_pending &&
        (force || !m_lastWrite || m_clock.Now() - *m_lastWrite >= kInterval)) {
        m_handOver();
    }
    if (!m_doc.IsModified()) {
        m_pending = false;
        if (m_hasCopy) {
            m_writer.Remove();
            m_hasCopy = false;
            m_lastBytes.clear();
            m_lastName.clear();
        }
        return;
    }
    if (!m_pending) {
        return;
    }
    std::chrono::milliseconds now = m_clock.Now();
    if (!force && m_lastWrite && now - *m_lastWrite < kInterval) {
        return;  // the timer comes back for it
    }
    m_pending = false;
    std::ostringstream out;
    WriteClaim(m_doc.Claim(), m_doc.Locale().dateOrder, m_doc.Clock().Now(), out);
    std::string bytes = out.str();
    std::string name = RecoveryNameText(m_doc.SavePath());
    if (m_hasCopy && bytes == m_lastBytes && name == m_lastName) {
        return;
    }
    m_lastBytes = bytes;
    m_lastName = name;
    m_writer.Write(std::move(bytes), std::move(name));
    m_hasCopy = true;
    m_lastWrite = now;
}

// ---------------------------------------------------------------------------------------------
// Texts.

std::string RecoveryQuestionText(int standard, const OrphanedCopy& copy) {
    std::string name = copy.oldName.empty()
                           ? std::string(ByStandard(standard, "(ny reiseregning uten navn)",
                                                    "(ny reiserekning utan namn)"))
                           : copy.oldName;
    std::string text = std::string(
        ByStandard(standard, "Ferdix ble avsluttet uten at reiseregningen var lagret.\n\n"_cp,
                   "Ferdix vart avslutta utan at reiserekninga var lagra.\n\n"_cp));
    text += std::string(ByStandard(standard, "Reiseregning: ", "Reiserekning: ")) + name + "\n";
    if (copy.written) {
        text += std::string(ByStandard(standard, "Sist endret: ", "Sist endra: ")) +
                WhenText(*copy.written) + "\n";
    }
    text += std::string(ByStandard(standard,
                                   "\nVil du hente fram de ulagrede endringene?\n"
                                   "Svarer du Nei, blir de slettet.",
                                   "\nVil du hente fram dei ulagra endringane?\n"
                                   "Svarar du Nei, blir dei sletta."));
    return text;
}

std::string RecoveryUnreadableText(int standard, const OrphanedCopy& copy,
                                   const std::optional<std::string>& asidePath) {
    std::string text = std::string(
        ByStandard(standard, "Ferdix fant en kopi av en ulagret reiseregning som ikke kan leses:\n",
                   "Ferdix fann ein kopi av ei ulagra reiserekning som ikkje kan lesast:\n"));
    text += copy.claimPath + "\n\n";
    if (asidePath) {
        text += std::string(
            ByStandard(standard, "Den er lagt til side som\n", "Han er lagd til side som\n"));
        text += *asidePath;
    } else {
        text +=
            std::string(ByStandard(standard, "Den kunne ikke flyttes, og blir liggende der den er.",
                                   "Han kunne ikkje flyttast, og blir liggjande der han er."));
    }
    return text;
}

std::string RecoveryMoreCopiesText(int standard) {
    return std::string(ByStandard(
        standard,
        "Det finnes flere ulagrede reiseregninger. Du får spørsmål om dem neste gang du "
        "starter Ferdix."_cp,
        "Det finst fleire ulagra reiserekningar. Du får spørsmål om dei neste gong du startar "
        "Ferdix."_cp));
}

std::string RecoveryBlockedText(int standard, const std::string& folder,
                                const std::vector<std::string>& copies) {
    std::string text = std::string(
        ByStandard(standard,
                   "Ferdix fant ulagrede endringer fra en tidligere kjøring, men kan ikke hente "
                   "dem fram, fordi mappen for sikkerhetskopier ikke kan skrives til:\n"_cp,
                   "Ferdix fann ulagra endringar frå ei tidlegare køyring, men kan ikkje hente "
                   "dei fram, fordi mappa for tryggleikskopiar ikkje kan skrivast til:\n"_cp));
    text += folder;
    text += std::string(ByStandard(standard,
                                   "\n\nKopiene er vanlige reiseregninger og kan åpnes med "
                                   "Fil > Åpne:"_cp,
                                   "\n\nKopiane er vanlege reiserekningar og kan opnast med "
                                   "Fil > Åpne:"_cp));
    for (const std::string& copy : copies) {
        text += "\n" + copy;
    }
    return text;
}

std::string RecoveryOdditiesText(int standard, const std::vector<std::string>& oddities) {
    std::string text = std::string(ByStandard(
        standard,
        "I mappen for sikkerhetskopier lå noe som ikke er en vanlig fil, og som derfor ikke kan "
        "være en kopi av en reiseregning. Det er fjernet:"_cp,
        "I mappa for tryggleikskopiar låg noko som ikkje er ei vanleg fil, og som difor ikkje "
        "kan vere ein kopi av ei reiserekning. Det er fjerna:"_cp));
    for (const std::string& path : oddities) {
        text += "\n" + path;
    }
    return text;
}

std::string RecoveryFailedText(int standard, const std::string& error) {
    return std::string(
               ByStandard(standard, "Ferdix kan ikke lagre en sikkerhetskopi av reiseregningen:\n",
                          "Ferdix kan ikkje lagre ein tryggleikskopi av reiserekninga:\n")) +
           error +
           std::string(ByStandard(standard,
                                  "\n\nStopper programmet, går endringene tapt. Lagre "
                                  "reiseregningen selv."_cp,
                                  "\n\nStoppar programmet, går endringane tapt. Lagre "
                                  "reiserekninga sjølv."_cp));
}

}  // namespace ferdix
