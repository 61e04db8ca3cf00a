// Small POSIX pieces for the files one run of the program keeps for itself: an advisory lock
// that lives as long as the process (the kernel drops it when the process dies, also on a
// kill), the process id, and a file's time of last change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/civil_time.h"

namespace ferdix {

class CFileLock {
  public:
    CFileLock() = default;
    ~CFileLock() { Release(); }
    CFileLock(CFileLock&& other) noexcept;
    CFileLock& operator=(CFileLock&& other) noexcept;
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Opens (creating it when asked) the file and takes an exclusive lock without waiting.
    // False when another open of the file, in this process or another, holds it, or when the
    // file cannot be opened.
    bool TryLock(const std::string& path, bool create);
    bool Held() const { return m_fd >= 0; }
    void Release();

  private:
    int m_fd = -1;
};

std::int64_t CurrentProcessId();

// The local time at which the file was last written; nothing when it cannot be read.
std::optional<CivilTime> FileModifiedTime(const std::string& path);

}  // namespace ferdix
