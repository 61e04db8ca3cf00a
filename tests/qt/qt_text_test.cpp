#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTest>

#include "base/cp1252.h"
#include "qt/desktop.h"
#include "qt/dialogs.h"
#include "qt/main_frame.h"
#include "qt/qt_text.h"
#include "qt_suites.h"

namespace ferdix::test {

class QtTextTest : public QObject {
    Q_OBJECT

  private slots:
    void windows1252RoundTripsAndUnmappableBecomesQuestionMark() {
        std::string cp = std::string("Beløp: ÆØÅ æøå €"_cp);
        QCOMPARE(ToQString(cp), QString::fromUtf8("Beløp: ÆØÅ æøå €"));
        QCOMPARE(FromQString(ToQString(cp)), cp);
        QCOMPARE(FromQString(QString::fromUtf8("Łódź")), std::string("?\xF3"
                                                                     "d?"));
    }

    // A path inside a text is UTF-8 on this system; the rest is Windows-1252.
    void mixedTextDecodesPathsAndLabels() {
        struct Case {
            std::string bytes;
            const char* shown;
        };
        const Case cases[] = {
            {"Kan ikke lese filen\n/home/kari/Reise \xC3\xB8st.tur",
             "Kan ikke lese filen\n/home/kari/Reise øst.tur"},
            {std::string("Feil ved åpning"_cp), "Feil ved åpning"},
            {"/tmp/\xC3\xA6\xC3\xB8 *", "/tmp/æø *"},
            {"\xE6\xF8\xE5", "æøå"},                    // a lead byte without continuation
            {"\xC3(", "Ã("},                            // not a sequence
            {"\xED\xA0\x80", "í\xC2\xA0\xE2\x82\xAC"},  // no surrogates
        };
        for (const Case& c : cases) {
            QCOMPARE(MixedToQString(c.bytes), QString::fromUtf8(c.shown));
        }
    }

    void multiLineTextKeepsCrLfInTheLibrary() {
        QCOMPARE(ToEditText("a\r\nb\r\n"), QStringLiteral("a\nb\n"));
        QCOMPARE(FromEditText(QStringLiteral("a\nb")), std::string("a\r\nb"));
        QCOMPARE(FromEditText(QStringLiteral("a\r\nb")), std::string("a\r\nb"));
    }

    void fileDialogFiltersFromThePlatformForm() {
        QCOMPARE(NameFilters("Reiseregninger (*.tur)|*.tur|Alle filer (*.*) | *.*||"),
                 (QStringList{QStringLiteral("Reiseregninger (*.tur)"),
                              QStringLiteral("Alle filer (*.*)")}));
        QCOMPARE(NameFilters("Reiseregninger (*.tur)|*.tur||"),
                 QStringList{QStringLiteral("Reiseregninger (*.tur)")});
    }

    // Every name the file system holds comes back from the QString Qt made of it, also one
    // that is no UTF-8 (Qt shows its bytes as U+FFFD), in any folder of the path.
    void pathsThatAreNoUtf8ComeBackFromQt() {
        QTemporaryDir dir;
        const std::string base = PathFromQString(dir.path());
        const std::string latin1Folder = base + "/Reiser \xD8st";
        QVERIFY(::mkdir(latin1Folder.c_str(), 0700) == 0);
        const std::string names[] = {
            base + "/reise_\xE6\xF8\xE5.tur",
            latin1Folder + "/reise \xE5.tur",
            base + "/Отчёт-ő.tur",
        };
        for (const std::string& name : names) {
            QVERIFY(::close(::creat(name.c_str(), 0600)) == 0);
            QCOMPARE(PathFromQString(PathToQString(name)), name);
        }
        // A name not on disk (a claim about to be saved) is encoded as it is.
        QCOMPARE(PathFromQString(QString::fromUtf8("/tmp/ny ø.tur")),
                 std::string("/tmp/ny \xC3\xB8.tur"));
    }

    void commandLineIsOnePathJoinedByBlanks() {
        const char* alone[] = {"ferdix"};
        QCOMPARE(CommandLinePath(1, alone), std::string());
        const char* one[] = {"ferdix", "/tmp/a.tur"};
        QCOMPARE(CommandLinePath(2, one), std::string("/tmp/a.tur"));
        const char* two[] = {"ferdix", "/tmp/Min", "reise \xC3\xB8.tur"};
        QCOMPARE(CommandLinePath(3, two), std::string("/tmp/Min reise \xC3\xB8.tur"));
        // A name in Latin-1 is no UTF-8: its bytes stay as they are.
        const char* latin1[] = {"ferdix", "/tmp/reise_\xE6\xF8\xE5.tur"};
        QCOMPARE(CommandLinePath(2, latin1), std::string("/tmp/reise_\xE6\xF8\xE5.tur"));
    }
};

int RunQtTextTests(int argc, char** argv) {
    QtTextTest t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace ferdix::test

#include "qt_text_test.moc"
