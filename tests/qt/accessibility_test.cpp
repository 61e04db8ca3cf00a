// What a screen reader gets from the window, read through Qt's accessibility interfaces of the
// real widgets, as the AT-SPI bridge reads them: the net amount, and a name for every field,
// list, choice and dialog field in the written standard in force.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <filesystem>
#include <memory>

#include "app/commands.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "form/accessible_names.h"
#include "form/control_ids.h"
#include "form/ferdix_view.h"
#include "qt/form_widget.h"
#include "qt/line_list.h"
#include "qt/main_frame.h"
#include "qt/qt_text.h"
#include "qt_suites.h"
#include "qt_support.h"

namespace ferdix::test {

namespace fs = std::filesystem;

namespace {

QString NameOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The accessible names of a window's interface tree, depth first.
void NamesBelow(QAccessibleInterface* iface, QStringList& names, int depth = 0) {
    if (!iface || depth > 8) {
        return;
    }
    names << iface->text(QAccessible::Name);
    for (int i = 0; i < iface->childCount(); ++i) {
        NamesBelow(iface->child(i), names, depth + 1);
    }
}

}  // namespace

class AccessibilityTest : public QObject, public WindowFixture {
    Q_OBJECT

  private:
    void Start() {
        StartWindow();
        ShowWindow();
    }
    CFormWidget& Form() { return m_frame->Form(); }
    QWidget* W(int id) { return Form().ControlWidget(id); }

    // The name a control should have: its naming labels as the form shows them now.
    QString NameFromShownLabels(int id) {
        std::vector<std::string> texts;
        for (const ControlTemplate* label : NamingControls(id)) {
            QWidget* w =
                Form().EntryWidget(static_cast<std::size_t>(label - FormTemplate().data()));
            QString shown;
            if (auto* l = qobject_cast<QLabel*>(w)) {
                shown = l->text();
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                shown = box->title();
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                shown = button->text();
            }
            texts.push_back(FromQString(shown));
        }
        return ToQString(JoinNameParts(texts));
    }

    // Every field, list and choice of the form is read with a name made of the labels it
    // shows now; a drop-down's edit and (once made) its popup list carry the drop-down's
    // (the drop-down itself reads as its value, as Qt has it on Linux).
    QStringList Misnamed() {
        QStringList wrong;
        for (const ControlTemplate& t : FormTemplate()) {
            QWidget* w = t.id == kNoControlId ? nullptr : W(t.id);
            bool reachable = w && t.kind != ControlKind::Static &&
                             t.kind != ControlKind::GroupBox && t.kind != ControlKind::HiddenEdit;
            if (!reachable) {
                continue;
            }
            QString expected = NameFromShownLabels(t.id);
            auto check = [&](QObject* part, const char* what) {
                QString name = NameOf(part);
                if (expected.isEmpty() || name != expected) {
                    wrong << QStringLiteral("%1 %2: '%3', not '%4'")
                                 .arg(t.id)
                                 .arg(QString::fromLatin1(what), name, expected);
                }
            };
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                check(combo->lineEdit(), "edit");
                if (auto* list = combo->findChild<QAbstractItemView*>()) {
                    check(list, "popup list");
                }
            } else {
                check(w, "");
            }
        }
        // No edit anywhere on the form is read without a name.
        for (QLineEdit* edit : Form().Page()->findChildren<QLineEdit*>()) {
            if (edit->isVisibleTo(Form().Page()) && NameOf(edit).isEmpty()) {
                wrong << QStringLiteral("an edit in a %1 without a name")
                             .arg(QString::fromLatin1(edit->parent()->metaObject()->className()));
            }
        }
        return wrong;
    }

  private slots:
    void init() { InitWindow(); }
    void cleanup() {
        QAccessible::setActive(false);
        CleanupWindow();
    }

    // The status bar's net amount is read as it is shown, in the written standard in force.
    // (Its change is announced with a name-change event; Qt passes events on only while a
    // screen reader listens, which tests/screen_reader checks on an accessibility bus.)
    void theNetAmountIsReadAsShown() {
        Start();
        QLabel* total = m_frame->TotalPane();
        QCOMPARE(NameOf(total), QString::fromUtf8("Beløp: 0,00"));
        QStringList bar;
        NamesBelow(QAccessible::queryAccessibleInterface(m_frame->statusBar()), bar);
        QVERIFY2(bar.contains(QString::fromUtf8("Beløp: 0,00")), qPrintable(bar.join(" | ")));

        QWidget* count = W(kIdDayDomesticOver12hCount);
        QTest::mouseClick(count, Qt::LeftButton, {}, QPoint(4, count->height() / 2));
        QTest::keyClicks(count, QStringLiteral("2"));
        QVERIFY(total->text() != QString::fromUtf8("Beløp: 0,00"));
        QCOMPARE(NameOf(total), total->text());

        m_frame->RunCommand(kCmdNynorsk);
        QVERIFY2(NameOf(total).startsWith(QStringLiteral("Sum: ")), qPrintable(NameOf(total)));
        QCOMPARE(NameOf(total), total->text());
    }

    // Fields, lists, choices and drop-downs in both written standards, through the interfaces.
    void everyFieldIsNamedByItsLabelsInBothStandards() {
        Start();
        QStringList bokmal = Misnamed();
        QVERIFY2(bokmal.isEmpty(), qPrintable(bokmal.join('\n')));
        QCOMPARE(NameOf(W(kIdTripOther)), QStringLiteral("Regningen gjelder, Annet"));
        QCOMPARE(NameOf(static_cast<QComboBox*>(W(kIdTravelMeans))->lineEdit()),
                 QStringLiteral("Skyssmiddel"));
        m_frame->RunCommand(kCmdNynorsk);
        QStringList nynorsk = Misnamed();
        QVERIFY2(nynorsk.isEmpty(), qPrintable(nynorsk.join('\n')));
        QCOMPARE(NameOf(W(kIdTripOther)), QStringLiteral("Rekninga gjeld, Anna"));
        QCOMPARE(NameOf(static_cast<QComboBox*>(W(kIdOutlayCurrency))->lineEdit()),
                 ToQString(AccessibleName(kIdOutlayCurrency, m_frame->App().Locale().standard)));
    }

    // Each list is named by its frame and reads its column heads as header cells.
    void listsReadTheirColumnHeadsAsHeaderCells() {
        Start();
        for (int id : {kIdTravelList, kIdOutlayList}) {
            auto* tree = qobject_cast<QTreeView*>(W(id));
            QVERIFY(tree);
            QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tree);
            QVERIFY(list && list->tableInterface());
            QCOMPARE(list->text(QAccessible::Name),
                     ToQString(AccessibleName(id, m_frame->App().Locale().standard)));
            QAccessibleTableInterface* table = list->tableInterface();
            QCOMPARE(table->columnCount(), tree->model()->columnCount());
            QVERIFY(table->columnCount() >= 6);
            int heads = 0;
            for (int i = 0; i < list->childCount(); ++i) {
                QAccessibleInterface* cell = list->child(i);
                if (cell && cell->role() == QAccessible::ColumnHeader) {
                    QCOMPARE(cell->text(QAccessible::Name),
                             tree->model()->headerData(heads, Qt::Horizontal).toString());
                    ++heads;
                }
            }
            QCOMPARE(heads, table->columnCount());
        }
    }

    // The popup lists are made only when opened, so the start-up does not pay for them; once
    // a screen reader is there, each is made and named, and it follows a relabelling.
    void popupListsAreNamedOnceAScreenReaderIsThere() {
        Start();
        std::vector<QComboBox*> combos;
        for (const ControlTemplate& t : FormTemplate()) {
            if (auto* combo = t.id == kNoControlId ? nullptr : qobject_cast<QComboBox*>(W(t.id))) {
                combos.push_back(combo);
                QVERIFY2(!combo->findChild<QAbstractItemView*>(),
                         qPrintable(QString::number(t.id)));
            }
        }
        QCOMPARE(combos.size(), std::size_t{8});
        QAccessible::setActive(true);
        for (QComboBox* combo : combos) {
            auto* list = combo->findChild<QAbstractItemView*>();
            QVERIFY(list);
            QCOMPARE(NameOf(list), combo->accessibleName());
        }
        m_frame->RunCommand(kCmdNynorsk);
        auto* country = static_cast<QComboBox*>(W(kIdDayCountry));
        QCOMPARE(NameOf(country->findChild<QAbstractItemView*>()),
                 ToQString(AccessibleName(kIdDayCountry, m_frame->App().Locale().standard)));
        QStringList wrong = Misnamed();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
    }

    // The choices of a group are read as radio buttons (and still set one by one), the tool
    // bar's buttons by their tool tips.
    void radioButtonsAndToolBarButtonsAreReadAsWhatTheyAre() {
        Start();
        for (int id : {kIdTripCourse, kIdTripOther, kIdHotel, kIdLodgingOther, kIdAdminDomestic}) {
            QAccessibleInterface* choice = QAccessible::queryAccessibleInterface(W(id));
            QCOMPARE(choice->role(), QAccessible::RadioButton);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(W(kIdOvernight))->role(),
                 QAccessible::CheckBox);
        // Setting one state leaves the other choices of the group alone.
        QVERIFY(Form().IsChecked(kIdTripOfficial));
        Form().SetCheck(kIdTripOther, true);
        QVERIFY(Form().IsChecked(kIdTripOfficial));
        QVERIFY(Form().IsChecked(kIdTripOther));
        Form().SetCheck(kIdTripOfficial, false);
        QVERIFY(!Form().IsChecked(kIdTripOfficial));
        QVERIFY(Form().IsChecked(kIdTripOther));

        int buttons = 0;
        for (QAction* action : m_frame->ToolBar()->actions()) {
            QWidget* button = m_frame->ToolBar()->widgetForAction(action);
            if (action->isSeparator() || !button) {
                continue;
            }
            QString name = NameOf(button);
            QVERIFY2(!name.isEmpty() && !name.contains(QLatin1Char('\t')), qPrintable(name));
            QCOMPARE(name, action->toolTip());
            ++buttons;
        }
        QCOMPARE(buttons, 15);
        QCOMPARE(NameOf(m_frame->ToolBar()->widgetForAction(m_frame->Action(kCmdFilePrint))),
                 QStringLiteral("Skriv ut"));
    }

    // The small dialogs' fields are named by their labels.
    void dialogFieldsAreNamedByTheirLabels() {
        Start();
        QStringList names;
        m_dialogs.users.push_back([&](QDialog& dialog) {
            for (QWidget* field : dialog.findChildren<QWidget*>()) {
                if (qobject_cast<QLineEdit*>(field) || qobject_cast<QListWidget*>(field)) {
                    names << NameOf(field);
                }
            }
            dialog.reject();
        });
        m_frame->RunCommand(kCmdRatesDialog);
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("Felt"), QStringLiteral("Verdi")}));
        names.clear();
        m_dialogs.users.push_back([&](QDialog& dialog) {
            for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
                names << NameOf(field);
            }
            dialog.reject();
        });
        m_frame->RunCommand(kCmdKmSoFar);
        QCOMPARE(names, QStringList{QString::fromUtf8("Km hittil i år")});
    }
};

int RunAccessibilityTests(int argc, char** argv) {
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace ferdix::test

#include "accessibility_test.moc"
