// Crash recovery: while the claim is modified, a copy of it (a plain claim file) lies in the
// per-user folder, with the path it would be saved to in a small name file beside it. Each run
// owns its copy by name and by an advisory lock held while it runs; a starting run offers the
// copies whose owner is gone.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "base/civil_time.h"
#include "base/file_lock.h"
#include "claim/ferdix_doc.h"

namespace ferdix {

// The subfolder of the per-user configuration folder that holds the copies.
inline constexpr std::string_view kRecoveryFolderName = "gjenoppretting";

// Elapsed time for the throttle; tests step it by hand.
class ITickClock {
  public:
    virtual ~ITickClock() = default;
    virtual std::chrono::milliseconds Now() const = 0;
};

class SteadyTickClock final : public ITickClock {
  public:
    std::chrono::milliseconds Now() const override;
};

// The name file: what the claim was called, so that a restored claim saves where it belonged.
std::string RecoveryNameText(const std::string& savePath);
// The path from a name file (empty for an untitled claim); nothing when it is not one.
std::optional<std::string> ParseRecoveryName(const std::string& text);

// A copy left by a run that is gone. Its lock is held by this run while it decides about it,
// so that two programs starting together never both offer it.
struct OrphanedCopy {
    std::string claimPath;
    std::string namePath;
    std::string lockPath;
    std::string oldName;  // empty: untitled, or no readable name file
    std::optional<CivilTime> written;
    CFileLock lock;
};

class CRecoveryFolder {
  public:
    explicit CRecoveryFolder(std::string folder) : m_folder(std::move(folder)) {}
    ~CRecoveryFolder() { Close(); }
    CRecoveryFolder(const CRecoveryFolder&) = delete;
    CRecoveryFolder& operator=(const CRecoveryFolder&) = delete;

    // Makes the folder, chooses this run's names and takes its lock. False, with Error(), when
    // that cannot be done; the program then runs without a copy.
    bool Open();
    bool IsOpen() const { return m_lock.Held(); }
    const std::string& Error() const { return m_error; }
    const std::string& Folder() const { return m_folder; }
    const std::string& CopyPath() const { return m_copyPath; }
    const std::string& NamePath() const { return m_namePath; }

    // The copies whose owner is gone, newest first, each locked by this run. Left-overs of runs
    // that never wrote a copy are removed on the way, and so is a copy that is no regular file
    // (a FIFO, a link to a device), which can hold no claim: its path goes to oddities, with
    // " (...)" in the given written standard when it could not be removed.
    std::vector<OrphanedCopy> FindOrphans(int standard,
                                          std::vector<std::string>* oddities = nullptr);
    // Without Open: the copies that runs now gone have left, for telling the user about when
    // this run cannot take them over.
    std::vector<std::string> WaitingCopies() const;

    // Removes this run's lock file and lets it go; the copy must be gone first.
    void Close();

  private:
    std::string m_folder;
    std::string m_copyPath;
    std::string m_namePath;
    std::string m_lockPath;
    std::string m_error;
    CFileLock m_lock;
};

// The claim's bytes when the copy looks like a claim file; false when it cannot be read or is
// not one.
bool ReadOrphanedCopy(const OrphanedCopy& copy, std::string& bytes);
// Deletes the copy, its name file and its lock file.
void DiscardOrphanedCopy(OrphanedCopy& copy);
// Renames an unreadable copy so that it is never offered again but stays for the user; the new
// path, or nothing when it could not be renamed.
std::optional<std::string> SetOrphanedCopyAside(OrphanedCopy& copy);

// Puts the copy on disk for the keeper; only the latest request matters.
class IRecoveryWriter {
  public:
    virtual ~IRecoveryWriter() = default;
    virtual void Write(std::string claimBytes, std::string nameBytes) = 0;
    virtual void Remove() = 0;
    // Returns when every request so far is on disk.
    virtual void Flush() = 0;
    // The first failure since it was last asked (Windows-1252), or nothing.
    virtual std::optional<std::string> TakeFailure() = 0;
};

// Writes and flushes on a thread of its own, so that a slow disk never stalls typing. A request
// replaces one that has not started yet; the destructor finishes the last one.
class CBackgroundRecoveryWriter final : public IRecoveryWriter {
  public:
    CBackgroundRecoveryWriter(std::string copyPath, std::string namePath);
    ~CBackgroundRecoveryWriter() override;
    CBackgroundRecoveryWriter(const CBackgroundRecoveryWriter&) = delete;
    CBackgroundRecoveryWriter& operator=(const CBackgroundRecoveryWriter&) = delete;

    void Write(std::string claimBytes, std::string nameBytes) override;
    void Remove() override;
    void Flush() override;
    std::optional<std::string> TakeFailure() override;

  private:
    enum class Op { None, Write, Remove };
    void Run();
    void Carry(Op op, const std::string& claimBytes, const std::string& nameBytes);

    const std::string m_copyPath;
    const std::string m_namePath;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    Op m_op = Op::None;
    std::string m_claimBytes;
    std::string m_nameBytes;
    bool m_busy = false;
    bool m_stop = false;
    std::optional<std::string> m_failure;
    // Only the worker touches these.
    std::string m_writtenName;
    std::thread m_thread;
};

// Decides when the copy is written and when it goes: written after the user did something
// while the claim is modified, at most once per interval; removed as soon as the claim is
// clean (saved, new, opened). Serialising happens here on the caller's thread; the disk is
// the writer's.
class CRecoveryKeeper {
  public:
    static constexpr std::chrono::milliseconds kInterval{1000};

    CRecoveryKeeper(const CFerdixDoc& doc, IRecoveryWriter& writer, const ITickClock& clock)
        : m_doc(doc), m_writer(writer), m_clock(clock) {}

    // Called before each write that is due, so that the text being typed reaches the claim
    // first: a field bound on leaving is in the copy before it is left.
    void SetHandOver(std::function<void()> handOver) { m_handOver = std::move(handOver); }
    // The user did something that may have changed the claim.
    void Notice();
    // The platform's timer, when DueIn asked for it.
    void Tick();
    // How long until a Tick has something to do; nothing while nothing waits.
    std::optional<std::chrono::milliseconds> DueIn() const;
    // Writes the modified claim now, whatever the interval (after a restore).
    void WriteNow();
    // The normal end of the run: the copy goes, and nothing is written after.
    void Stop();
    // An end that was no close (the shell destroyed without one): a waiting edit is written,
    // and the copy stays to be offered at the next start.
    void Abandon();
    bool HasCopy() const { return m_hasCopy; }

  private:
    void Sync(bool force, bool handOver = true);

    const CFerdixDoc& m_doc;
    IRecoveryWriter& m_writer;
    const ITickClock& m_clock;
    std::function<void()> m_handOver;
    bool m_pending = false;
    bool m_hasCopy = false;
    bool m_stopped = false;
    std::optional<std::chrono::milliseconds> m_lastWrite;
    std::string m_lastBytes;
    std::string m_lastName;
};

// The question at start-up about one copy; these texts are in the given written standard.
std::string RecoveryQuestionText(int standard, const OrphanedCopy& copy);
std::string RecoveryUnreadableText(int standard, const OrphanedCopy& copy,
                                   const std::optional<std::string>& asidePath);
std::string RecoveryMoreCopiesText(int standard);
std::string RecoveryFailedText(int standard, const std::string& error);
// Copies that cannot be offered because the folder cannot be written.
std::string RecoveryBlockedText(int standard, const std::string& folder,
                                const std::vector<std::string>& copies);
// What was removed from the folder for being no regular file.
std::string RecoveryOdditiesText(int standard, const std::vector<std::string>& oddities);

}  // namespace ferdix
