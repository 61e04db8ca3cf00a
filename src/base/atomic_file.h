// Replacing a file without ever losing the one that was there.
#pragma once

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

// Whether WriteFileAtomically may replace the file (false for a read-only file or folder).
bool CanReplaceFile(const std::string& path);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace ferdix
