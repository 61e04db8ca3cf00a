// Where a file path meets a message: texts are Windows-1252, paths are file-system strings
// (UTF-8 here), and every message names the path by its bytes as the file system has them,
// which the platform shows as UTF-8 where they are UTF-8 (MixedToUtf8).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

#include "app/headless.h"
#include "app/recovery.h"
#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "claim/ferdix_doc.h"
#include "claim/rate_messages.h"
#include "rates/ini_file.h"
#include "rates/program_settings.h"
#include "rates/rate_table.h"
#include "support/fake_host.h"
#include "support/temp_folder.h"

namespace ferdix {
namespace {

namespace fs = std::filesystem;

class PathMessagesTest : public ::testing::Test {
  protected:
    // Letters inside Windows-1252 and outside it.
    PathMessagesTest() : folder(dir.File("Reiser for Bjørn Ærø, Отчёт-ő")) {
        fs::create_directory(folder);
    }
    std::string File(const std::string& name) const { return folder + "/" + name; }
    std::string ReadOnlyFile(const std::string& name) const {
        std::string path = File(name);
        test::WriteFile(path, "[Satser]\r\n");
        fs::permissions(path, fs::perms::owner_read);
        return path;
    }
    // The text a message shows.
    std::string LastMessageShown() const {
        return host.messages.empty() ? "" : MixedToUtf8(host.messages.back().text);
    }

    test::TempFolder dir;
    std::string folder;
    test::FakeHost host;
};

TEST_F(PathMessagesTest, MessagesShowThePathAsItIsOnDisk) {
    struct Case {
        const char* seam;
        std::string path;
        std::function<std::string()> shown;  // the message as the user reads it, UTF-8
    };
    const std::string missing = File("reiseregning å.tur");
    const Case cases[] = {
        {"open", missing,
         [&] {
             CFerdixDoc doc;
             doc.SetHost(&host);
             host.paths.push_back(missing);
             doc.OnFileOpen();
             return LastMessageShown();
         }},
        {"open from the recent-file list, nynorsk", missing,
         [&] {
             UserLocale nynorsk{kNynorsk, DateOrder::DayFirst};
             CFerdixDoc doc(nynorsk, DefaultClock(), nullptr);
             doc.SetHost(&host);
             doc.OpenDocumentFile(missing);
             return LastMessageShown();
         }},
        {"rates saving", File("ferdix.ini"),
         [&] {
             RateTable changed;
             changed.SetValueForKey("Bil under 9000km", 4.0f);
             RatesSaveResult r = SaveRates(changed, ReadOnlyFile("ferdix.ini"));
             EXPECT_FALSE(r.ok);
             return MixedToUtf8(RatesNotSavedMessage(r).text);
         }},
        {"profile writing", File("reisende.ini"),
         [&] {
             FileLocations files;
             files.profile = ReadOnlyFile("reisende.ini");
             std::string error;
             EXPECT_FALSE(WriteProfileString(files, "", "Navn", "Kari", &error));
             return MixedToUtf8(error);
         }},
        {"profile that cannot be read", File("mappe.ini"),
         [&] {
             FileLocations files;
             files.profile = File("mappe.ini");
             fs::create_directory(files.profile);
             std::string error;
             EXPECT_FALSE(SaveProfile(files, IniDocument(), &error));
             return MixedToUtf8(error);
         }},
        {"atomic writing", File("låst.tur"),
         [&] {
             FileWriteResult r = WriteFileAtomically(ReadOnlyFile("låst.tur"), "x");
             EXPECT_FALSE(r.ok);
             return MixedToUtf8(r.error);
         }},
        {"recovery question", File("reise.tur"),
         [&] {
             OrphanedCopy copy;
             copy.oldName = File("reise.tur");
             return MixedToUtf8(RecoveryQuestionText(kBokmal, copy));
         }},
        {"recovery copy that cannot be read", File("ferdix-1-a.tur"),
         [&] {
             OrphanedCopy copy;
             copy.claimPath = File("ferdix-1-a.tur");
             return MixedToUtf8(
                 RecoveryUnreadableText(kBokmal, copy, File("ulesbar-ferdix-1-a.tur")));
         }},
        {"recovery folder that cannot be made", File("fil"),
         [&] {
             test::WriteFile(File("fil"), "");
             CRecoveryFolder recovery(File("fil") + "/gjenoppretting");
             EXPECT_FALSE(recovery.Open());
             return MixedToUtf8(recovery.Error());
         }},
        {"damaged claim", File("skadet.tur"),
         [&] {
             test::WriteFile(File("skadet.tur"), "Versjon 2.3.19\r\n");
             CFerdixDoc doc;
             doc.SetHost(&host);
             doc.OpenDocumentFile(File("skadet.tur"));
             return LastMessageShown();
         }},
        {"json command, stderr in UTF-8", missing,
         [&] {
             std::ostringstream out, err;
             EXPECT_EQ(RunJsonCommand(missing, out, err), 1);
             return err.str();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seam);
        std::string shown = c.shown();
        EXPECT_NE(shown.find(c.path), std::string::npos) << shown;
    }
}

TEST_F(PathMessagesTest, OpenFailureReadsWholeInEitherStandard) {
    const std::string missing = File("ø.tur");
    CFerdixDoc doc;
    doc.SetHost(&host);
    doc.OpenDocumentFile(missing);
    doc.SetWrittenStandard(kNynorsk);
    doc.OpenDocumentFile(missing);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(MixedToUtf8(host.messages[0].text), "Kan ikke lese filen\n" + missing);
    EXPECT_EQ(MixedToUtf8(host.messages[1].text), "Kan ikkje lese fila\n" + missing);
    EXPECT_EQ(Cp1252ToUtf8(host.messages[1].caption), "Feil ved opning");
}

}  // namespace
}  // namespace ferdix
