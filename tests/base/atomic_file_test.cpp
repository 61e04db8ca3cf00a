#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace ferdix {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
  protected:
    AtomicFileTest() {
        char tmpl[] = "/tmp/ferdix-atomic-XXXXXX";
        dir = ::mkdtemp(tmpl);
    }
    ~AtomicFileTest() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::string Read(const std::string& path) {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(path, bytes));
        return bytes;
    }
    std::string dir;
};

TEST_F(AtomicFileTest, CreatesAndReplacesLeavingNoTemporaryFile) {
    std::string path = dir + "/claim.tur";
    ASSERT_TRUE(WriteFileAtomically(path, std::string("one\0two", 7)).ok);
    EXPECT_EQ(Read(path), std::string("one\0two", 7));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "second").ok);
    EXPECT_EQ(Read(path), "second");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, ReadOnlyFileFolderOrFolderInTheWayFailAndKeepTheOld) {
    std::string path = dir + "/claim.tur";
    ASSERT_TRUE(WriteFileAtomically(path, "old").ok);
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(CanReplaceFile(path));
    FileWriteResult r = WriteFileAtomically(path, "new");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(Read(path), "old");

    ::chmod(path.c_str(), 0644);
    ::chmod(dir.c_str(), 0555);
    EXPECT_FALSE(WriteFileAtomically(path, "new").ok);
    EXPECT_FALSE(WriteFileAtomically(dir + "/other.tur", "new").ok);
    ::chmod(dir.c_str(), 0755);
    EXPECT_EQ(Read(path), "old");

    fs::create_directory(dir + "/folder.tur");
    EXPECT_FALSE(WriteFileAtomically(dir + "/folder.tur", "new").ok);
    EXPECT_FALSE(WriteFileAtomically(dir + "/missing/claim.tur", "new").ok);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(AtomicFileTest, FullDeviceReportsFailure) {
    FileWriteResult r = WriteFileAtomically("/dev/full", "bytes");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(AtomicFileTest, SymlinkedTargetReplacesTheFileNotTheLink) {
    std::string real = dir + "/real.tur";
    std::string link = dir + "/link.tur";
    ASSERT_TRUE(WriteFileAtomically(real, "old").ok);
    fs::create_symlink(real, link);
    ASSERT_TRUE(WriteFileAtomically(link, "new").ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), "new");
}

TEST_F(AtomicFileTest, ReadingMissingOrFolderFails) {
    std::string bytes;
    EXPECT_FALSE(ReadWholeFile(dir + "/none", bytes));
    EXPECT_FALSE(ReadWholeFile(dir, bytes));
}

}  // namespace
}  // namespace ferdix
