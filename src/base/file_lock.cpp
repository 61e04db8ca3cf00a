#include "base/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <utility>

namespace ferdix {

CFileLock::CFileLock(CFileLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

CFileLock& CFileLock::operator=(CFileLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

bool CFileLock::TryLock(const std::string& path, bool create) {
    Release();
    int flags = O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0);
    int fd = ::open(path.c_str(), flags, 0600);
    if (fd < 0) {
        return false;
    }
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void CFileLock::Release() {
    if (m_fd >= 0) {
        // Closing the last descriptor drops the lock.
        ::close(m_fd);
        m_fd = -1;
    }
}

std::int64_t CurrentProcessId() {
    return static_cast<std::int64_t>(::getpid());
}

std::optional<CivilTime> FileModifiedTime(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    std::tm local{};
    if (::localtime_r(&st.st_mtime, &local) == nullptr) {
        return std::nullopt;
    }
    return CivilTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace ferdix
