// ui_latency CLAIM.tur [KEYS]: the real main window on a claim, and the time from a key press
// (or a click on "Registrer") to the amount, the status bar and the list painted on screen.
// Prints the median, the 99th percentile and the maximum of each, in milliseconds.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/clock.h"
#include "claim/ferdix_doc.h"
#include "form/control_ids.h"
#include "qt/dialogs.h"
#include "qt/form_widget.h"
#include "qt/main_frame.h"
#include "qt/qt_text.h"
#include "rates/program_settings.h"

namespace {

using namespace ferdix;

// Answers every box with OK and counts them: a box during the run spoils the figures.
class SilentDialogs final : public IDialogs {
  public:
    MsgAnswer Message(QWidget*, const MessageRequest&) override {
        ++messages;
        return MsgAnswer::Ok;
    }
    std::optional<std::string> FilePath(QWidget*, const FileDialogRequest&) override {
        return std::nullopt;
    }
    int Exec(QDialog&) override { return 0; }
    int messages = 0;
};

// Counts the paint events of the widgets it watches.
class PaintWatch final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
    int paints = 0;
};

struct Figures {
    std::vector<double> ms;
    void Print(const char* what) {
        std::sort(ms.begin(), ms.end());
        auto at = [&](double q) {
            return ms[std::min(ms.size() - 1,
                               static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
        };
        std::printf("%-34s median %7.2f ms   p99 %7.2f ms   max %7.2f ms   (%zu)\n", what, at(0.5),
                    at(0.99), ms.back(), ms.size());
    }
};

// Runs the event loop until `watch` has seen a paint since `before`, and no longer than 1 s.
void UntilPainted(const PaintWatch& watch, int before) {
    QElapsedTimer limit;
    limit.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (watch.paints == before && limit.elapsed() < 1000);
}

void PressKey(QWidget* w, char c) {
    QString text(QChar::fromLatin1(c));
    auto key = static_cast<Qt::Key>(Qt::Key_0 + (c - '0'));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: ui_latency CLAIM.tur [KEYS]\n");
        return 2;
    }
    const std::string claim = argv[1];
    const int keys = argc > 2 ? std::atoi(argv[2]) : 200;
    QApplication app(argc, argv);
    SystemClock clock;
    SilentDialogs dialogs;
    CMainFrame frame(clock, dialogs);
    frame.resize(640, 900);
    StartupArgs args{FERDIX_PROGRAM_DIR "/ferdix", claim, UserConfigDir(), ""};
    QElapsedTimer open;
    open.start();
    if (!frame.Start(args)) {
        std::fprintf(stderr, "ui_latency: start-up failed\n");
        return 1;
    }
    frame.show();
    frame.activateWindow();
    while (!frame.windowHandle() || !frame.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    std::printf("claim: %zu legs, %zu outlays; opened and shown in %lld ms\n",
                frame.App().Document()->Claim().m_travelLines.size(),
                frame.App().Document()->Claim().m_outlayLines.size(),
                static_cast<long long>(open.elapsed()));

    CFormWidget& form = frame.Form();
    auto* count = qobject_cast<QLineEdit*>(form.ControlWidget(kIdDayDomesticOver12hCount));
    auto* amount = qobject_cast<QLineEdit*>(form.ControlWidget(kIdDayDomesticOver12hAmount));
    auto* name = qobject_cast<QLineEdit*>(form.ControlWidget(kIdName));
    if (!count || !amount || !name) {
        std::fprintf(stderr, "ui_latency: fields missing\n");
        return 1;
    }
    PaintWatch amountPaints;
    amount->installEventFilter(&amountPaints);
    PaintWatch namePaints;
    name->installEventFilter(&namePaints);

    // A count: the binding, the amount field, the net amount in the status bar.
    Figures countKeys;
    form.SetFocus(kIdDayDomesticOver12hCount);
    for (int i = 0; i < keys; ++i) {
        char digit = static_cast<char>('1' + i % 9);
        count->selectAll();
        QCoreApplication::processEvents();
        int before = amountPaints.paints;
        QElapsedTimer t;
        t.start();
        PressKey(count, digit);
        UntilPainted(amountPaints, before);
        countKeys.ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        float want = static_cast<float>(digit - '0') *
                     frame.App().Document()->Claim().LineValue(DayDomesticOver12h, 1);
        if (frame.App().Document()->Claim().LineValue(DayDomesticOver12h, 2) != want ||
            amount->text().isEmpty()) {
            std::fprintf(stderr, "ui_latency: the amount did not follow the count\n");
            return 1;
        }
    }
    countKeys.Print("key in a count field -> amount");

    // A text field: only the key and its own paint.
    Figures nameKeys;
    form.SetFocus(kIdName);
    for (int i = 0; i < keys; ++i) {
        name->selectAll();
        QCoreApplication::processEvents();
        int before = namePaints.paints;
        QElapsedTimer t;
        t.start();
        PressKey(name, static_cast<char>('0' + i % 10));
        UntilPainted(namePaints, before);
        nameKeys.ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    nameKeys.Print("key in a text field");

    // "Registrer" of a car leg: the list refilled and painted, the car kilometres split.
    auto* list = qobject_cast<QTreeView*>(form.ControlWidget(kIdTravelList));
    auto* reg = qobject_cast<QPushButton*>(form.ControlWidget(kIdTravelRegister));
    PaintWatch listPaints;
    list->viewport()->installEventFilter(&listPaints);
    Figures registers;
    const int rounds = std::max(5, keys / 20);
    for (int i = 0; i < rounds; ++i) {
        form.SetText(kIdTravelDate, "15.06.06");
        form.SetText(kIdTravelTime, "08:00");
        form.SetText(kIdTravelFrom, "Hamar");
        form.SetText(kIdTravelTo, "Lillehammer");
        form.SetText(kIdTravelArrival, "09:00");
        form.SetText(kIdTravelMeans, "Bil");
        form.SetText(kIdTravelKm, "62");
        QCoreApplication::processEvents();
        int rows = list->model()->rowCount();
        int before = listPaints.paints;
        QElapsedTimer t;
        t.start();
        reg->click();
        UntilPainted(listPaints, before);
        registers.ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (list->model()->rowCount() != rows + 1) {
            std::fprintf(stderr, "ui_latency: the leg did not reach the list\n");
            return 1;
        }
    }
    registers.Print("Registrer of a leg -> list");
    if (dialogs.messages != 0) {
        std::fprintf(stderr, "ui_latency: %d message boxes during the run\n", dialogs.messages);
        return 1;
    }
    // The claim is modified: leave without the question.
    frame.App().Document()->SetModified(false);
    return 0;
}
