#include "qt/form_widget.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyle>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolTip>
#include <QTreeView>
#include <algorithm>
#include <memory>

#include "base/cp1252.h"
#include "base/written_standard.h"
#include "form/accessible_names.h"
#include "form/control_ids.h"
#include "form/form_lists.h"
#include "form/tab_order.h"
#include "qt/form_fonts.h"
#include "qt/line_list.h"
#include "qt/qt_text.h"
#include "qt_suites.h"
#include "qt_support.h"

namespace ferdix::test {

class FormWidgetTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<IsolatedHome> m_home;
    std::unique_ptr<CFormWidget> m_form;
    RecordingEvents m_events;

    QWidget* W(int id) const { return m_form->ControlWidget(id); }
    int FocusedId() const {
        for (const ControlTemplate& t : FormTemplate()) {
            QWidget* w = t.id == kNoControlId ? nullptr : W(t.id);
            if (w && (w == QApplication::focusWidget() ||
                      w->isAncestorOf(QApplication::focusWidget()))) {
                return t.id;
            }
        }
        return 0;
    }
    void Show() {
        m_form->resize(620, 700);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

  private slots:
    void init() {
        m_home = std::make_unique<IsolatedHome>();
        m_form = std::make_unique<CFormWidget>();
        m_events.events.clear();
        m_form->SetEvents(&m_events);
    }
    void cleanup() {
        m_form.reset();
        m_home.reset();
    }

    void oneWidgetPerControlPlacedInDialogUnits() {
        std::span<const ControlTemplate> form = FormTemplate();
        QCOMPARE(form.size(), std::size_t(kFormControlCount));
        // An 8-point dialog font at 96 dpi makes about 1.5 by 1.625 pixels per unit.
        QVERIFY2(m_form->UnitX() >= 1.25 && m_form->UnitX() <= 1.75,
                 qPrintable(QString::number(m_form->UnitX())));
        QVERIFY2(m_form->UnitY() >= 1.375 && m_form->UnitY() <= 1.875,
                 qPrintable(QString::number(m_form->UnitY())));
        Show();
        for (std::size_t i = 0; i < form.size(); ++i) {
            QWidget* w = m_form->EntryWidget(i);
            QVERIFY(w);
            QCOMPARE(w->geometry(), m_form->ToPixels(form[i].rect));
            QCOMPARE(w->isVisible(), form[i].kind != ControlKind::HiddenEdit);
        }
        QCOMPARE(m_form->ContentHeight(),
                 m_form->ToPixels({0, 0, kFormWidthDu, kFormHeightDu}).height());
    }

    void libraryTextRaisesExactlyOneChangeAndNoSignal() {
        for (int id :
             {kIdName, kIdRemarks, kIdDayDomesticOver12hAmount, kIdBoardLodgingDaysCoveredCount}) {
            m_events.events.clear();
            m_form->SetText(id, "12");
            m_form->SetText(id, "12");  // unchanged: still one change, as on Windows
            QCOMPARE(m_events.events,
                     (std::vector<std::string>{Ev("change", id), Ev("change", id)}));
            QCOMPARE(m_form->GetText(id), std::string("12"));
        }
        m_events.events.clear();
        for (int id : {kIdTravelCurrency, kIdNameLabel, kIdTripOther, kIdPersonaliaBox}) {
            m_form->SetText(id, "SEK");
            QCOMPARE(m_form->GetText(id), std::string("SEK"));
        }
        QVERIFY(m_events.events.empty());
    }

    void typingIsOneChangePerCharacterAndLeavingRaisesLeaveOnce() {
        Show();
        m_form->SetFocus(kIdName);
        QTest::keyClicks(W(kIdName), QString::fromUtf8("Kåre"));
        QCOMPARE(m_events.Count(Ev("change", kIdName)), 4);
        QCOMPARE(m_form->GetText(kIdName), std::string("Kåre"_cp));
        // The user moves on with Tab: the field that had the focus is left, once.
        QTest::keyClick(W(kIdName), Qt::Key_Tab);
        QCOMPARE(m_events.Count(Ev("leave", kIdName)), 1);
        QCOMPARE(m_form->GetFocus(), kIdStreet);
        QCOMPARE(FocusedId(), kIdStreet);
        QCOMPARE(m_events.events.back(), Ev("leave", kIdName));
    }

    void libraryFocusMoveRaisesLeaveBeforeReturning() {
        Show();
        m_form->SetFocus(kIdPersonId);
        m_events.events.clear();
        m_form->SetFocus(kIdRemarks);
        QCOMPARE(m_events.events, std::vector<std::string>{Ev("leave", kIdPersonId)});
        QCOMPARE(FocusedId(), kIdRemarks);
        // The scroll area brings the field into view.
        QVERIFY(m_form->ScrollPosition() > 0);
        QApplication::processEvents();
        QCOMPARE(m_events.events.size(), std::size_t(1));
        m_form->SetFocus(0);
        QCOMPARE(m_events.events.back(), Ev("leave", kIdRemarks));
        QCOMPARE(m_form->GetFocus(), 0);
    }

    void openingADropDownIsNoLeave() {
        Show();
        m_form->AddString(kIdTravelMeans, "Bil");
        m_form->SetFocus(kIdTravelMeans);
        m_events.events.clear();
        auto* combo = static_cast<QComboBox*>(W(kIdTravelMeans));
        combo->showPopup();
        QApplication::processEvents();
        combo->hidePopup();
        QApplication::processEvents();
        QVERIFY(m_events.events.empty());
        QCOMPARE(m_form->GetFocus(), kIdTravelMeans);
    }

    void editableDropDownNeitherAddsNorCompletesTypedText() {
        Show();
        for (const char* item : {"NOK", "SEK", "EUR"}) {
            m_form->AddString(kIdTravelCurrency, item);
        }
        m_form->SetText(kIdTravelCurrency, "NOK");
        m_form->AddString(kIdTravelCurrency, "AED");  // adding keeps the text shown
        QCOMPARE(m_form->GetText(kIdTravelCurrency), std::string("NOK"));
        auto* combo = static_cast<QComboBox*>(W(kIdTravelCurrency));
        QCOMPARE(combo->itemText(0), QStringLiteral("AED"));  // sorted
        m_form->SetFocus(kIdTravelCurrency);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo, QStringLiteral("N"));
        QCOMPARE(m_form->GetText(kIdTravelCurrency), std::string("N"));
        QTest::keyClicks(combo, QStringLiteral("ZD"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->count(), 4);
        QCOMPARE(m_form->GetText(kIdTravelCurrency), std::string("NZD"));
        QCOMPARE(m_events.Count(Ev("change", kIdTravelCurrency)), 3);
        QCOMPARE(m_form->GetSelectedItemText(kIdTravelCurrency), std::string());
        // Picking an item is a pick, not a change.
        m_events.events.clear();
        combo->setCurrentIndex(-1);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(m_events.events, std::vector<std::string>{Ev("pick", kIdTravelCurrency)});
        QCOMPARE(m_form->GetSelectedItemText(kIdTravelCurrency), std::string("AED"));
    }

    void radioGroupsFollowTheTemplate() {
        Show();
        m_form->SetCheck(kIdTripCourse, true);
        m_form->SetCheck(kIdHotel, true);
        QTest::mouseClick(W(kIdTripOfficial), Qt::LeftButton);
        QVERIFY(m_form->IsChecked(kIdTripOfficial));
        QVERIFY(!m_form->IsChecked(kIdTripCourse));
        QVERIFY(m_form->IsChecked(kIdHotel));  // another group
        QCOMPARE(m_events.Count(Ev("click", kIdTripOfficial)), 1);
        // Setting a state leaves the rest of the group alone; clearing the checked one works.
        m_form->SetCheck(kIdTripOther, true);
        QVERIFY(m_form->IsChecked(kIdTripOfficial));
        m_form->SetCheck(kIdTripOfficial, false);
        m_form->SetCheck(kIdTripOther, false);
        QVERIFY(!m_form->IsChecked(kIdTripOfficial) && !m_form->IsChecked(kIdTripOther));
        // The arrow keys move within the group and choose.
        m_form->SetCheck(kIdHotel, true);
        m_form->SetFocus(kIdHotel);
        QTest::keyClick(W(kIdHotel), Qt::Key_Right);
        QVERIFY(m_form->IsChecked(kIdBoardingHouse));
        QVERIFY(!m_form->IsChecked(kIdHotel));
        QCOMPARE(m_events.Count(Ev("click", kIdBoardingHouse)), 1);
    }

    void tabFollowsTheReadingOrderGroupByGroup() {
        Show();
        // A user clicks "Pensjonat": Qt then moves the group's tab stop to it.
        QTest::mouseClick(W(kIdBoardingHouse), Qt::LeftButton);
        QVERIFY(m_form->IsChecked(kIdBoardingHouse));
        // Every stop in reading order; a radio group is entered at its checked button.
        std::vector<int> expected;
        for (const TabStop& stop : FormTabStops()) {
            int target = stop.ids.front();
            for (int id : stop.ids) {
                if (m_form->IsChecked(id)) {
                    target = id;
                }
            }
            expected.push_back(target);
        }
        QVERIFY(std::count(expected.begin(), expected.end(), kIdMealInfo1) == 1);
        for (bool forward : {true, false}) {
            std::vector<int> walk = expected;
            if (!forward) {
                std::reverse(walk.begin(), walk.end());
            }
            m_form->SetFocus(walk.front());
            for (std::size_t i = 1; i <= walk.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                                forward ? Qt::NoModifier : Qt::ShiftModifier);
                // Round the end, back to where the walk began.
                int want = walk[i % walk.size()];
                QVERIFY2(
                    FocusedId() == want,
                    qPrintable(
                        QStringLiteral("stop %1: %2, not %3").arg(i).arg(FocusedId()).arg(want)));
            }
        }
        // From any button of a group, Tab leaves the group, Shift+Tab too, the other way.
        for (int id : {kIdHotel, kIdBoardingHouse, kIdLodgingOther}) {
            m_form->SetFocus(id);
            QTest::keyClick(W(id), Qt::Key_Tab);
            QCOMPARE(FocusedId(), kIdPurpose);
            m_form->SetFocus(id);
            QTest::keyClick(W(id), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(FocusedId(), kIdOvernight);
        }
    }

    void typingStopsAtTheLimitButAStoredTextShowsWhole() {
        Show();
        m_form->LimitText(kIdTripOtherText, 25);
        m_form->SetFocus(kIdTripOtherText);
        QTest::keyClicks(W(kIdTripOtherText), QString(30, QLatin1Char('x')));
        QCOMPARE(m_form->GetText(kIdTripOtherText), std::string(25, 'x'));
        std::string stored(40, 'y');
        m_form->SetText(kIdTripOtherText, stored);
        QCOMPARE(m_form->GetText(kIdTripOtherText), stored);
        QTest::keyClick(W(kIdTripOtherText), Qt::Key_Backspace);
        QCOMPARE(m_form->GetText(kIdTripOtherText), std::string(39, 'y'));
    }

    // What the claim cannot store never shows: each field refuses it as it is typed or pasted
    // and says why beside the field.
    void fieldsRefuseWhatTheClaimCannotStore() {
        Show();
        auto typed = [this](int id, const char* utf8) {
            m_form->SetText(id, "");
            m_form->SetFocus(id);
            TypeText(QApplication::focusWidget(), QString::fromUtf8(utf8));
            return Cp1252ToUtf8(m_form->GetText(id));
        };
        QToolTip::hideText();
        QCOMPARE(typed(kIdName, "Łukasz Dvořák €"), std::string("ukasz Dvoák €"));
        QVERIFY2(QToolTip::text().startsWith(QString::fromUtf8("«ř» kan ikke lagres")),
                 qPrintable(QToolTip::text()));
        QCOMPARE(typed(kIdRemarks, "Łódź"), std::string("ód"));
        QCOMPARE(typed(kIdTravelCurrency, "Ł"), std::string());
        // Typographic characters that the claim holds stay.
        const char* typographic = "€ – — “sitat” ‘x’ … „y“ •";
        QCOMPARE(typed(kIdName, typographic), std::string(typographic));
        QCOMPARE(typed(kIdPurpose, typographic), std::string(typographic));

        // A paste that holds any such character is refused whole; a line break only where the
        // field has lines.
        const struct {
            int id;
            const char* clip;
            const char* shown;
        } pastes[] = {
            {kIdName, "Łódź", ""},
            {kIdName, "Ola\nNordmann", ""},
            {kIdRemarks, "Łódź", ""},
            {kIdRemarks, "Bergen\nVoss", "Bergen\r\nVoss"},
            {kIdOutlayText, "Hotel “Słońce”", ""},
        };
        for (const auto& p : pastes) {
            m_form->SetText(p.id, "");
            m_form->SetFocus(p.id);
            QApplication::clipboard()->setText(QString::fromUtf8(p.clip));
            m_form->Paste();
            QCOMPARE(Cp1252ToUtf8(m_form->GetText(p.id)), std::string(p.shown));
        }
        QVERIFY(QToolTip::text().contains(QString::fromUtf8("«ł», «ń»")));

        // A text the program put there (read from a file) keeps what it holds, and is edited
        // as usual.
        m_form->SetText(kIdName, "a\rb");
        m_form->SetFocus(kIdName);
        QTest::keyClick(W(kIdName), Qt::Key_End);
        QTest::keyClicks(W(kIdName), QStringLiteral("c"));
        QCOMPARE(m_form->GetText(kIdName), std::string("a\rbc"));
    }

    void anOpenedListMarksTheTextItsBoxShows() {
        Show();
        for (const char* country : {"Algerie", "Kenya", "Sverige"}) {
            m_form->AddString(kIdDayCountry, country);
        }
        auto* combo = static_cast<QComboBox*>(W(kIdDayCountry));
        const struct {
            const char* shown;
            const char* marked;  // nullptr: nothing, and Return picks nothing
        } cases[] = {{"Kenya", "Kenya"}, {"sverige", "Sverige"}, {"Narnia", nullptr}};
        for (const auto& c : cases) {
            m_form->SetText(kIdDayCountry, c.shown);
            m_form->SetFocus(kIdDayCountry);
            m_events.events.clear();
            combo->showPopup();
            QApplication::processEvents();
            // Opening picks nothing.
            QVERIFY(m_events.events.empty());
            QModelIndex current = combo->view()->currentIndex();
            QCOMPARE(current.isValid(), c.marked != nullptr);
            QTest::keyClick(combo->view(), Qt::Key_Return);
            QApplication::processEvents();
            if (c.marked) {
                QCOMPARE(current.data().toString(), QString::fromLatin1(c.marked));

                QCOMPARE(m_events.Count(Ev("pick", kIdDayCountry)), 1);
                QCOMPARE(m_form->GetSelectedItemText(kIdDayCountry), std::string(c.marked));
            } else {
                QCOMPARE(m_events.Count(Ev("pick", kIdDayCountry)), 0);
                QCOMPARE(m_form->GetText(kIdDayCountry), std::string(c.shown));
                combo->hidePopup();
            }
        }
        // Typing an item's text and leaving is no pick either: the text stays as typed.
        m_form->SetFocus(kIdDayCountry);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("kenya"));
        m_events.events.clear();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QCOMPARE(m_events.Count(Ev("pick", kIdDayCountry)), 0);
        QCOMPARE(m_form->GetText(kIdDayCountry), std::string("kenya"));
    }

    // Amounts, dates and codes show whole however long; texts cut short show whole in a tool
    // tip and to a screen reader.
    void listsShowEveryAmountWhole() {
        Show();
        for (int id : {kIdTravelList, kIdOutlayList}) {
            m_form->UseFixedFont(id);
            m_form->SetColumns(
                id, id == kIdTravelList ? TravelListColumns(kBokmal) : OutlayListColumns());
        }
        auto* travel = static_cast<QTreeView*>(W(kIdTravelList));
        std::vector<int> before;
        for (int i = 0; i < travel->model()->columnCount(); ++i) {
            before.push_back(travel->columnWidth(i));
        }
        // Values of the usual width keep the columns as they were.
        m_form->SetRows(
            kIdTravelList,
            {{{"01.02.26", "08:00", "Oslo", "Bergen", "14:00", "Tog", "", "NOK", "", "1234,50"},
              0}});
        for (int i = 0; i < travel->model()->columnCount(); ++i) {
            QCOMPARE(travel->columnWidth(i), before[static_cast<std::size_t>(i)]);
        }
        const std::string place(std::string_view("Kristiansund via Trondheim lufthavn Værnes"_cp));
        m_form->SetRows(kIdTravelList,
                        {{{"01.02.26", "08:00", place, "Bergen", "14:00", "Motorsykkel",
                           "1234567,89", "EUR", "1234,56", "1018518,77"},
                          0}});
        m_form->SetRows(kIdOutlayList,
                        {{{"02.02.26", "Hotell", "1234567,89", "SEK", "1234,56", "101852,99"}, 0}});
        for (int id : {kIdTravelList, kIdOutlayList}) {
            auto* list = static_cast<QTreeView*>(W(id));
            auto columns = id == kIdTravelList ? TravelListColumns(kBokmal) : OutlayListColumns();
            QFontMetrics fm(list->font());
            int margins =
                2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
            for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
                if (columns[static_cast<std::size_t>(i)].sample.empty()) {
                    continue;
                }
                QString cell = list->model()->index(0, i).data().toString();
                QVERIFY2(fm.horizontalAdvance(cell) + margins <= list->columnWidth(i),
                         qPrintable(cell));
            }
        }
        // The place and the means are cut: the tool tip and the accessible cell hold them whole.
        for (int column : {2, 5}) {
            QModelIndex index = travel->model()->index(0, column);
            QString whole = index.data().toString();
            QRect cell = travel->visualRect(index);
            QVERIFY(QFontMetrics(travel->font()).horizontalAdvance(whole) > cell.width());
            QHelpEvent help(QEvent::ToolTip, cell.center(),
                            travel->viewport()->mapToGlobal(cell.center()));
            QApplication::sendEvent(travel->viewport(), &help);
            QCOMPARE(QToolTip::text(), whole);
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(travel);
            QVERIFY(table && table->tableInterface());
            QAccessibleInterface* acc = table->tableInterface()->cellAt(0, column);
            QVERIFY(acc);
            QCOMPARE(acc->text(QAccessible::Name), whole);
        }
        // A short text needs no tool tip.
        QModelIndex date = travel->model()->index(0, 0);
        QHelpEvent help(QEvent::ToolTip, travel->visualRect(date).center(),
                        travel->viewport()->mapToGlobal(travel->visualRect(date).center()));
        QApplication::sendEvent(travel->viewport(), &help);
        QVERIFY(QToolTip::text() != date.data().toString());
    }

    void listsSelectWholeRowsInAFixedFont() {
        Show();
        m_form->UseFixedFont(kIdTravelList);
        m_form->SetColumns(kIdTravelList, TravelListColumns(kBokmal));
        auto* list = static_cast<QTreeView*>(W(kIdTravelList));
        QCOMPARE(list->model()->columnCount(), static_cast<int>(TravelListColumns(kBokmal).size()));
        QVERIFY(QFontInfo(list->font()).fixedPitch());
        QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
        m_form->AddRow(kIdTravelList, {"01.02.26", "08:00", "Oslo"}, 7);
        m_form->AddRow(kIdTravelList, {"02.02.26", "09:00", "Bergen"}, 3);
        QCOMPARE(m_form->RowCount(kIdTravelList), 2);
        QCOMPARE(m_form->FirstSelectedRow(kIdTravelList), -1);
        QRect cell = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_form->FirstSelectedRow(kIdTravelList), 1);
        QCOMPARE(m_form->RowData(kIdTravelList, 1), 3);
        QCOMPARE(m_events.Count(Ev("double", kIdTravelList)), 1);
        m_form->DeleteAllRows(kIdTravelList);
        QCOMPARE(m_form->RowCount(kIdTravelList), 0);
    }

    // The header's sections are sized without Qt measuring the titles, and as high as Qt's
    // own measure of the same titles in the same font makes them, in both standards.
    void listHeadersAreAsHighAsQtMeasuresThem() {
        Show();
        m_form->UseFixedFont(kIdTravelList);
        auto* list = static_cast<QTreeView*>(W(kIdTravelList));
        for (int standard : {kBokmal, kNynorsk}) {
            m_form->SetColumns(kIdTravelList, TravelListColumns(standard));
            QVERIFY(list->model()->headerData(0, Qt::Horizontal, Qt::SizeHintRole).isValid());
            QStandardItemModel plain;
            QStringList titles;
            for (int i = 0; i < list->model()->columnCount(); ++i) {
                titles << list->model()->headerData(i, Qt::Horizontal).toString();
            }
            plain.setHorizontalHeaderLabels(titles);
            QTreeView measured;
            measured.setFont(list->font());
            measured.setModel(&plain);
            QCOMPARE(list->header()->sizeHint().height(), measured.header()->sizeHint().height());
            // Wide enough for each title in the list's own face.
            for (int i = 0; i < titles.size(); ++i) {
                QSize hint =
                    list->model()->headerData(i, Qt::Horizontal, Qt::SizeHintRole).toSize();
                QCOMPARE(hint.height(), measured.header()->sizeHint().height());
                QVERIFY(hint.width() >=
                        QFontMetricsF(list->font()).horizontalAdvance(titles[i]) +
                            2 * list->style()->pixelMetric(QStyle::PM_HeaderMargin));
            }
        }
    }

    // A whole list in one reset: the rows a refill replaces go with their selection, and the
    // cells show the claim's texts, whatever their letters.
    void setRowsReplacesTheWholeListAtOnce() {
        Show();
        m_form->SetColumns(kIdOutlayList, OutlayListColumns());
        CLineListModel* model = m_form->ListModel(kIdOutlayList);
        QVERIFY(model);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Spesifikasjon"));
        m_form->AddRow(kIdOutlayList, {"01.02.26", "Gammel"}, 0);
        auto* list = static_cast<QTreeView*>(W(kIdOutlayList));
        list->selectionModel()->select(model->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(m_form->FirstSelectedRow(kIdOutlayList), 0);

        std::vector<ListRow> rows;
        for (int i = 0; i < 3000; ++i) {
            rows.push_back(
                {{"02.02.26", std::string("Hotell Tromsø "_cp) + std::to_string(i)}, i + 10});
        }
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
        m_form->SetRows(kIdOutlayList, std::move(rows));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(m_form->RowCount(kIdOutlayList), 3000);
        QCOMPARE(m_form->FirstSelectedRow(kIdOutlayList), -1);
        QCOMPARE(m_form->RowData(kIdOutlayList, 2999), 3009);
        QCOMPARE(m_form->RowData(kIdOutlayList, 3000), -1);
        QCOMPARE(model->index(2999, 1).data().toString(), QString::fromUtf8("Hotell Tromsø 2999"));
        QCOMPARE(model->index(0, 5).data().toString(), QString());
        QCOMPARE(model->index(5, 0).data(Qt::UserRole).toInt(), 15);

        m_form->SetRows(kIdOutlayList, {});
        QCOMPARE(m_form->RowCount(kIdOutlayList), 0);
    }

    // Every static text of the form, in both written standards, within its rectangle.
    // The first entry of that kind that the new form has not built yet.
    std::size_t FirstUnbuilt(ControlKind kind) const {
        std::span<const ControlTemplate> form = FormTemplate();
        for (std::size_t i = 0; i < form.size(); ++i) {
            if (form[i].kind == kind && form[i].id != kNoControlId && !m_form->IsBuilt(i)) {
                return i;
            }
        }
        return form.size();
    }

    // What the form logic sets on a control not built yet is what its widget shows once built,
    // and reads back the same before and after.
    void controlsNotBuiltYetHoldWhatTheyAreGiven() {
        std::span<const ControlTemplate> form = FormTemplate();
        QVERIFY(!m_form->IsComplete());
        std::size_t edit = FirstUnbuilt(ControlKind::Edit);
        std::size_t radio = FirstUnbuilt(ControlKind::Radio);
        std::size_t combo = FirstUnbuilt(ControlKind::EditableDropDown);
        std::size_t list = FirstUnbuilt(ControlKind::ListView);
        std::size_t notes = FirstUnbuilt(ControlKind::MultiLineEdit);
        for (std::size_t i : {edit, radio, combo, list, notes}) {
            QVERIFY(i < form.size());
        }
        int editId = form[edit].id;
        m_form->SetText(editId, "Bergen æøå"_cp);
        QCOMPARE(m_events.events, std::vector<std::string>{"change " + std::to_string(editId)});
        m_form->Enable(editId, false);
        m_form->UseFixedFont(editId);
        m_form->LimitText(editId, 4);
        // Both buttons of a group checked by the library stay so: the library decides.
        m_form->SetCheck(form[radio].id, true);
        m_form->SetCheck(form[radio + 1].id, true);
        int comboId = form[combo].id;
        m_form->AddString(comboId, "Sverige");
        m_form->AddString(comboId, "Danmark");
        m_form->ResetContent(comboId);
        m_form->AddString(comboId, "Norge");
        m_form->AddString(comboId, "Island");
        m_form->SetText(comboId, "Isl");
        int listId = form[list].id;
        m_form->SetRows(listId, {{{"a"}, 7}, {{"b"}, 8}});
        m_form->SetText(form[notes].id, "en\r\nto");
        QVERIFY(!m_form->IsBuilt(edit) && !m_form->IsBuilt(combo) && !m_form->IsBuilt(list));

        QCOMPARE(m_form->GetText(editId), std::string("Bergen æøå"_cp));
        QVERIFY(!m_form->IsEnabled(editId));
        QVERIFY(m_form->IsChecked(form[radio + 1].id));
        QCOMPARE(m_form->GetText(comboId), std::string("Isl"));
        QCOMPARE(m_form->RowCount(listId), 2);
        QCOMPARE(m_form->RowData(listId, 1), 8);
        QCOMPARE(m_form->FirstSelectedRow(listId), -1);
        QCOMPARE(m_form->GetText(form[notes].id), std::string("en\r\nto"));

        auto* line = qobject_cast<QLineEdit*>(m_form->EntryWidget(edit));
        QVERIFY(line);
        QCOMPARE(line->text(), QString::fromUtf8("Bergen æøå"));
        QVERIFY(!line->isEnabled());
        QCOMPARE(QFontInfo(line->font()).fixedPitch(), true);
        QCOMPARE(line->geometry(), m_form->ToPixels(form[edit].rect));
        QVERIFY(!line->accessibleName().isEmpty());
        // The whole group is built with any of its buttons.
        QVERIFY(static_cast<QAbstractButton*>(m_form->EntryWidget(radio + 1))->isChecked());
        QVERIFY(m_form->IsBuilt(radio));
        QVERIFY(static_cast<QAbstractButton*>(m_form->EntryWidget(radio))->isChecked());
        auto* box = qobject_cast<QComboBox*>(m_form->EntryWidget(combo));
        QVERIFY(box);
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(0), QStringLiteral("Island"));
        QCOMPARE(box->itemText(1), QStringLiteral("Norge"));
        QCOMPARE(box->currentText(), QStringLiteral("Isl"));
        QCOMPARE(box->currentIndex(), -1);
        auto* rows = qobject_cast<QTreeView*>(m_form->EntryWidget(list));
        QVERIFY(rows);
        QCOMPARE(rows->model()->rowCount(), 2);
        auto* text = qobject_cast<QPlainTextEdit*>(m_form->EntryWidget(notes));
        QVERIFY(text);
        QCOMPARE(m_form->GetText(form[notes].id), std::string("en\r\nto"));
        // Typing beyond the limit given before the field existed is refused.
        Show();
        m_form->SetText(editId, "");
        m_form->Enable(editId, true);
        m_form->SetFocus(editId);
        QTest::keyClicks(line, "abcdef");
        QCOMPARE(line->text(), QStringLiteral("abcd"));
    }

    // The rest of the form is built after the first paint without anything asking for it, each
    // control stacked as the template orders them, so no frame built later covers a field.
    void theRestIsBuiltAfterTheFirstPaint() {
        Show();
        QVERIFY(m_form->IsBuilt(0));
        QTRY_VERIFY(m_form->IsComplete());
        QWidget* page = m_form->Page();
        std::span<const ControlTemplate> form = FormTemplate();
        for (std::size_t i = 0; i < form.size(); ++i) {
            if (form[i].kind != ControlKind::Edit) {
                continue;
            }
            QWidget* w = m_form->EntryWidget(i);
            QWidget* top = page->childAt(w->geometry().center());
            QVERIFY2(top == w || w->isAncestorOf(top), qPrintable(QString::number(form[i].id)));
        }
    }

    // Scrolling, a taller window and the focus build what they would show at once.
    void whatComesIntoSightIsBuiltFirst() {
        std::size_t edit = FirstUnbuilt(ControlKind::Edit);
        m_form->SetFocus(FormTemplate()[edit].id);
        QVERIFY(m_form->IsBuilt(edit));
        QVERIFY(!m_form->IsComplete());
        // The scroll bar as a user drags it, before the first paint.
        m_form->verticalScrollBar()->setRange(0, m_form->ContentHeight());
        m_form->verticalScrollBar()->setValue(m_form->ContentHeight() / 2);
        QVERIFY(m_form->IsComplete());
        CFormWidget tall;
        QVERIFY(!tall.IsComplete());
        tall.resize(620, m_form->ContentHeight());
        tall.show();
        QVERIFY(tall.IsComplete());
    }

    // The fit the build made is the one measuring finds here, and it is taken without
    // measuring: a key that no longer matches would cost every start-up the measuring.
    void theBuildsFontFitIsWhatMeasuringFinds() {
        FormFonts picked = PickFormFonts(*m_form->widget());
        FormFonts measured = MeasureFormFonts(*m_form->widget());
        QVERIFY(!picked.measured);
        QCOMPARE(picked.unitX, measured.unitX);
        QCOMPARE(picked.unitY, measured.unitY);
        QCOMPARE(picked.label.pointSizeF(), measured.label.pointSizeF());
        QCOMPARE(picked.fixed.pixelSize(), measured.fixed.pixelSize());
        QCOMPARE(m_form->FormFont().pointSizeF(), measured.label.pointSizeF());
    }

    // The form's faces take no fallback face for a missing character, so every character a
    // claim can hold must be in them; and leaving out named faces that are not installed must
    // not change the face the lists are shown in.
    void formFacesCoverWindows1252AndKeepTheirFamilies() {
        FormFonts picked = PickFormFonts(*m_form->widget());
        QFont named;
        named.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                           QStringLiteral("DejaVu Sans Mono")});
        named.setStyleHint(QFont::TypeWriter);
        named.setFixedPitch(true);
        named.setPixelSize(picked.fixed.pixelSize());
        QCOMPARE(QFontInfo(picked.fixed).family(), QFontInfo(named).family());
        for (const QFont& font : {picked.label, picked.fixed, m_form->FormFont()}) {
            QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
            QFontMetrics fm(font);
            for (int byte = 0x20; byte <= 0xFF; ++byte) {
                const char c = static_cast<char>(byte);
                QString shown = ToQString(std::string_view(&c, 1));
                if (shown.size() != 1 || !shown[0].isPrint() || shown[0].isSpace() ||
                    shown[0] == QChar::ReplacementCharacter) {
                    continue;  // undefined in Windows-1252, or nothing to draw
                }
                QVERIFY2(fm.inFontUcs4(shown[0].unicode()),
                         qPrintable(QFontInfo(font).family() + QLatin1Char(' ') + shown));
            }
        }
    }

    void everyLabelFitsItsRectangleInBothStandards() {
        Show();
        qInfo("form font: %s %.2f pt", qPrintable(QFontInfo(m_form->FormFont()).family()),
              m_form->FormFont().pointSizeF());
        QVERIFY2(m_form->FormFont().pointSizeF() >= 7.0,
                 qPrintable(QString::number(m_form->FormFont().pointSizeF())));
        std::span<const ControlTemplate> form = FormTemplate();
        for (int standard : {kBokmal, kNynorsk, 0}) {
            for (std::size_t i = 0; i < form.size(); ++i) {
                if (form[i].kind != ControlKind::Static) {
                    continue;
                }
                std::string text(form[i].text);
                if (standard != 0) {
                    text = LabelTextInForce(form[i], standard);
                }
                auto* label = static_cast<QLabel*>(m_form->EntryWidget(i));
                label->setText(ToQString(text));
                QRect box = label->contentsRect();
                QRect need = label->fontMetrics().boundingRect(
                    box, static_cast<int>(Qt::TextWordWrap | label->alignment()), label->text());
                QVERIFY2(need.width() <= box.width() && need.height() <= box.height(),
                         qPrintable(QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
                                        .arg(form[i].id)
                                        .arg(label->text())
                                        .arg(need.width())
                                        .arg(need.height())
                                        .arg(box.width())
                                        .arg(box.height())));
            }
        }
    }

    void accessibleNamesFollowTheLabels() {
        QCOMPARE(W(kIdName)->accessibleName(), QStringLiteral("Navn"));
        QCOMPARE(
            W(kIdDayDomesticOver12hCount)->accessibleName(),
            QString::fromUtf8("Kostgodtgjøring uten overnatting, Innland: Over 12 timer, Antall"));
        m_form->SetText(kIdNameLabel, "Namn");
        m_form->SetText(kIdCountHead, "Kor mange");
        QCOMPARE(W(kIdName)->accessibleName(), QStringLiteral("Namn"));
        QCOMPARE(W(kIdDayDomesticOver12hCount)->accessibleName(),
                 QString::fromUtf8(
                     "Kostgodtgjøring uten overnatting, Innland: Over 12 timer, Kor mange"));
        m_form->SetText(kIdTripOther, "Anna");
        QCOMPARE(W(kIdTripOtherText)->accessibleName(), QStringLiteral("Regningen gjelder, Anna"));
    }

    void notesKeepTheirLineEnds() {
        m_form->SetText(kIdRemarks, "Linje 1\r\nLinje 2");
        QCOMPARE(static_cast<QPlainTextEdit*>(W(kIdRemarks))->blockCount(), 2);
        QCOMPARE(m_form->GetText(kIdRemarks), std::string("Linje 1\r\nLinje 2"));
    }

    // A word far wider than the notes field is laid out by breaking it anywhere, which takes
    // time in proportion to its length (at word boundaries Qt takes the square of it); the
    // text is shown whole, and ordinary notes keep wrapping at word boundaries.
    void notesWithAWordWiderThanTheFieldWrapAnywhere() {
        auto* edit = static_cast<QPlainTextEdit*>(W(kIdRemarks));
        const std::string word(5000, 'x');
        m_form->SetText(kIdRemarks, "Kort merknad\r\n" + word);
        QCOMPARE(edit->wordWrapMode(), QTextOption::WrapAnywhere);
        Show();
        QCOMPARE(m_form->GetText(kIdRemarks), "Kort merknad\r\n" + word);
        QVERIFY(edit->document()->lastBlock().layout()->lineCount() > 10);

        m_form->SetText(kIdRemarks, "Linje 1\r\nLinje 2");
        QCOMPARE(edit->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        // Pasted or typed into the field, from then on.
        edit->insertPlainText(QString(5000, QLatin1Char('y')));
        QCOMPARE(edit->wordWrapMode(), QTextOption::WrapAnywhere);
    }

    void clipboardRequestsGoToTheFocusedField() {
        Show();
        m_form->SetText(kIdName, "Kari");
        m_form->SetFocus(kIdName);
        static_cast<QLineEdit*>(W(kIdName))->selectAll();
        m_form->Copy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Kari"));
        QVERIFY(m_form->ClipboardHasText());
        m_form->SetFocus(kIdStreet);
        m_events.events.clear();
        m_form->Paste();
        QCOMPARE(m_form->GetText(kIdStreet), std::string("Kari"));
        QCOMPARE(m_events.events, std::vector<std::string>{Ev("change", kIdStreet)});
        // A computed amount can be copied, never cut.
        m_form->SetText(kIdDayDomesticOver12hAmount, "890,00");
        m_form->SetFocus(kIdDayDomesticOver12hAmount);
        static_cast<QLineEdit*>(W(kIdDayDomesticOver12hAmount))->selectAll();
        m_form->Cut();
        QCOMPARE(m_form->GetText(kIdDayDomesticOver12hAmount), std::string("890,00"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("890,00"));
        QApplication::clipboard()->clear();
        QVERIFY(!m_form->ClipboardHasText());
    }
};

int RunFormWidgetTests(int argc, char** argv) {
    FormWidgetTest t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace ferdix::test

#include "form_widget_test.moc"
