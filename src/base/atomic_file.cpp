#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "base/cp1252.h"

namespace ferdix {

namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// A message text, so Windows-1252 like every other, naming the path as the file system has it;
// the system's words come in UTF-8.
FileWriteResult Fail(const std::string& path, int err) {
    return FileWriteResult{false, path + ": " + Utf8ToCp1252(std::strerror(err))};
}

bool WriteAll(int fd, std::string_view bytes, const FileWriteCalls& calls) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        long n = calls.write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        // A device that takes nothing would keep the save waiting for ever.
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Write permission as the user sees it: also root is refused a file or folder that nobody may
// write, as a read-only file is refused on the desktop.
bool Writable(const std::string& path, const struct stat& st) {
    return (st.st_mode & kAnyWrite) != 0 && ::access(path.c_str(), W_OK) == 0;
}

std::string DirectoryOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

FileWriteResult WriteDirectly(const std::string& path, std::string_view bytes) {
    // A FIFO without a reader fails at once instead of keeping the program waiting; once open,
    // writing blocks as usual.
    int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return Fail(path, errno);
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    bool ok = WriteAll(fd, bytes, SystemFileWriteCalls());
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    return ok ? FileWriteResult{true, {}} : Fail(path, err);
}

// A rename is only durable once its folder is; without this a power cut soon after a save
// could bring the old claim back. The file itself is in place already, so a folder that cannot
// be synced does not fail the save.
void SyncFolder(const std::string& dir, const FileWriteCalls& calls) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        calls.fsync(fd);
        ::close(fd);
    }
}

// The longest file name most file systems take.
constexpr std::size_t kMaxName = 255;

}  // namespace

const FileWriteCalls& SystemFileWriteCalls() {
    static const FileWriteCalls calls{
        [](int fd, const char* data, std::size_t size) -> long { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
        [](const std::string& from, const std::string& to) {
            return ::rename(from.c_str(), to.c_str());
        }};
    return calls;
}

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return WriteFileAtomically(path, bytes, SystemFileWriteCalls());
}

FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                    const FileWriteCalls& calls) {
    std::string target = path;
    struct stat st {};
    bool exists = ::lstat(target.c_str(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        // Replace the file the link points to, not the link.
        char resolved[PATH_MAX];
        if (::realpath(target.c_str(), resolved) != nullptr) {
            target = resolved;
            exists = ::stat(target.c_str(), &st) == 0;
        } else {
            exists = false;
        }
    }
    if (exists) {
        if (S_ISDIR(st.st_mode)) {
            return Fail(target, EISDIR);
        }
        if (!S_ISREG(st.st_mode)) {
            return WriteDirectly(target, bytes);
        }
        if (!Writable(target, st)) {
            return Fail(target, EACCES);
        }
    }
    std::string dir = DirectoryOf(target);
    struct stat dst {};
    if (::stat(dir.c_str(), &dst) != 0) {
        return Fail(dir, errno);
    }
    if (!S_ISDIR(dst.st_mode)) {
        return Fail(dir, ENOTDIR);
    }
    if (!Writable(dir, dst)) {
        return Fail(dir, EACCES);
    }

    // Hidden and without the claim's extension, so a leftover is never taken for a claim; cut
    // so that a target with a name of the longest length still gets a temporary file.
    std::string name = target.substr(target.rfind('/') + 1);
    name.resize(std::min(name.size(), kMaxName - 8));
    std::string temp = dir + "/." + name + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return Fail(temp, errno);
    }
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes, calls) && calls.fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && calls.rename(temp, target) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(target, err);
    }
    SyncFolder(dir, calls);
    return FileWriteResult{true, {}};
}

bool CanWriteInFolder(const std::string& dir) {
    struct stat st {};
    return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && Writable(dir, st);
}

bool CanReplaceFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return false;
        if (S_ISREG(st.st_mode) && !Writable(path, st))
            return false;
    }
    std::string dir = DirectoryOf(path);
    struct stat dst {};
    return ::stat(dir.c_str(), &dst) == 0 && S_ISDIR(dst.st_mode) && Writable(dir, dst);
}

ReadFileError ReadRegularFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    struct stat st {};
    // A pipe would keep the program waiting for a writer, a device like /dev/zero would fill
    // the memory: only regular files are claims.
    if (::stat(path.c_str(), &st) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadFileError::Missing
                                                   : ReadFileError::CannotOpen;
    }
    if (S_ISDIR(st.st_mode)) {
        return ReadFileError::Folder;
    }
    if (!S_ISREG(st.st_mode)) {
        return ReadFileError::NotRegular;
    }
    // Without blocking, and checked again once open: the name may have been given to a FIFO
    // in between.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return ReadFileError::CannotOpen;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadFileError::NotRegular;
    }
    bytes.reserve(static_cast<std::size_t>(std::max<off_t>(st.st_size, 0)));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            bytes.clear();
            return ReadFileError::CannotRead;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadFileError::None;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    return ReadRegularFile(path, bytes) == ReadFileError::None;
}

}  // namespace ferdix
