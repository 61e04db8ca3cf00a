// Replacing a file without ever losing the one that was there.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace ferdix {

struct FileWriteResult {
    bool ok = false;
    std::string error;  // why it failed, naming the file; Windows-1252, for messages
};

// Writes the bytes to a temporary file beside the target, flushes it to disk and renames it over
// the target, keeping the target's permissions. A target without any write permission bit, a
// folder without them, or a folder in the target's place fails without touching anything. A
// target that is not a regular file (a device) is written directly.
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// The system calls the writer makes once the temporary file is open, so that tests can make
// them fail as a full disk or a failing device would. Each returns what the POSIX call does and
// sets errno on failure.
struct FileWriteCalls {
    std::function<long(int fd, const char* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(const std::string& from, const std::string& to)> rename;
};
const FileWriteCalls& SystemFileWriteCalls();
FileWriteResult WriteFileAtomically(const std::string& path, std::string_view bytes,
                                    const FileWriteCalls& calls);

// Whether WriteFileAtomically may replace the file (false for a read-only file or folder).
bool CanReplaceFile(const std::string& path);
// Whether files can be made in the folder: it exists and may be written, with a write
// permission bit even for root.
bool CanWriteInFolder(const std::string& dir);

enum class ReadFileError { None, Missing, Folder, NotRegular, CannotOpen, CannotRead };

// Reads a whole regular file. A folder, a FIFO or a device is refused without opening it for
// reading, so that nothing waits for a writer or reads without end.
ReadFileError ReadRegularFile(const std::string& path, std::string& bytes);
// The same; false for every error.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace ferdix
