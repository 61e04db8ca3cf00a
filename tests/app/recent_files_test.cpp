#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ferdix {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFileListTest, MostRecentFirstEachPathOnceAtMostFour) {
    RecentFileList list(4);
    EXPECT_TRUE(list.Empty());
    for (const char* p : {"/a.tur", "/b.tur", "/c.tur"}) {
        list.Add(p);
    }
    EXPECT_EQ(list.Entries(), (Paths{"/c.tur", "/b.tur", "/a.tur"}));
    list.Add("/a.tur");
    EXPECT_EQ(list.Entries(), (Paths{"/a.tur", "/c.tur", "/b.tur"}));
    // The same file by another spelling of its path.
    list.Add("/x/../b.tur");
    EXPECT_EQ(list.Entries(), (Paths{"/b.tur", "/a.tur", "/c.tur"}));
    list.Add("/d.tur");
    list.Add("/e.tur");
    EXPECT_EQ(list.Entries(), (Paths{"/e.tur", "/d.tur", "/b.tur", "/a.tur"}));
    // Paths differing in letter case are different files here.
    list.Add("/E.tur");
    EXPECT_EQ(list.Entries(), (Paths{"/E.tur", "/e.tur", "/d.tur", "/b.tur"}));
    list.Remove(1);
    EXPECT_EQ(list.Entries(), (Paths{"/E.tur", "/d.tur", "/b.tur"}));
    list.Remove(7);
    EXPECT_EQ(list.Size(), 3u);
}

TEST(RecentFileListTest, ARelativePathIsListedInFull) {
    RecentFileList list(4);
    list.Add("reise.tur");
    EXPECT_EQ(list.Entries().front(), (std::filesystem::current_path() / "reise.tur").string());
}

TEST(RecentFileListTest, LoadKeepsTheOrderAndTheRules) {
    RecentFileList list(4);
    list.Add("/old.tur");
    Paths kept = {"/a.tur", "", "/b.tur", "/a.tur", "/c.tur", "/d.tur", "/e.tur"};
    list.Load(kept);
    EXPECT_EQ(list.Entries(), (Paths{"/a.tur", "/b.tur", "/c.tur", "/d.tur"}));
}

TEST(RecentFileListTest, MenuTextNumbersAndShortensThePath) {
    EXPECT_EQ(RecentFileMenuText(0, "/home/kari/reise.tur"), "&1 /home/kari/reise.tur");
    EXPECT_EQ(RecentFileMenuText(3, "/home/kari/Dokumenter/Reiser/2026/bergen.tur"),
              "&4 /home/.../2026/bergen.tur");
    EXPECT_EQ(RecentFileMenuText(1, "/home/kari/a/b/c/d/e/en-altfor-lang-filnavn.tur"),
              "&2 .../en-altfor-lang-filnavn.tur");
    EXPECT_EQ(RecentFileMenuText(0, "/home/Per & Pål/x.tur"), "&1 /home/Per && Pål/x.tur");
}

}  // namespace
}  // namespace ferdix
