#include "qt/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <set>

#include "app/commands.h"
#include "app/print_request.h"
#include "app/rates_dlg.h"
#include "base/cp1252.h"
#include "base/text_convert.h"
#include "base/written_standard.h"
#include "form/control_ids.h"
#include "qt/app_style.h"
#include "qt/embedded_icons.h"
#include "qt/form_fonts.h"
#include "qt/form_widget.h"
#include "qt/help_window.h"
#include "qt/qt_text.h"
#include "qt/template_dialogs.h"
#include "qt_suites.h"
#include "qt_support.h"
#include "support/temp_folder.h"

namespace ferdix::test {

namespace fs = std::filesystem;

class MainFrameTest : public QObject, public WindowFixture {
    Q_OBJECT

  private:
    std::string Golden() const {
        return ReadFile(std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur");
    }
    // A copy of the full claim in the test's home, so that saving never touches the test data.
    std::string ClaimCopy() const {
        std::string path = m_home->Path("full_claim.tur");
        WriteFile(path, Golden());
        return path;
    }
    void Start(const std::string& commandLine = "") { StartWindow(commandLine); }
    CFormWidget& Form() { return m_frame->Form(); }
    QWidget* W(int id) { return Form().ControlWidget(id); }
    QTreeView* List(int id) { return qobject_cast<QTreeView*>(W(id)); }
    int Rows(int id) { return List(id)->model()->rowCount(); }
    QString Cell(int id, int row, int column) {
        return List(id)->model()->index(row, column).data().toString();
    }
    QAction* A(int command) { return m_frame->Action(command); }
    QString Total() const { return m_frame->TotalPane()->text(); }
    std::string Text(int id) { return Cp1252ToUtf8(Form().GetText(id)); }
    void Show() { ShowWindow(); }
    // Clicks into the field, types character by character at its end, and leaves it with Tab.
    void Fill(int id, const char* utf8) {
        QWidget* w = W(id);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClicks(w, QString::fromUtf8(utf8));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    void SelectRow(int list, int row) {
        QTreeView* tree = List(list);
        QModelIndex item = tree->model()->index(row, 0);
        QVERIFY(item.isValid());
        Form().ensureWidgetVisible(tree);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(item).center());
    }

  private slots:
    void init() { InitWindow(); }
    void cleanup() { CleanupWindow(); }

    void startsWithANewClaimReadyForTyping() {
        Start();
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - Untitled"));
        QCOMPARE(m_frame->MessagePane()->text(), QStringLiteral("Klar"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 0,00"));
        // The rates of ferdix.ini are in their fields and in the claim, which is not modified.
        QCOMPARE(Form().GetText(kIdDayDomesticOver12hRate), std::string("445,00"));
        QVERIFY(!m_frame->App().Document()->IsModified());
        QVERIFY(m_dialogs.messages.empty());
        Show();
        QCOMPARE(QApplication::focusWidget(), W(kIdPersonId));
    }

    void startsWithTheClaimNamedOnTheCommandLineAndKeepsItAsRecent() {
        std::string path = ClaimCopy();
        Start(path);
        Show();
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 1024594,00"));
        QLabel* pane = m_frame->TotalPane();
        QVERIFY(pane->width() >= 100);
        QVERIFY(pane->fontMetrics().horizontalAdvance(Total()) <= pane->contentsRect().width());
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - full_claim.tur"));
        QCOMPARE(Text(kIdName), std::string("Kari Nordmann"));
        QCOMPARE(QApplication::focusWidget(), W(kIdPersonId));

        // The recent-file list lives in the user's settings, and the next run shows it.
        QString settings = UserSettingsPath();
        QVERIFY(settings.startsWith(QString::fromStdString(m_home->Path("config/"))));
        QCOMPARE(QSettings(settings, QSettings::IniFormat).value("Recent File List/File1"),
                 QVariant(PathToQString(path)));
        m_frame.reset();
        m_frame = std::make_unique<CMainFrame>(m_clock, m_dialogs);
        Start();
        QMenu* file = m_frame->FileMenu();
        emit file->aboutToShow();
        QStringList texts;
        for (QAction* a : file->actions()) {
            texts << a->text();
        }
        QVERIFY(texts.contains(PathToQString(RecentFileMenuText(0, path))));
    }

    void anUnreadableClaimIsReportedAndANewOneStarts() {
        Start(m_home->Path("finnes-ikke.tur"));
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(ToQString(m_dialogs.messages[0].caption), QString::fromUtf8("Feil ved åpning"));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - Untitled"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 0,00"));
    }

    void typingUpdatesTheAmountTheTotalAndTheTitle() {
        Start();
        Show();
        QWidget* count = W(kIdDayDomesticOver12hCount);
        QTest::mouseClick(count, Qt::LeftButton);
        QTest::keyClicks(count, QStringLiteral("2"));
        QCOMPARE(Form().GetText(kIdDayDomesticOver12hAmount), std::string("890,00"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 890,00"));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - Untitled *"));
        QTest::keyClicks(count, QStringLiteral("0"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 8900,00"));
        // A field bound on leaving reaches the claim when the user moves on.
        QWidget* name = W(kIdName);
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClicks(name, QString::fromUtf8("Åse Ødegård"));
        QCOMPARE(m_frame->App().Document()->Claim().Traveller().Name(), std::string());
        QTest::keyClick(name, Qt::Key_Tab);
        QCOMPARE(m_frame->App().Document()->Claim().Traveller().Name(),
                 std::string("Åse Ødegård"_cp));
    }

    void tabReachesEveryFieldFromTheFirst() {
        Start();
        Show();
        std::set<QWidget*> visited;
        QWidget* first = QApplication::focusWidget();
        QCOMPARE(first, W(kIdPersonId));
        QTest::keyClick(first, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), W(kIdName));
        for (int i = 0; i < 400 && !visited.count(QApplication::focusWidget()); ++i) {
            visited.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Every enabled field one can type in lies on the round.
        for (QLineEdit* edit : Form().Page()->findChildren<QLineEdit*>()) {
            if (edit->isVisible() && edit->isEnabled() && !edit->isReadOnly()) {
                QWidget* control = edit;
                if (auto* combo = qobject_cast<QWidget*>(edit->parent());
                    combo && combo->inherits("QComboBox")) {
                    control = combo;
                }
                QVERIFY2(visited.count(control) || visited.count(edit->focusProxy()),
                         qPrintable(control->accessibleName()));
            }
        }
    }

    void registeringATravelLineShowsItWholeAndPreparesTheNextLeg() {
        Start();
        Show();
        Fill(kIdTravelDate, "05.03.26");
        Fill(kIdTravelTime, "08:00");
        Fill(kIdTravelFrom, "Oslo");
        Fill(kIdTravelArrival, "14:00");
        Fill(kIdTravelTo, "Bergen");
        Fill(kIdTravelMeans, "Fly");
        Fill(kIdTravelSum, "1450");
        QTest::mouseClick(W(kIdTravelRegister), Qt::LeftButton);

        QCOMPARE(Rows(kIdTravelList), 1);
        QCOMPARE(Cell(kIdTravelList, 0, 0), QStringLiteral("05.03.26"));
        QCOMPARE(Cell(kIdTravelList, 0, 9), QStringLiteral("1450,00"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 1450,00"));
        QCOMPARE(Text(kIdTravelFrom), std::string("Bergen"));
        QCOMPARE(Text(kIdTravelTime), std::string("14:00"));
        QCOMPARE(Text(kIdTravelTo), std::string());
        QCOMPARE(QApplication::focusWidget(), W(kIdTravelDate));
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - Untitled *"));
    }

    // The list font is small enough that dates, times and amounts are not cut.
    void listColumnsShowDatesTimesAndAmountsWhole() {
        Start(ClaimCopy());
        Show();
        int margins = 2 * (Form().style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        // Every value of the test claim, its largest amounts too.
        for (auto [id, columns] : {std::pair{kIdTravelList, std::vector<int>{0, 1, 4, 6, 7, 8, 9}},
                                   std::pair{kIdOutlayList, std::vector<int>{0, 2, 3, 4, 5}}}) {
            QTreeView* list = List(id);
            QVERIFY(Rows(id) > 0);
            QFontMetrics fm(list->font());
            for (int r = 0; r < Rows(id); ++r) {
                for (int c : columns) {
                    QString text = Cell(id, r, c).trimmed();
                    QVERIFY2(fm.horizontalAdvance(text) + margins <= list->columnWidth(c),
                             qPrintable(text));
                }
            }
        }
    }

    void editActionsFollowTheListSelectionAndTheirKeys() {
        Start(ClaimCopy());
        Show();
        QAction* editTravel = A(kCmdEditTravelLine);
        QAction* editOutlay = A(kCmdEditOutlayLine);
        QVERIFY(!editTravel->isEnabled());
        QVERIFY(!editOutlay->isEnabled());
        int travelRows = Rows(kIdTravelList);
        SelectRow(kIdTravelList, 0);
        QTRY_VERIFY(editTravel->isEnabled());
        QVERIFY(!editOutlay->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
        QCOMPARE(Rows(kIdTravelList), travelRows - 1);
        QCOMPARE(QApplication::focusWidget(), W(kIdTravelDate));
        QVERIFY(!Text(kIdTravelFrom).empty());
        QTRY_VERIFY(!editTravel->isEnabled());

        // Alt+H is also the mnemonic of "&Hjelp"; the command wins.
        int outlayRows = Rows(kIdOutlayList);
        SelectRow(kIdOutlayList, 0);
        QTRY_VERIFY(editOutlay->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
        QCOMPARE(Rows(kIdOutlayList), outlayRows - 1);
        QCOMPARE(QApplication::focusWidget(), W(kIdOutlayDate));
        QVERIFY(!m_frame->Menus().back()->isVisible());
    }

    // The bars' overflow buttons get drawn pictures; every other picture and everything else
    // is the base style's.
    void appStyleDrawsOnlyTheOverflowPictures() {
        CAppStyle style(QStringLiteral("fusion"));
        QCOMPARE(style.baseStyle()->name(), QStringLiteral("fusion"));
        QImage shown[2];
        int i = 0;
        for (auto picture : {QStyle::SP_ToolBarHorizontalExtensionButton,
                             QStyle::SP_ToolBarVerticalExtensionButton}) {
            QIcon icon = style.standardIcon(picture);
            QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
            QImage image = icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
            int ink = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    ink += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
                }
            }
            QVERIFY(ink > 10 && ink < 128);
            shown[i++] = image;
        }
        QVERIFY(shown[0] != shown[1]);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        QCOMPARE(style.standardIcon(QStyle::SP_MessageBoxWarning).availableSizes(),
                 fusion->standardIcon(QStyle::SP_MessageBoxWarning).availableSizes());
        QCOMPARE(style.pixelMetric(QStyle::PM_ToolBarIconSize),
                 fusion->pixelMetric(QStyle::PM_ToolBarIconSize));
    }

    // Fusion's group-box frame comes from the cache, put there from the built-in pixels, which
    // are Qt's own picture.
    void groupBoxFrameComesFromTheCache() {
        if (!KnowsPixmapFileCacheKey()) {
            QVERIFY(!CacheGroupBoxPicture());
            QSKIP("the pixmap cache key of this Qt is not known; Fusion reads its file");
        }
        QPixmapCache::clear();
        QString path = QString::fromLatin1(kGroupBoxPicture);
        QVERIFY(CacheGroupBoxPicture());
        QPixmap cached;
        QVERIFY(QPixmapCache::find(PixmapFileCacheKey(path), &cached));
        QCOMPARE(QPixmap(path).cacheKey(), cached.cacheKey());
        QImage read = QImage(path, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QVERIFY(!read.isNull());
        QCOMPARE(EmbeddedImage("fusion_groupbox"), read);
        QPixmapCache::clear();
        QVERIFY(QPixmap(path).cacheKey() != cached.cacheKey());
    }

    // The pictures built into the program are the shipped PNGs, pixel for pixel, and the
    // toolbar's buttons show them at both sizes.
    void builtInPicturesAreTheShippedPngs() {
        QDir icons(QStringLiteral(FERDIX_RESOURCES_DIR "/icons"));
        QStringList pngs = icons.entryList({QStringLiteral("*.png")});
        QVERIFY(pngs.size() >= 30);
        int compared = 0;
        for (const QString& file : pngs) {
            QString name = file.chopped(4);
            QImage built = EmbeddedImage(name.toStdString());
            if (name == QStringLiteral("ferdix-256")) {
                QVERIFY(built.isNull());  // no window asks for it
                continue;
            }
            QImage shipped = QImage(icons.filePath(file), "PNG")
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            shipped.setDevicePixelRatio(1.0);  // Qt reads "@2x" in the name as 2
            QVERIFY2(!built.isNull(), qPrintable(name));
            QCOMPARE(built, shipped);
            ++compared;
        }
        QCOMPARE(compared + 1, static_cast<int>(EmbeddedPictures().size()));  // and Qt's frame
        QVERIFY(EmbeddedImage("finnes-ikke").isNull());

        Start();
        QIcon save = A(kCmdFileSave)->icon();
        QImage shown =
            save.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(1.0);
        QCOMPARE(shown, EmbeddedImage("save"));
        QCOMPARE(save.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    }

    void writtenStandardSwitchesFromTheMenuAndTheToolBar() {
        Start();
        Show();
        QVERIFY(A(kCmdBokmal)->isChecked());
        QVERIFY(A(kCmdBokmalToolbar)->isChecked());
        // "&Vis" > "&Nynorsk"
        QMenu* view = m_frame->Menus()[2];
        QVERIFY(view->actions().contains(A(kCmdNynorsk)));
        A(kCmdNynorsk)->trigger();
        QCOMPARE(Text(kIdNameLabel), std::string("Namn"));
        QCOMPARE(W(kIdName)->accessibleName(), QStringLiteral("Namn"));
        QCOMPARE(Total(), QStringLiteral("Sum: 0,00"));
        QVERIFY(A(kCmdNynorsk)->isChecked());
        QVERIFY(A(kCmdNynorskToolbar)->isChecked());
        QVERIFY(!A(kCmdBokmal)->isChecked());

        QWidget* bokmal = m_frame->ToolBar()->widgetForAction(A(kCmdBokmalToolbar));
        QTest::mouseClick(bokmal, Qt::LeftButton);
        QCOMPARE(Text(kIdNameLabel), std::string("Navn"));
        QCOMPARE(W(kIdName)->accessibleName(), QStringLiteral("Navn"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 0,00"));
        QVERIFY(A(kCmdBokmal)->isChecked());
        QVERIFY(!A(kCmdNynorskToolbar)->isChecked());
    }

    void menusToolBarAndPromptsFollowTheCommandTable() {
        Start();
        Show();
        QStringList titles;
        for (QMenu* m : m_frame->Menus()) {
            titles << m->title();
        }
        QCOMPARE(titles, (QStringList{"&Fil", "&Editer", "&Vis", "&Hjelp"}));
        QCOMPARE(m_frame->FileMenu()->actions().front()->text(), QStringLiteral("&Ny\tCtrl+N"));
        QCOMPARE(A(kCmdEditOutlayLine)->text(), QStringLiteral("Endre &hotellutlegg\tAtl+H"));
        QList<QAction*> buttons;
        for (QAction* a : m_frame->ToolBar()->actions()) {
            if (!a->isSeparator()) {
                buttons << a;
                QVERIFY(!a->icon().isNull());
                QVERIFY(!a->toolTip().isEmpty());
            }
        }
        QList<QAction*> expected;
        for (int id : ToolBarLayout()) {
            if (id != kToolBarGap) {
                expected << A(id);
            }
        }
        QCOMPARE(buttons, expected);
        QCOMPARE(A(kCmdFileNew)->toolTip(), QStringLiteral("Ny"));

        // Pointing at a button shows its prompt in place of "Klar".
        QWidget* button = m_frame->ToolBar()->widgetForAction(A(kCmdFileNew));
        QTest::mouseMove(button);
        QTRY_COMPARE(m_frame->statusBar()->currentMessage(),
                     QStringLiteral("Oppretter en ny reiseregning"));

        // Hiding the toolbar from the menu takes its check mark away.
        QVERIFY(A(kCmdViewToolBar)->isChecked());
        A(kCmdViewToolBar)->trigger();
        QVERIFY(m_frame->ToolBar()->isHidden());
        QVERIFY(!A(kCmdViewToolBar)->isChecked());
    }

    void ctrlSSavesTheClaimByteForByte() {
        std::string path = ClaimCopy();
        Start(path);
        Show();
        fs::remove(path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadFile(path), Golden() + '\0');
        QVERIFY(m_dialogs.messages.empty());

        Fill(kIdName, "x");
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - full_claim.tur *"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(ReadFile(path).find("Navn: Kari Nordmannx\r\n") != std::string::npos);
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - full_claim.tur"));
    }

    // Save and Save As take the text being typed without moving the focus: the form stays
    // where it was, with the caret in the field.
    void savingLeavesTheFormWhereItWas() {
        std::string path = ClaimCopy();
        Start(path);
        m_frame->resize(640, 500);
        Show();
        for (int id : {kIdLodging, kIdRemarks, kIdTripNumber}) {
            QWidget* field = W(id);
            // The field in the middle of the window, where no scrolling to it would leave it.
            Form().SetScrollPosition(field->y() - Form().VisibleHeight() / 2);
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, 6));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
            int scroll = Form().ScrollPosition();
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(Form().ScrollPosition(), scroll);
            QCOMPARE(QApplication::focusWidget(), focus);
            QVERIFY(!m_frame->windowTitle().endsWith(QStringLiteral(" *")));
            QVERIFY(ReadFile(path).find(Form().GetText(id)) != std::string::npos);

            QTest::keyClicks(focus, QStringLiteral("y"));
            std::string copy = m_home->Path("kopi.tur");
            m_dialogs.paths.push_back(copy);
            A(kCmdFileSaveAs)->trigger();
            QCOMPARE(Form().ScrollPosition(), scroll);
            QCOMPARE(QApplication::focusWidget(), focus);
            QVERIFY(ReadFile(copy).find(Form().GetText(id)) != std::string::npos);
            path = copy;
        }
    }

    // A character the claim cannot hold is refused where it is typed, and the status bar says
    // why: the screen, the file and the profile hold the same text.
    void aRefusedCharacterIsToldAndNeverSaved() {
        Start();
        Show();
        QWidget* name = W(kIdName);
        QTest::mouseClick(name, Qt::LeftButton);
        TypeText(name, QString::fromUtf8("Łukasz Dvořák €"));
        QCOMPARE(Text(kIdName), std::string("ukasz Dvoák €"));
        QVERIFY2(m_frame->statusBar()->currentMessage().startsWith(
                     QString::fromUtf8("«ř» kan ikke lagres i en reiseregning")),
                 qPrintable(m_frame->statusBar()->currentMessage()));
        std::string path = m_home->Path("navn.tur");
        m_dialogs.paths.push_back(path);
        A(kCmdFileSaveAs)->trigger();
        QVERIFY(ReadFile(path).find("Navn: ukasz Dvoák €\r\n"_cp) != std::string::npos);
        // In nynorsk the note is nynorsk.
        A(kCmdNynorsk)->trigger();
        TypeText(name, QString::fromUtf8("ő"));
        QVERIFY(m_frame->statusBar()->currentMessage().startsWith(
            QString::fromUtf8("«ő» kan ikkje lagrast i ei reiserekning")));
        // And in the small dialogs.
        bool refused = false;
        m_dialogs.users.push_back([&](QDialog& dialog) {
            auto* field = static_cast<CTemplateDialog&>(dialog).ControlAs<QLineEdit>(kIdKmSoFar);
            TypeText(field, QString::fromUtf8("1Ł2"));
            refused = field->text() == QStringLiteral("12");
            dialog.reject();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
        QVERIFY(refused);
    }

    // Fitting the labels measures them in both standards and leaves the window's as it was:
    // after a fit the form, the notes and the print-out speak the standard the user chose.
    void fittingTheLabelsLeavesTheWindowsStandard() {
        Start();
        Show();
        for (int command : {kCmdNynorsk, kCmdBokmal}) {
            A(command)->trigger();
            int standard = command == kCmdNynorsk ? kNynorsk : kBokmal;
            FontFitKey key;
            MeasureFormFonts(m_frame->Form(), &key);
            QCOMPARE(m_frame->App().Locale().standard, standard);
            QCOMPARE(Text(kIdNameLabel), std::string(standard == kNynorsk ? "Namn" : "Navn"));
            QCOMPARE(PrintSourceOf(*m_frame->App().Document(), m_frame->Form()).writtenStandard,
                     standard);
            QWidget* name = W(kIdName);
            QTest::mouseClick(name, Qt::LeftButton);
            TypeText(name, QString::fromUtf8("ő"));
            QVERIFY2(m_frame->statusBar()->currentMessage().startsWith(QString::fromUtf8(
                         standard == kNynorsk ? "«ő» kan ikkje lagrast" : "«ő» kan ikke lagres")),
                     qPrintable(m_frame->statusBar()->currentMessage()));
        }
    }

    void newClearsTheFieldBeingEdited() {
        Start();
        Show();
        QWidget* name = W(kIdName);
        QTest::mouseClick(name, Qt::LeftButton);
        TypeText(name, QString::fromUtf8("Łukasz"));
        m_dialogs.answers.push_back(MsgAnswer::No);
        QTest::keyClick(name, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(Text(kIdName), std::string());
        QCOMPARE(m_frame->App().Document()->Claim().Traveller().Name(), std::string());
    }

    void closingAModifiedClaimAsksFirst() {
        Start();
        Show();
        QWidget* name = W(kIdName);
        QTest::mouseClick(name, Qt::LeftButton);
        QTest::keyClicks(name, QStringLiteral("Kari"));
        m_dialogs.answers.push_back(MsgAnswer::Cancel);
        QTest::keyClick(name, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(m_frame->isVisible());
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(m_dialogs.messages[0].buttons, MsgButtons::YesNoCancel);
        // The text typed last reached the claim before the question.
        QCOMPARE(m_frame->App().Document()->Claim().Traveller().Name(), std::string("Kari"));
        m_dialogs.answers.push_back(MsgAnswer::No);
        QVERIFY(m_frame->close());
    }

    void ratesDialogChangesTheFormAtOnce() {
        Start();
        Show();
        std::string ini = ReadFile(m_program + "ferdix.ini");
        QString shownDuring;
        QStringList items;
        m_dialogs.users.push_back([&](QDialog& dialog) {
            auto& rates = static_cast<CTemplateDialog&>(dialog);
            auto* list = rates.ControlAs<QListWidget>(kIdRatesList);
            for (int i = 0; i < list->count(); ++i) {
                items << list->item(i)->text();
            }
            QListWidgetItem* car = list->findItems("Bil over 9000km", Qt::MatchExactly).value(0);
            QVERIFY(car);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(car).center());
            auto* value = rates.ControlAs<QLineEdit>(kIdRatesValue);
            value->selectAll();
            QTest::keyClicks(value, QStringLiteral("3,50"));
            QTest::mouseClick(rates.ControlAs<QPushButton>(kIdRatesChange), Qt::LeftButton);
            shownDuring = QString::fromStdString(Text(kIdCarOver9000Rate));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QMenu* edit = m_frame->Menus()[1];
        QVERIFY(edit->actions().contains(A(kCmdRatesDialog)));
        A(kCmdRatesDialog)->trigger();
        QCOMPARE(m_dialogs.dialogTitles, (std::vector<QString>{"Satser"}));
        QStringList model;
        for (const std::string& name : CRatesDlg(*m_frame->App().Document(), nullptr).ListItems()) {
            model << ToQString(name);
        }
        QCOMPARE(items, model);
        QCOMPARE(shownDuring, QStringLiteral("3,50"));
        // Escape keeps the change for the run and writes nothing.
        QCOMPARE(Text(kIdCarOver9000Rate), std::string("3,50"));
        QCOMPARE(ReadFile(m_program + "ferdix.ini"), ini);
    }

    void kmDialogRefusesAnOutOfRangeFigureAndKeepsTheValidOne() {
        Start();
        Show();
        bool openAfterRefusal = false;
        m_dialogs.users.push_back([&](QDialog& dialog) {
            auto& km = static_cast<CTemplateDialog&>(dialog);
            auto* field = km.ControlAs<QLineEdit>(kIdKmSoFar);
            QCOMPARE(field->text(), QStringLiteral("0"));
            QCOMPARE(field->selectedText(), QStringLiteral("0"));
            QTest::keyClicks(field, QStringLiteral("65536"));
            QTest::keyClick(field, Qt::Key_Return);
            openAfterRefusal = dialog.isVisible() && dialog.result() == QDialog::Rejected;
            QCOMPARE(field->selectedText(), QStringLiteral("65536"));
            QTest::keyClicks(field, QStringLiteral("12000"));
            QTest::mouseClick(km.ControlAs<QPushButton>(kIdOk), Qt::LeftButton);
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(m_dialogs.dialogTitles,
                 (std::vector<QString>{QString::fromUtf8("Km hittil i år")}));
        QVERIFY(openAfterRefusal);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(ToQString(m_dialogs.messages[0].text),
                 QStringLiteral("Please enter an integer between 0 and 65535."));
        QCOMPARE(m_frame->App().Document()->Claim().Traveller().KmSoFar(), std::uint32_t(12000));
    }

    void helpShowsThePageOfTheWrittenStandard() {
        Start();
        Show();
        A(kCmdHelpIndex)->trigger();
        CHelpWindow* help = m_frame->HelpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->Topic(), kHelpTopicBokmal);
        QVERIFY(help->toPlainText().contains(QStringLiteral("Slik fyller du ut en reiseregning")));
        A(kCmdNynorsk)->trigger();
        QTest::keyClick(m_frame.get(), Qt::Key_F1);
        QCOMPARE(help->Topic(), kHelpTopicNynorsk);
        QVERIFY(help->toPlainText().contains(QStringLiteral("Slik fyller du ut ei reiserekning")));
    }

    void printingWithoutABackEndSaysSoAndWithOneCallsIt() {
        Start();
        Show();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QVERIFY(ToQString(m_dialogs.messages[0].text).contains("ikke tilgjengelig"));
        int printed = 0;
        m_frame->SetPrintBackEnds({[&] { ++printed; }, {}, {}, {}});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printed, 1);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        // The PDF export on its key, without and with its back end.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(2));
        int exported = 0;
        m_frame->SetPrintBackEnds({{}, {}, {}, [&] { ++exported; }});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(exported, 1);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(2));
    }

    void aDroppedClaimOpensOnAnyField() {
        Start();
        Show();
        std::string path = ClaimCopy();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(PathToQString(path))});
        QWidget* target = W(kIdRemarks);
        QPoint at(5, 5);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE(m_frame->windowTitle(), QStringLiteral("Ferdix - full_claim.tur"));
        QCOMPARE(Total(), QString::fromUtf8("Beløp: 1024594,00"));
        QCOMPARE(Text(kIdRemarks).find("file://"), std::string::npos);
        QCOMPARE(QApplication::focusWidget(), W(kIdPersonId));
    }

    // A name that is no UTF-8 reaches Qt with U+FFFD in it; dropped, the claim opens all the
    // same, by the name the file system has.
    void aClaimWhoseNameIsNoUtf8Opens() {
        Start();
        Show();
        std::string path = m_home->Path("reise_\xE6\xF8\xE5.tur");  // Latin-1
        WriteFile(path, Golden());
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(PathToQString(path))});
        QWidget* target = W(kIdRemarks);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QTRY_COMPARE(m_frame->App().Document()->GetPathName(), path);
        QVERIFY(m_dialogs.messages.empty());
        QCOMPARE(Text(kIdName), std::string("Kari Nordmann"));
    }

    // Opened from a damaged file: what it held is on the form, the title has the mark, and a
    // message says what was missing.
    void aDamagedClaimOpensMarkedWithAMessage() {
        Start();
        Show();
        std::string golden = Golden();
        std::string path = m_home->Path("skadet.tur");
        WriteFile(path, golden.substr(0, golden.find("0,00 0,00 1000,00")));
        m_dialogs.paths.push_back(path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(m_dialogs.messages[0].caption, std::string("Skadet reiseregning"));
        QVERIFY(m_dialogs.messages[0].text.find("godtgjøringene"_cp) != std::string::npos);
        QCOMPARE(m_frame->windowTitle(), PathToQString("Ferdix - " + path + " *"));
        QCOMPARE(Text(kIdName), std::string("Kari Nordmann"));
    }

    // Ctrl+O, an edit, and Ctrl+O again: Ja to the question saves to the claim's own file, as
    // Ctrl+S would, without a save dialog.
    void yesToTheQuestionSavesWhereCtrlSWould() {
        Start();
        Show();
        std::string path = ClaimCopy();
        m_dialogs.paths.push_back(path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
        Fill(kIdName, "x");
        m_dialogs.answers.push_back(MsgAnswer::Yes);
        m_dialogs.paths.push_back(std::nullopt);  // the second Open is cancelled
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_dialogs.fileDialogs.size(), std::size_t(2));
        QVERIFY(!m_dialogs.fileDialogs[1].save);
        QVERIFY(ReadFile(path).find("Navn: Kari Nordmannx\r\n") != std::string::npos);
        QCOMPARE(m_frame->windowTitle(), PathToQString("Ferdix - " + path));
    }

    void pageKeysScrollByHalfTheVisibleHeight() {
        Start();
        m_frame->resize(640, 600);
        Show();
        int half = Form().VisibleHeight() / 2;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        QCOMPARE(Form().ScrollPosition(), half);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
        QCOMPARE(Form().ScrollPosition(), 0);
        int end = Form().ContentHeight() - Form().VisibleHeight();
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
        }
        QCOMPARE(Form().ScrollPosition(), end);
    }

    void windowSizeFollowsTheWorkArea() {
        Start();
        m_frame->PlaceOnScreen();
        QRect area = m_frame->screen()->availableGeometry();
        WindowSize size = MainWindowSize(area.y() + area.height());
        QCOMPARE(m_frame->width(), 640);
        QCOMPARE(m_frame->height(), size.height);
        QCOMPARE(m_frame->y(), area.y());
    }
};

int RunMainFrameTests(int argc, char** argv) {
    MainFrameTest t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace ferdix::test

#include "main_frame_test.moc"
