// Qt's own dialogs, menus and buttons, as the program shows them, in both written standards:
// every text a user can see must be a translation from resources/translations (or the
// program's own text, or data such as file and printer names).
#include "qt/qt_translation.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QXmlStreamReader>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/commands.h"
#include "app/print_request.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "form/control_ids.h"
#include "qt/dialogs.h"
#include "qt/form_widget.h"
#include "qt/main_frame.h"
#include "qt/print_service.h"
#include "qt/printer_dialogs.h"
#include "qt/qt_text.h"
#include "qt_suites.h"
#include "qt_support.h"
#include "support/temp_folder.h"

namespace ferdix::test {

namespace fs = std::filesystem;

namespace {

QString WithoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

bool HasLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// The Norwegian texts Qt may show in one written standard: the translations of its .ts file,
// also without their mnemonic, and those with arguments as patterns.
class NorwegianTexts {
  public:
    explicit NorwegianTexts(const QString& tsFile) {
        QFile file(tsFile);
        if (!file.open(QIODevice::ReadOnly)) {
            return;
        }
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement()) {
                continue;
            }
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                QString translation = xml.readElementText();
                m_byKey[context + QLatin1Char('|') + source] = translation;
                Add(translation);
            }
        }
    }
    int Count() const { return static_cast<int>(m_byKey.size()); }
    QString Tr(const char* context, const char* source) const {
        return m_byKey.value(QLatin1String(context) + QLatin1Char('|') + QLatin1String(source));
    }
    // A text Qt puts together from two translations.
    void AddJoined(const QString& first, const QString& second) { Add(first + second); }

    bool Accepts(const QString& shown) const {
        QString text = shown;
        // A menu entry's key after the tab: the key names as printed on the keyboard.
        if (qsizetype tab = text.indexOf(QLatin1Char('\t')); tab >= 0) {
            QString keys = text.mid(tab + 1);
            QKeySequence parsed(keys, QKeySequence::NativeText);
            if (parsed.isEmpty() || parsed.toString(QKeySequence::NativeText) != keys) {
                return false;
            }
            text = text.left(tab);
        }
        if (!HasLetter(text) || m_exact.contains(text)) {
            return true;
        }
        return std::any_of(m_patterns.begin(), m_patterns.end(),
                           [&](const QRegularExpression& p) { return p.match(text).hasMatch(); });
    }

  private:
    void Add(const QString& translation) {
        static const QRegularExpression arg(QStringLiteral("%(\\d+|n)"));
        for (const QString& form : {translation, WithoutMnemonic(translation)}) {
            m_exact.insert(form);
            if (!form.contains(arg)) {
                continue;
            }
            QStringList parts = form.split(arg);
            if (!HasLetter(parts.join(QString()))) {
                continue;  // nothing but arguments would match anything
            }
            for (QString& part : parts) {
                part = QRegularExpression::escape(part);
            }
            m_patterns.emplace_back(
                QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".+"))),
                QRegularExpression::DotMatchesEverythingOption);
        }
    }

    QHash<QString, QString> m_byKey;
    QSet<QString> m_exact;
    std::vector<QRegularExpression> m_patterns;
};

struct Seen {
    QString where;
    QString text;
};

void Add(std::vector<Seen>& seen, const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty()) {
        seen.push_back({where, text});
    }
}

void CollectMenu(const QMenu* menu, const QString& where, std::vector<Seen>& seen) {
    Add(seen, where + "/title", menu->title());
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        Add(seen, where + "/entry", action->text());
        if (action->menu()) {
            CollectMenu(action->menu(), where + "/submenu", seen);
        }
    }
}

// Every text a user can see or hear in the window: titles, labels, buttons, group titles, tabs,
// drop-down items, header sections, the sidebar's places, tool tips, accessible names, actions
// of tool bars and headers. Widgets that are hidden for good are left out; pages of tab and
// stacked widgets are in, since the user reaches them.
void Collect(const QWidget* w, std::vector<Seen>& seen) {
    if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget())) {
        return;
    }
    QString where = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) {
        where += QLatin1Char('#') + w->objectName();
    }
    if (w->isWindow()) {
        Add(seen, where + "/title", w->windowTitle());
    }
    Add(seen, where + "/tooltip", w->toolTip());
    Add(seen, where + "/whatsthis", w->whatsThis());
    Add(seen, where + "/name", w->accessibleName());
    Add(seen, where + "/description", w->accessibleDescription());
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        Add(seen, where, label->text());
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        Add(seen, where, button->text());
    } else if (auto* box = qobject_cast<const QGroupBox*>(w)) {
        Add(seen, where, box->title());
    } else if (auto* tabs = qobject_cast<const QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            Add(seen, where, tabs->tabText(i));
            Add(seen, where + "/tooltip", tabs->tabToolTip(i));
        }
    } else if (auto* combo = qobject_cast<const QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i) {
            Add(seen, where + "/item", combo->itemText(i));
        }
    } else if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        Add(seen, where + "/placeholder", edit->placeholderText());
    } else if (auto* header = qobject_cast<const QHeaderView*>(w)) {
        if (header->model() && header->orientation() == Qt::Horizontal) {
            for (int i = 0; i < header->count(); ++i) {
                if (!header->isSectionHidden(i)) {
                    Add(seen, where, header->model()->headerData(i, Qt::Horizontal).toString());
                }
            }
        }
    } else if (auto* view = qobject_cast<const QAbstractItemView*>(w);
               view && view->inherits("QSidebar") && view->model()) {
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            Add(seen, where + "/place",
                view->model()->index(row, 0, view->rootIndex()).data().toString());
        }
    }
    bool showsTips = qobject_cast<const QToolBar*>(w) != nullptr;
    for (const QAction* action : w->actions()) {
        if (!action->isSeparator() && action->isVisible()) {
            Add(seen, where + "/action", action->text());
            if (showsTips) {
                Add(seen, where + "/action-tooltip", action->toolTip());
            }
        }
    }
    for (const QObject* child : w->children()) {
        if (auto* cw = qobject_cast<const QWidget*>(child); cw && !cw->isWindow()) {
            Collect(cw, seen);
        }
    }
}

std::vector<Seen> CollectWindow(const QWidget* window) {
    std::vector<Seen> seen;
    Collect(window, seen);
    return seen;
}

// Runs `act` on the modal window once it is up: one other than `under`, of class `kind`.
void WhenModal(std::function<void(QWidget*)> act, QWidget* under = nullptr,
               const char* kind = "QDialog", int tries = 500) {
    QTimer::singleShot(10, [act = std::move(act), under, kind, tries]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        bool found = modal && modal != under && modal->inherits(kind);
        if (!found && tries > 0) {
            WhenModal(std::move(act), under, kind, tries - 1);
        } else if (found) {
            act(modal);
        }
    });
}

// Opens the context menu of `target` as a right click does and collects it.
std::vector<Seen> ContextMenuOf(QWidget* target, const QString& where) {
    std::vector<Seen> seen;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = true;
            CollectMenu(menu, where, seen);
            menu->close();
        }
    });
    QPoint at(target->width() / 2, target->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    if (!opened) {
        seen.push_back({where, QStringLiteral("(no context menu opened)")});
    }
    return seen;
}

std::vector<Seen> StandardMenu(QMenu* menu, const QString& where) {
    std::vector<Seen> seen;
    CollectMenu(menu, where, seen);
    delete menu;
    return seen;
}

}  // namespace

// On Qt's own dialogs, not scripted ones.
class QtTranslationTest : public QObject, public WindowFixture {
    Q_OBJECT

  private:
    CQtDialogs m_qtDialogs;
    std::unique_ptr<CPrintService> m_printing;
    QString m_folder;  // where the claim is, and the file dialogs open

    // The program's own texts and the data a dialog shows besides Qt's texts.
    QSet<QString> m_own;

    // With the full claim, so that the file dialogs open in its folder.
    void Start(bool withClaim = true) {
        QString claim = m_folder + QStringLiteral("/reise.tur");
        fs::copy_file(fs::path(FERDIX_TEST_DATA_DIR) / "claims/full_claim.tur",
                      claim.toStdString());
        StartWindow(withClaim ? claim.toStdString() : "");
        ShowWindow();
    }

    bool IsOwnOrData(const QString& text) const {
        if (m_own.contains(text) || text.startsWith(QLatin1Char('/'))) {
            return true;  // a folder path
        }
        // Page sizes by their names (Qt's, translated, or a printer's own); printers and their
        // locations and models as CUPS gives them.
        for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
            if (text == QPageSize(static_cast<QPageSize::PageSizeId>(id)).name()) {
                return true;
            }
        }
        for (const QPrinterInfo& printer : QPrinterInfo::availablePrinters()) {
            if (text == printer.printerName() || text == printer.location() ||
                text == printer.makeAndModel()) {
                return true;
            }
            for (const QPageSize& size : printer.supportedPageSizes()) {
                if (text == size.name()) {
                    return true;
                }
            }
        }
        return false;
    }

    // "where: text" of every text that is neither Norwegian nor the program's own.
    QStringList Foreign(const std::vector<Seen>& seen, const NorwegianTexts& norwegian) const {
        QStringList foreign;
        for (const Seen& s : seen) {
            if (!norwegian.Accepts(s.text) && !IsOwnOrData(s.text)) {
                foreign << s.where + QStringLiteral(": ") + s.text;
            }
        }
        foreign.removeDuplicates();
        return foreign;
    }

    // Walks every Qt dialog, menu and box the program shows and collects what they show.
    std::vector<Seen> WalkEverything() {
        std::vector<Seen> all;
        auto take = [&all](std::vector<Seen> more) {
            all.insert(all.end(), more.begin(), more.end());
        };
        int walked = 0;

        // Open: the dialog with its detail view, and the context menu of its file list.
        WhenModal(
            [&](QWidget* dialog) {
                take(CollectWindow(dialog));
                if (auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
                    QTimer::singleShot(0, [&] {
                        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                            CollectMenu(menu, QStringLiteral("file list menu"), all);
                            menu->close();
                        }
                    });
                    emit tree->customContextMenuRequested(QPoint(5, 5));
                }
                ++walked;
                static_cast<QDialog*>(dialog)->reject();
            },
            nullptr, "QFileDialog");
        m_frame->RunCommand(kCmdFileOpen);

        // Save As: the dialog, then the question for a name that is there already.
        WhenModal(
            [&](QWidget* dialog) {
                take(CollectWindow(dialog));
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (!name) {
                    static_cast<QDialog*>(dialog)->reject();
                    return;
                }
                QPointer<QWidget> saving = dialog;
                WhenModal(
                    [&, saving](QWidget* question) {
                        take(CollectWindow(question));
                        ++walked;
                        auto* box = static_cast<QMessageBox*>(question);
                        if (QAbstractButton* no = box->button(QMessageBox::No)) {
                            no->click();
                        } else {
                            box->reject();
                        }
                        QTimer::singleShot(0, [saving] {
                            if (saving) {
                                static_cast<QDialog*>(saving.data())->reject();
                            }
                        });
                    },
                    dialog, "QMessageBox");
                name->setText(m_folder + QStringLiteral("/reise.tur"));
                QTest::keyClick(name, Qt::Key_Return);
            },
            nullptr, "QFileDialog");
        m_frame->RunCommand(kCmdFileSaveAs);

        // The PDF export's file dialog.
        WhenModal(
            [&](QWidget* dialog) {
                take(CollectWindow(dialog));
                ++walked;
                static_cast<QDialog*>(dialog)->reject();
            },
            nullptr, "QFileDialog");
        m_frame->RunCommand(kCmdFileExportPdf);

        // Print: the dialog, with its options shown, and the printer's properties.
        WhenModal(
            [&](QWidget* dialog) {
                take(CollectWindow(dialog));
                for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                    if (button->text().endsWith(QStringLiteral(">>"))) {
                        button->click();
                        take(CollectWindow(dialog));
                    }
                }
                if (auto* properties =
                        dialog->findChild<QPushButton*>(QStringLiteral("properties"));
                    properties && properties->isEnabled()) {
                    WhenModal(
                        [&](QWidget* sheet) {
                            take(CollectWindow(sheet));
                            static_cast<QDialog*>(sheet)->reject();
                        },
                        dialog);
                    properties->click();
                }
                ++walked;
                static_cast<QDialog*>(dialog)->reject();
            },
            nullptr, "QPrintDialog");
        m_frame->RunCommand(kCmdFilePrint);

        // Page set-up, with the context menu of a margin's box.
        WhenModal(
            [&](QWidget* dialog) {
                take(CollectWindow(dialog));
                for (QAbstractSpinBox* spin : dialog->findChildren<QAbstractSpinBox*>()) {
                    if (spin->isVisible() && spin->isEnabled()) {
                        take(ContextMenuOf(spin, QStringLiteral("spin box menu")));
                        break;
                    }
                }
                ++walked;
                static_cast<QDialog*>(dialog)->reject();
            },
            nullptr, "QPageSetupDialog");
        m_frame->RunCommand(kCmdFilePrintSetup);

        // The preview: its tool bar's buttons and tool tips and the page counter.
        WhenModal(
            [&](QWidget* dialog) {
                take(CollectWindow(dialog));
                ++walked;
                static_cast<QDialog*>(dialog)->reject();
            },
            nullptr, "QPrintPreviewDialog");
        m_frame->RunCommand(kCmdFilePrintPreview);

        // A question of the program's own with every button.
        WhenModal(
            [&](QWidget* box) {
                take(CollectWindow(box));
                ++walked;
                static_cast<QDialog*>(box)->reject();
            },
            nullptr, "QMessageBox");
        MessageRequest question;
        question.caption = "Ferdix";
        question.text = "?";
        question.buttons = MsgButtons::YesNoCancel;
        m_qtDialogs.Message(m_frame.get(), question);

        // The context menus of a field, the notes, a drop-down's edit and the form's scroll bar.
        CFormWidget& form = m_frame->Form();
        take(StandardMenu(
            static_cast<QLineEdit*>(form.ControlWidget(kIdName))->createStandardContextMenu(),
            QStringLiteral("field menu")));
        take(StandardMenu(static_cast<QPlainTextEdit*>(form.ControlWidget(kIdRemarks))
                              ->createStandardContextMenu(),
                          QStringLiteral("notes menu")));
        take(StandardMenu(static_cast<QComboBox*>(form.ControlWidget(kIdTravelMeans))
                              ->lineEdit()
                              ->createStandardContextMenu(),
                          QStringLiteral("drop-down menu")));
        take(ContextMenuOf(form.verticalScrollBar(), QStringLiteral("scroll bar menu")));

        if (walked != 7) {
            all.push_back({QStringLiteral("walk"),
                           QStringLiteral("only %1 of 7 dialogs were reached").arg(walked)});
        }
        return all;
    }

    void ExpectNorwegian(int standard) {
        NorwegianTexts norwegian(
            QStringLiteral(FERDIX_RESOURCES_DIR) +
            (standard == kNynorsk ? "/translations/qt_nn.ts" : "/translations/qt_nb.ts"));
        QVERIFY(norwegian.Count() > 400);
        // The file list's header menu: "Show " and the column's name.
        for (const char* column : {"Name", "Size", "Type", "Date Modified"}) {
            norwegian.AddJoined(norwegian.Tr("QFileDialog", "Show "),
                                norwegian.Tr("QFileSystemModel", column));
        }
        std::vector<Seen> seen = WalkEverything();
        QVERIFY2(seen.size() > 300, qPrintable(QString::number(seen.size())));
        QStringList foreign = Foreign(seen, norwegian);
        QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    }

  private slots:
    void init() {
        InitWindow(&m_qtDialogs);
        m_folder = QString::fromStdString(m_home->Path("reiser"));
        QDir().mkpath(m_folder + QStringLiteral("/mappe"));
        m_printing = std::make_unique<CPrintService>(m_qtDialogs, MakePrinterDialogs);
        ConnectPrintService(*m_frame, *m_printing);
        // The program's own texts in these dialogs: the file filters, the export's title, the
        // question; and the data: the files, the home folder's name.
        m_own = {QStringLiteral("Ferdix"), QStringLiteral("?"), QStringLiteral("reise.tur"),
                 QStringLiteral("mappe"), QDir::home().dirName()};
        FileDialogRequest pdf = PdfExportDialog(CFerdixDoc(), ProgramSettings());
        for (const std::string& filter : {FileDialogRequest().filter, pdf.filter}) {
            for (const QString& name : NameFilters(filter)) {
                m_own.insert(name);
            }
        }
        m_own.insert(ToQString(pdf.caption));
    }
    void cleanup() {
        m_frame.reset();
        m_printing.reset();
        CleanupWindow();
    }

    void qtTextsAreBokmalInBokmal() {
        Start();
        ExpectNorwegian(kBokmal);
    }

    void qtTextsFollowASwitchToNynorskAndBack() {
        Start();
        m_frame->RunCommand(kCmdNynorsk);
        ExpectNorwegian(kNynorsk);
        m_frame->RunCommand(kCmdBokmal);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"),
                 QStringLiteral("Lagre som"));
    }

    // A traveller's profile switches the written standard without a command.
    void qtTextsFollowTheProfilesWrittenStandard() {
        fs::create_directories(m_home->Path("config/ferdix"));
        WriteFile(m_home->Path("config/ferdix/reisende.ini"),
                  "[010170 12345]\r\n" + std::string("Oppstartingsspråk=nynorsk\r\n"_cp));
        Start(false);
        QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"),
                 QString::fromUtf8("Forhåndsvisning"));
        QWidget* id = m_frame->Form().ControlWidget(kIdPersonId);
        QTest::keyClicks(id, QStringLiteral("01017012345"));
        QTest::keyClick(id, Qt::Key_Tab);
        QCOMPARE(m_frame->App().Locale().standard, kNynorsk);
        QCOMPARE(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"),
                 QString::fromUtf8("Førehandsvising"));
        QCOMPARE(QLocale().language(), QLocale::NorwegianNynorsk);
    }

    // Without the program's window Qt speaks as before: the translation is the window's.
    void theTranslationGoesWithTheWindow() {
        Start();
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"),
                 QStringLiteral("Lagre som"));
        m_frame.reset();
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Save As"));
        QVERIFY(QLocale().language() != QLocale::NorwegianBokmal ||
                QLocale::system().language() == QLocale::NorwegianBokmal);
    }
};

int RunQtTranslationTests(int argc, char** argv) {
    QtTranslationTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace ferdix::test

#include "qt_translation_test.moc"
