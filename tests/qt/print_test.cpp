// The printed form on Qt: the QPainter surface's metrics and placement, the PDF written
// atomically, the preview's page count and the export through the print service.
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>

#include "base/control_ids.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "claim/claim_file.h"
#include "print/print_job.h"
#include "qt/print_service.h"
#include "qt/qt_surface.h"
#include "qt_suites.h"
#include "qt_support.h"
#include "support/fake_host.h"
#include "support/program_state.h"
#include "support/temp_folder.h"

namespace ferdix::test {

namespace fs = std::filesystem;

namespace {

const FontSpec kBase{"", 40, 400, FontPitch::Default, FontFamily::Roman};
const FontSpec kLabel{"Arial", 26, 400, FontPitch::Default, FontFamily::Swiss};
const FontSpec kFixed{"Courier", 32, 0, FontPitch::Fixed, FontFamily::Modern};

// A white page at 300 dpi whose printable area is 1240 x 1754 pixels; the page mapping
// stretches x and y differently, as on paper.
struct Page {
    static constexpr int kDpi = 300;
    QImage image;
    Page() : image(1240, 1754, QImage::Format_RGB32) {
        image.fill(Qt::white);
        int dpm = static_cast<int>(kDpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
    }
    // The printable area in mapping units (1/600 inch).
    static int Units(int pixels) { return pixels * kMappingUnitsPerInch / kDpi; }
    // The bounding box of everything not white.
    QRect Ink(const QRect& within) const {
        int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
        for (int y = std::max(0, within.top()); y <= std::min(image.height() - 1, within.bottom());
             ++y) {
            for (int x = std::max(0, within.left());
                 x <= std::min(image.width() - 1, within.right()); ++x) {
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    }
    QRect Ink() const { return Ink(image.rect()); }
};

void MapPage(CQtSurface& dc) {
    dc.SetPageMapping(2080, 3000, Page::Units(1240), Page::Units(1754), 100, 170);
}

std::string ClaimPath() {
    return std::string(FERDIX_TEST_DATA_DIR) + "/claims/full_claim.tur";
}

void ReadFullClaim(CFerdixDoc& doc) {
    std::ifstream in(ClaimPath(), std::ios::binary);
    ReadClaim(doc, in);
}

std::string Bytes(const std::string& path) {
    return ReadFile(path);
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ProgramStateGuard> m_state;

  private slots:
    void init() {
        m_state = std::make_unique<ProgramStateGuard>();
        SetWrittenStandardValue(kBokmal);
        SetDateOrder(DateOrder::DayFirst);
    }
    void cleanup() { m_state.reset(); }

    void theFormsFacesAreInstalled() { QCOMPARE(MissingPrintFaces(), QStringList()); }

    // A font's height is its character cell, ascent plus descent, in page units, whatever the
    // mapping, to the device pixel (fonts come in whole pixels); each face is the
    // metric-compatible stand-in for the face asked for.
    void fontHeightIsTheCellInPageUnits() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        Page page;
        struct Device {
            QPaintDevice* device;
            double tolerance;  // device pixels: the cell of half a pixel of em
        };
        for (Device d : {Device{&pdf, 0.6}, Device{&page.image, 0.6}}) {
            CQtSurface dc(nullptr, *d.device, false);
            struct Case {
                FontSpec spec;
                const char* family;
            };
            for (bool mapped : {false, true}) {
                if (mapped) {
                    MapPage(dc);
                }
                for (const Case& c :
                     {Case{kBase, "Liberation Serif"}, Case{kLabel, "Liberation Sans"},
                      Case{kFixed, "Liberation Mono"}}) {
                    FontResult made = dc.MakeFont(c.spec);
                    QCOMPARE(made.status, FontStatus::Made);
                    FontId previous = dc.SelectFont(made.font);
                    QCOMPARE(dc.MeasureText("Åj"_cp).height, c.spec.height);
                    QCOMPARE(dc.MeasureText("").height, c.spec.height);
                    QFontMetricsF metrics(dc.Font(made.font), d.device);
                    double cell = dc.ToDevice(0, c.spec.height).y() - dc.ToDevice(0, 0).y();
                    QVERIFY2(std::abs(metrics.ascent() + metrics.descent() - cell) < d.tolerance,
                             c.family);
                    QCOMPARE(QFontInfo(dc.Font(made.font)).family(), QString::fromUtf8(c.family));
                    // Widths come back in page units of x.
                    double width = metrics.horizontalAdvance(QStringLiteral("Reiseregning"));
                    double unitX = dc.ToDevice(1, 0).x() - dc.ToDevice(0, 0).x();
                    QCOMPARE(dc.MeasureText("Reiseregning").width,
                             static_cast<int>(std::lround(width / unitX)));
                    dc.SelectFont(previous);
                    dc.ReleaseFont(made.font);
                }
            }
            FontResult bold = dc.MakeFont(FontSpec{"Arial", 26, 700});
            QCOMPARE(bold.status, FontStatus::Made);
            QVERIFY(dc.Font(bold.font).bold());
        }
    }

    // A face the machine lacks is refused rather than silently replaced by another.
    void aFaceThatWouldBeReplacedIsNotMade() {
        Page page;
        CQtSurface dc(nullptr, page.image, false);
        FontResult made = dc.MakeFont(FontSpec{"Ingen Slik Skrift", 40});
        QCOMPARE(made.status, FontStatus::NotMade);
        QCOMPARE(made.font, kDefaultFont);
    }

    void mappingPutsTheOriginAndStretchesEachAxis() {
        Page page;
        CQtSurface dc(nullptr, page.image, false);
        // Before any mapping a page unit is a device unit of 1/600 inch.
        QCOMPARE(dc.ToDevice(600, 300), QPointF(300, 150));
        MapPage(dc);
        QPointF origin = dc.ToDevice(0, 0);
        QVERIFY(std::abs(origin.x() - 50.0) < 1e-9);
        QVERIFY(std::abs(origin.y() - 85.0) < 1e-9);
        QPointF corner = dc.ToDevice(2080, 3000);
        QVERIFY(std::abs(corner.x() - (50.0 + 1240)) < 1e-6);
        QVERIFY(std::abs(corner.y() - (85.0 + 1754)) < 1e-6);
    }

    // Text hangs from its top-left corner, or ends at x when right-aligned.
    void textIsPlacedByItsCellAndRightAlignedByItsEnd() {
        Page page;
        QPainter painter(&page.image);
        CQtSurface dc(&painter, page.image, false);
        MapPage(dc);
        FontResult base = dc.MakeFont(kBase);
        dc.SelectFont(base.font);
        dc.SetTransparentBackground();

        dc.TextOut(200, 400, "Kari Nordmann");
        QPointF topLeft = dc.ToDevice(200, 400);
        QPointF bottomRight = dc.ToDevice(200 + dc.MeasureText("Kari Nordmann").width, 440);
        QRect ink = page.Ink(QRect(0, static_cast<int>(topLeft.y()) - 10, 1240, 60));
        QVERIFY(!ink.isNull());
        QVERIFY(ink.left() >= std::floor(topLeft.x()));
        QVERIFY(ink.top() >= std::floor(topLeft.y()));
        QVERIFY(ink.right() <= std::ceil(bottomRight.x()));
        QVERIFY(ink.bottom() <= std::ceil(bottomRight.y()));
        // The capital's top is below the cell's top (internal leading), not far below.
        QVERIFY(ink.top() - topLeft.y() < 0.3 * (bottomRight.y() - topLeft.y()));

        TextAlign previous = dc.SetTextAlign(TextAlign::Right);
        QCOMPARE(previous, TextAlign::Left);
        dc.TextOut(1500, 1000, "1275,00");
        dc.SetTextAlign(TextAlign::Left);
        QPointF end = dc.ToDevice(1500, 1000);
        QRect amount = page.Ink(QRect(0, static_cast<int>(end.y()) - 5, 1240, 80));
        QVERIFY(!amount.isNull());
        QVERIFY(amount.right() <= std::ceil(end.x()));
        QVERIFY(amount.right() >= end.x() - 4);
        int width = dc.MeasureText("1275,00").width;
        QVERIFY(amount.left() >= std::floor(dc.ToDevice(1500 - width, 0).x()));
    }

    void clippedTextDrawsNothingOutsideItsRectangle() {
        Page page;
        QPainter painter(&page.image);
        CQtSurface dc(&painter, page.image, false);
        MapPage(dc);
        FontResult base = dc.MakeFont(kBase);
        dc.SelectFont(base.font);
        std::string longText(200, 'W');
        dc.ClippedTextOut(470, 1000, PageRect{0, 900, 1000, 1100}, longText);
        QRect ink = page.Ink();
        QVERIFY(!ink.isNull());
        QVERIFY(ink.left() >= std::floor(dc.ToDevice(470, 0).x()));
        QVERIFY(ink.right() <= std::ceil(dc.ToDevice(1000, 0).x()));
        QVERIFY(ink.right() >= dc.ToDevice(1000, 0).x() - 2);
        // The clip ends with the call.
        dc.TextOut(1200, 2000, "X");
        QVERIFY(page.Ink().right() > ink.right());
    }

    void linesAreThinBlackAndRectanglesTakeTheBrush() {
        Page page;
        QPainter painter(&page.image);
        CQtSurface dc(&painter, page.image, false);
        MapPage(dc);
        dc.SelectStockBrush(StockBrush::Null);
        dc.MoveTo(0, 1000);
        dc.LineTo(1880, 1000);
        QRect line = page.Ink();
        QCOMPARE(line.height(), 1);
        QCOMPARE(page.image.pixel(line.center()), qRgb(0, 0, 0));

        // A white-filled rectangle covers what was under it; a null brush leaves it.
        auto inkAt = [&](int x) {
            QPointF p = dc.ToDevice(x, 2000);
            return page.Ink(QRect(static_cast<int>(p.x()), static_cast<int>(p.y()) - 3, 1, 7));
        };
        dc.MoveTo(100, 2000);
        dc.LineTo(900, 2000);
        dc.Rectangle(200, 1900, 400, 2100);
        QVERIFY(!inkAt(300).isNull());
        QCOMPARE(dc.SelectStockBrush(StockBrush::White), StockBrush::Null);
        dc.Rectangle(500, 1900, 700, 2100);
        QVERIFY(inkAt(600).isNull());
        QVERIFY(!inkAt(800).isNull());
    }

    // The header mark's picture, drawn only in the preview, fills its rectangle.
    void theHeaderMarkPictureFillsItsRectangle() {
        Page page;
        QPainter painter(&page.image);
        CQtSurface dc(&painter, page.image, true);
        QVERIFY(dc.IsPreview());
        MapPage(dc);
        dc.DrawPicture(Picture::HeaderMark, PageRect{0, -50, 320, 0});
        QRect ink = page.Ink();
        QVERIFY(!ink.isNull());
        QPointF a = dc.ToDevice(0, -50);
        QPointF b = dc.ToDevice(320, 0);
        QVERIFY(ink.left() >= std::floor(a.x()) && ink.right() <= std::ceil(b.x()));
        QVERIFY(ink.top() >= std::floor(a.y()) && ink.bottom() <= std::ceil(b.y()));
        // It spans the width: the line runs from the wedge to the right end.
        QVERIFY(ink.width() > 0.9 * (b.x() - a.x()));
    }

    // The whole claim as a PDF, in as many pages as the print run plans.
    void aPdfHoldsEveryPlannedPage() {
        CFerdixDoc doc;
        ReadFullClaim(doc);
        QByteArray pdf;
        RenderResult result = RenderPdf(PrintSource{&doc, kBokmal, ""}, pdf);
        QVERIFY(result.ok);
        QCOMPARE(result.pages, 2);
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 2);

        // Remarks that do not fit beside the lists make a third page.
        std::string remarks;
        for (int i = 0; i < 30; ++i) {
            remarks += "Linje " + std::to_string(i) + "\r\n";
        }
        doc.SetRemarks(remarks);
        result = RenderPdf(PrintSource{&doc, kBokmal, ""}, pdf);
        QVERIFY(result.ok);
        QCOMPARE(result.pages, 3);
    }

    void aPdfReplacesAFileOnlyWhenComplete() {
        TempFolder dir;
        CFerdixDoc doc;
        ReadFullClaim(doc);
        PrintSource source{&doc, kBokmal, ""};

        std::string target = dir.File("reise.pdf");
        WriteFile(target, "gammel");
        RenderResult written = WritePdfFile(target, source);
        QVERIFY(written.ok);
        QVERIFY(Bytes(target).starts_with("%PDF-"));
        // No temporary file is left beside it.
        QCOMPARE(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);

        std::string readOnly = dir.File("lest.pdf");
        WriteFile(readOnly, "gammel");
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
        RenderResult refused = WritePdfFile(readOnly, source);
        QVERIFY(!refused.ok);
        QVERIFY(refused.error.find("lest.pdf") != std::string::npos);
        QCOMPARE(Bytes(readOnly), std::string("gammel"));

        RenderResult missing = WritePdfFile(dir.File("finnes-ikke/reise.pdf"), source);
        QVERIFY(!missing.ok);
        QVERIFY(!missing.error.empty());
        QVERIFY(!fs::exists(dir.File("finnes-ikke")));
    }

    // The preview shows every page, the continuation sheets included.
    void thePreviewShowsEveryPage() {
        CFerdixDoc doc;
        ReadFullClaim(doc);
        for (int i = 0; i < 60; ++i) {
            auto line = std::make_unique<CTravelLine>();
            line->SetText("Sted " + std::to_string(i));
            line->SetTo("Bergen");
            line->SetTransport("Tog");
            doc.m_travelLines.push_back(std::move(line));
        }
        CPrintService service;
        int shown = -1;
        QTimer::singleShot(0, [&shown] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            QVERIFY(preview);
            shown = preview->pageCount();
            dialog->reject();
        });
        service.Preview(nullptr, PrintSource{&doc, kBokmal, ""});
        QCOMPARE(shown, 4);
    }

    void theExportAsksForAPathAndWritesThere() {
        TempFolder dir;
        FakeHost host;
        CFerdixDoc doc;
        ReadFullClaim(doc);
        doc.SetHost(&host);
        PdfExportTarget target;
        target.folder = dir.File("");
        target.fileName = "full_claim.pdf";
        CPrintService service;
        std::vector<PdfExportTarget> asked;
        std::optional<std::string> answer = dir.File("ut.pdf");
        service.askPdfPath = [&](QWidget*, const PdfExportTarget& t) {
            asked.push_back(t);
            return answer;
        };
        PrintSource source{&doc, kNynorsk, "14.03.06"};
        QVERIFY(service.ExportPdf(nullptr, source, target));
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].fileName, std::string("full_claim.pdf"));
        QVERIFY(Bytes(dir.File("ut.pdf")).starts_with("%PDF-"));
        QVERIFY(host.messages.empty());

        // Cancel writes nothing and says nothing.
        answer.reset();
        QVERIFY(!service.ExportPdf(nullptr, source, target));
        QVERIFY(host.messages.empty());

        // A failure is told, never silent.
        answer = dir.File("finnes-ikke/ut.pdf");
        QVERIFY(!service.ExportPdf(nullptr, source, target));
        QCOMPARE(host.messages.size(), std::size_t{1});
        QCOMPARE(host.messages[0].caption, std::string("Feil ved eksport"));
        QVERIFY(host.messages[0].text.starts_with("PDF-filen ble ikke lagret.\n"));
        QVERIFY(host.messages[0].text.find("finnes-ikke") != std::string::npos);
    }
};

int RunPrintTests(int argc, char** argv) {
    PrintTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace ferdix::test

#include "print_test.moc"
