// The atomic writer under faults: a disk that fills, a device that fails, a rename that does
// not happen. The old file must stay byte for byte and no temporary file may stay behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/atomic_file.h"
#include "support/small_disk.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FolderNames(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// The system's calls with one of them replaced.
FileWriteCalls With(std::function<void(FileWriteCalls&)> change) {
    FileWriteCalls calls = SystemFileWriteCalls();
    change(calls);
    return calls;
}

// A device that takes `room` bytes and then reports a full disk.
FileWriteCalls FullAfter(std::size_t room) {
    auto used = std::make_shared<std::size_t>(0);
    return With([=](FileWriteCalls& c) {
        c.write = [=](int fd, const char* data, std::size_t size) -> long {
            std::size_t n = std::min(size, room - *used);
            if (n == 0) {
                errno = ENOSPC;
                return -1;
            }
            *used += n;
            return ::write(fd, data, n);
        };
    });
}

struct FaultCase {
    const char* name;
    std::function<FileWriteCalls()> calls;
};

const std::string kNew = std::string(10000, 'n') + "\r\nend";

const FaultCase kFaults[] = {
    {"full at once", [] { return FullAfter(0); }},
    {"full after one byte", [] { return FullAfter(1); }},
    {"full after a block", [] { return FullAfter(4096); }},
    {"full before the last byte", [] { return FullAfter(kNew.size() - 1); }},
    {"device fails",
     [] {
         return With([](FileWriteCalls& c) {
             c.write = [](int, const char*, std::size_t) -> long {
                 errno = EIO;
                 return -1;
             };
         });
     }},
    {"flush fails",
     [] {
         return With([](FileWriteCalls& c) {
             c.fsync = [](int) {
                 errno = EIO;
                 return -1;
             };
         });
     }},
    {"rename fails",
     [] {
         return With([](FileWriteCalls& c) {
             c.rename = [](const std::string&, const std::string&) {
                 errno = EXDEV;
                 return -1;
             };
         });
     }},
};

TEST(AtomicFileFaults, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    for (const FaultCase& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        test::TempFolder dir;
        std::string path = dir.File("reise.tur");
        test::WriteFile(path, "old claim");
        FileWriteResult r = WriteFileAtomically(path, kNew, fault.calls());
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find("reise.tur"), std::string::npos) << r.error;
        EXPECT_EQ(test::ReadFile(path), "old claim");
        EXPECT_EQ(FolderNames(dir.Path().string()), std::vector<std::string>{"reise.tur"});

        // A new file that could not be written is not there at all.
        std::string fresh = dir.File("ny.tur");
        EXPECT_FALSE(WriteFileAtomically(fresh, kNew, fault.calls()).ok);
        EXPECT_FALSE(fs::exists(fresh));
        EXPECT_EQ(FolderNames(dir.Path().string()).size(), 1u);
    }
}

TEST(AtomicFileFaults, ShortAndInterruptedWritesStillWriteEverything) {
    test::TempFolder dir;
    std::string path = dir.File("reise.tur");
    int interrupted = 0;
    FileWriteCalls calls = With([&](FileWriteCalls& c) {
        c.write = [&](int fd, const char* data, std::size_t size) -> long {
            if (interrupted++ % 3 == 0) {
                errno = EINTR;
                return -1;
            }
            return ::write(fd, data, std::min<std::size_t>(size, 7));
        };
    });
    ASSERT_TRUE(WriteFileAtomically(path, kNew, calls).ok);
    EXPECT_EQ(test::ReadFile(path), kNew);
}

TEST(AtomicFileFaults, DeviceThatTakesNothingFailsInsteadOfWaiting) {
    test::TempFolder dir;
    std::string path = dir.File("reise.tur");
    test::WriteFile(path, "old");
    int calls = 0;
    FileWriteCalls stuck = With([&](FileWriteCalls& c) {
        c.write = [&](int, const char*, std::size_t) -> long {
            // Give up eventually, so that a writer that waits is caught, not hung.
            if (++calls > 1000) {
                errno = EIO;
                return -1;
            }
            return 0;
        };
    });
    EXPECT_FALSE(WriteFileAtomically(path, "new", stuck).ok);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(test::ReadFile(path), "old");
}

TEST(AtomicFileFaults, FolderIsFlushedAfterTheRename) {
    test::TempFolder dir;
    std::string path = dir.File("reise.tur");
    std::vector<std::string> synced;
    bool renamed = false;
    FileWriteCalls calls = With([&](FileWriteCalls& c) {
        c.fsync = [&](int fd) {
            struct stat st {};
            ::fstat(fd, &st);
            synced.push_back(std::string(S_ISDIR(st.st_mode) ? "folder" : "file") +
                             (renamed ? " after" : " before"));
            return ::fsync(fd);
        };
        c.rename = [&](const std::string& from, const std::string& to) {
            renamed = true;
            return ::rename(from.c_str(), to.c_str());
        };
    });
    ASSERT_TRUE(WriteFileAtomically(path, "new", calls).ok);
    EXPECT_EQ(synced, (std::vector<std::string>{"file before", "folder after"}));
}

TEST(AtomicFileFaults, LongestFileNameStillSaves) {
    test::TempFolder dir;
    std::string name = std::string(251, 'r') + ".tur";
    std::string path = dir.File(name);
    ASSERT_TRUE(WriteFileAtomically(path, "first").ok);
    FileWriteResult r = WriteFileAtomically(path, "second");
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(test::ReadFile(path), "second");
    EXPECT_EQ(FolderNames(dir.Path().string()).size(), 1u);
}

TEST(AtomicFileFaults, FullFileSystemKeepsTheOldFile) {
    test::SmallDisk disk(64 * 1024);
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.Reason();
    }
    std::string path = disk.File("reise.tur");
    std::string old(20000, 'o');
    ASSERT_TRUE(WriteFileAtomically(path, old).ok);
    // The old file and the new one do not both fit.
    FileWriteResult r = WriteFileAtomically(path, std::string(50000, 'n'));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("reise.tur"), std::string::npos) << r.error;
    EXPECT_EQ(test::ReadFile(path), old);
    EXPECT_EQ(FolderNames(disk.Path()), std::vector<std::string>{"reise.tur"});
    // The space is given back: a claim that fits saves.
    ASSERT_TRUE(WriteFileAtomically(path, std::string(30000, 'm')).ok);
    EXPECT_EQ(test::ReadFile(path).size(), 30000u);
}

TEST(AtomicFileFaults, PipesAndDevicesAreNotReadAsFiles) {
    test::TempFolder dir;
    std::string pipe = dir.File("reise.tur");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    // A writer that shows up shortly: a reader that opens the pipe would wait for it and read.
    std::thread writer([&] {
        for (int attempt = 0; attempt < 40; ++attempt) {
            int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                EXPECT_EQ(::write(fd, "Versjon", 7), 7);
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(pipe, bytes));
    writer.join();
    EXPECT_FALSE(ReadWholeFile("/dev/null", bytes));
}

}  // namespace
}  // namespace ferdix
