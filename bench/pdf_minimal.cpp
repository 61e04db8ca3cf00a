// The floor for `ferdix --pdf`: a bare Qt program that writes a two-page A4 PDF with as many
// texts and lines as the printed full test claim (tests/data/claims/full_claim.tur, bokmål,
// counted on the recording surface: page 1 289 texts of 2141 characters and 158 lines, page 2
// 130 texts of 1529 characters and 87 lines), in the same faces, on the offscreen platform.
// Usage: pdf_minimal OUT.pdf
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <cstddef>
#include <iterator>

namespace {

struct PageLoad {
    int texts;
    int characters;
    int lines;
};

constexpr PageLoad kPages[] = {{289, 2141, 158}, {130, 1529, 87}};

void DrawPage(QPainter& painter, const PageLoad& load, const QRect& area) {
    // The four faces the printed claim embeds (pdffonts of its PDF): each embedded face costs
    // the writer a map of its characters, whatever the number of texts set in it.
    const QFont fonts[] = {QFont(QStringLiteral("Liberation Sans"), 7),
                           QFont(QStringLiteral("Liberation Serif"), 10),
                           QFont(QStringLiteral("Liberation Sans"), 7, QFont::Bold),
                           QFont(QStringLiteral("Liberation Mono"), 8)};
    int length = load.characters / load.texts;
    QString text(length, QLatin1Char('x'));
    for (int i = 0; i < load.texts; ++i) {
        painter.setFont(fonts[i % std::size(fonts)]);
        int x = area.left() + (i * 397) % (area.width() * 3 / 4);
        int y = area.top() + (i * 89) % area.height();
        painter.drawText(QPointF(x, y), text);
    }
    painter.setPen(QPen(Qt::black, 0));
    for (int i = 0; i < load.lines; ++i) {
        int y = area.top() + (i * 61) % area.height();
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    QRect area = painter.viewport();
    for (std::size_t p = 0; p < std::size(kPages); ++p) {
        if (p > 0) {
            writer.newPage();
        }
        DrawPage(painter, kPages[p], area);
    }
    return painter.end() ? 0 : 1;
}
