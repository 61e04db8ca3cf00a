// The printed form on Qt: the QPainter surface's metrics and placement, the PDF written
// atomically, the preview's page count and the export through the print service.
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/commands.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "claim/claim_file.h"
#include "form/control_ids.h"
#include "print/print_job.h"
#include "qt/form_widget.h"
#include "qt/main_frame.h"
#include "qt/print_loader.h"
#include "qt/print_service.h"
#include "qt/printer_dialogs.h"
#include "qt/qt_surface.h"
#include "qt/qt_text.h"
#include "qt_suites.h"
#include "qt_support.h"
#include "support/fake_host.h"
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
    doc.LoadClaim(ReadFile(ClaimPath()));
}

// The document's claim changed as data, past its setters.
template <typename Edit>
void EditClaim(CFerdixDoc& doc, Edit edit) {
    ClaimData claim = doc.Claim();
    edit(claim);
    doc.ReplaceClaim(std::move(claim));
}

std::string Bytes(const std::string& path) {
    return ReadFile(path);
}

// Forwards every operation to the Qt surface and keeps the ink of each text (from the real
// glyphs) and each line, in page units, to find what overlaps on the printed page.
class InkRecorder final : public DrawingSurface {
  public:
    struct Ink {
        int page;
        std::string text;
        QPoint at;
        std::vector<QRectF> glyphs;  // the ink of each character, in page units
    };
    struct Rule {
        int page;
        QLineF line;
    };

    InkRecorder(CQtSurface& dc, QPaintDevice& device) : m_dc(dc), m_device(device) {}
    void StartPage(int page) { m_page = page; }

    void SetPageMapping(int ww, int wh, int vw, int vh, int ox, int oy) override {
        m_dc.SetPageMapping(ww, wh, vw, vh, ox, oy);
    }
    void SetTransparentBackground() override { m_dc.SetTransparentBackground(); }
    FontResult MakeFont(const FontSpec& wanted) override { return m_dc.MakeFont(wanted); }
    void ReleaseFont(FontId font) override { m_dc.ReleaseFont(font); }
    FontId SelectFont(FontId font) override {
        FontId previous = m_dc.SelectFont(font);
        if (previous != font) {
            m_current = font;
        }
        return previous;
    }
    StockBrush SelectStockBrush(StockBrush brush) override { return m_dc.SelectStockBrush(brush); }
    void MoveTo(int x, int y) override {
        m_at = QPointF(x, y);
        m_dc.MoveTo(x, y);
    }
    void LineTo(int x, int y) override {
        rules.push_back({m_page, QLineF(m_at, QPointF(x, y))});
        m_at = QPointF(x, y);
        m_dc.LineTo(x, y);
    }
    void Rectangle(int l, int t, int r, int b) override { m_dc.Rectangle(l, t, r, b); }
    TextAlign SetTextAlign(TextAlign align) override {
        m_align = align;
        return m_dc.SetTextAlign(align);
    }
    void TextOut(int x, int y, std::string_view text) override {
        Record(x, y, text, m_align);
        m_dc.TextOut(x, y, text);
    }
    void ClippedTextOut(int x, int y, const PageRect& clip, std::string_view text) override {
        Record(x, y, text, TextAlign::Left);
        QRectF within(QPointF(clip.left, clip.top), QPointF(clip.right, clip.bottom));
        for (QRectF& glyph : inks.back().glyphs) {
            glyph &= within;
        }
        m_dc.ClippedTextOut(x, y, clip, text);
    }
    TextSize MeasureText(std::string_view text) override { return m_dc.MeasureText(text); }
    bool IsPreview() const override { return m_dc.IsPreview(); }
    void DrawPicture(Picture picture, const PageRect& target) override {
        m_dc.DrawPicture(picture, target);
    }

    std::vector<Ink> inks;
    std::vector<Rule> rules;

  private:
    void Record(int x, int y, std::string_view text, TextAlign align) {
        QString q = ToQString(text);
        QFontMetricsF metrics(m_dc.Font(m_current), &m_device);
        QPointF origin = m_dc.ToDevice(x, y);
        if (align == TextAlign::Right) {
            origin.rx() -= metrics.horizontalAdvance(q);
        }
        QPointF zero = m_dc.ToDevice(0, 0);
        double ux = m_dc.ToDevice(1, 0).x() - zero.x();
        double uy = m_dc.ToDevice(0, 1).y() - zero.y();
        Ink ink{m_page, std::string(text), QPoint(x, y), {}};
        for (qsizetype i = 0; i < q.size(); ++i) {
            QRectF glyph = metrics.tightBoundingRect(q.mid(i, 1));
            if (glyph.isEmpty()) {
                continue;
            }
            glyph.translate(origin.x() + metrics.horizontalAdvance(q.left(i)),
                            origin.y() + metrics.ascent());
            ink.glyphs.emplace_back(
                QPointF((glyph.left() - zero.x()) / ux, (glyph.top() - zero.y()) / uy),
                QPointF((glyph.right() - zero.x()) / ux, (glyph.bottom() - zero.y()) / uy));
        }
        inks.push_back(std::move(ink));
    }

    CQtSurface& m_dc;
    QPaintDevice& m_device;
    int m_page = 0;
    FontId m_current = kDefaultFont;
    TextAlign m_align = TextAlign::Left;
    QPointF m_at;
};

// What overlaps on the printed pages of the claim: rules through the ink of a text, and texts
// whose ink meets, by more than a quarter unit.
std::vector<std::string> Overlaps(const CFerdixDoc& doc, int standard) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    QPainter painter(&pdf);
    std::vector<std::string> found;
    {
        CQtSurface dc(&painter, pdf, false);
        InkRecorder rec(dc, pdf);
        CPrintJob job(doc, standard, "");
        PrintInfo info;
        info.printableWidth = 4724;
        info.printableHeight = 6779;
        if (!job.BeginPrinting(rec, info)) {
            return {"no print run"};
        }
        for (int page = 1; page <= job.PageCount(); ++page) {
            rec.StartPage(page);
            info.currentPage = page;
            job.PrintPage(rec, info);
        }
        job.EndPrinting(rec, info);
        constexpr double kSlack = 0.25;
        auto name = [](const InkRecorder::Ink& t) {
            return "p" + std::to_string(t.page) + " \"" + Cp1252ToUtf8(t.text) + "\"";
        };
        // A word printed down the page, one letter per line 17 units apart: its letters are
        // close by design.
        auto stacked = [&rec](const InkRecorder::Ink& t) {
            return t.text.size() == 1 &&
                   std::any_of(rec.inks.begin(), rec.inks.end(), [&t](const auto& u) {
                       return u.page == t.page && u.text.size() == 1 &&
                              std::abs(u.at.y() - t.at.y()) == 17;
                   });
        };
        auto inner = [](const QRectF& r) { return r.adjusted(kSlack, kSlack, -kSlack, -kSlack); };
        for (const auto& t : rec.inks) {
            if (stacked(t)) {
                continue;
            }
            bool crossed = false;
            for (const auto& r : rec.rules) {
                QRectF span = QRectF(r.line.p1(), r.line.p2()).normalized();
                // Only straight rules: the diagonals are tick marks and arrow heads.
                if (r.page != t.page || (span.width() > 0 && span.height() > 0)) {
                    continue;
                }
                for (const QRectF& glyph : t.glyphs) {
                    QRectF g = inner(glyph);
                    crossed = crossed || (span.left() <= g.right() && span.right() >= g.left() &&
                                          span.top() <= g.bottom() && span.bottom() >= g.top());
                }
            }
            // The band between rule 45 and the lodging boxes is lower than this label: its
            // parentheses reach the boxes' tops by two units, as on the printed paper form.
            bool known = t.text == "(Se baksiden)" || t.text == "(Sjå baksida)"_cp;
            if (crossed && !known) {
                found.push_back(name(t) + " crossed by a rule");
            }
        }
        for (std::size_t i = 0; i < rec.inks.size(); ++i) {
            for (std::size_t k = i + 1; k < rec.inks.size(); ++k) {
                const auto& a = rec.inks[i];
                const auto& b = rec.inks[k];
                if (a.page != b.page || stacked(a) || stacked(b)) {
                    continue;
                }
                bool meet = false;
                for (const QRectF& ga : a.glyphs) {
                    for (const QRectF& gb : b.glyphs) {
                        meet = meet || inner(ga).intersects(inner(gb));
                    }
                }
                if (meet) {
                    found.push_back(name(a) + " meets " + name(b));
                }
            }
        }
    }
    painter.end();
    return found;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private slots:

    void theFormsFacesAreInstalled() { QCOMPARE(MissingPrintFaces(), QStringList()); }
    // Qt would stand another face in for a missing one: the check must not be fooled by that.
    void aFaceThatIsNotInstalledIsMissing() {
        const QStringList faces{QStringLiteral("liberation sans"),
                                QStringLiteral("Ferdix Ingen Slik Skrift"),
                                QStringLiteral("Liberation Mono")};
        QCOMPARE(MissingFaces(faces), QStringList{QStringLiteral("Ferdix Ingen Slik Skrift")});
    }

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
                FontSpec wanted;
                const char* family;
            };
            for (bool mapped : {false, true}) {
                if (mapped) {
                    MapPage(dc);
                }
                for (const Case& c :
                     {Case{kBase, "Liberation Serif"}, Case{kLabel, "Liberation Sans"},
                      Case{kFixed, "Liberation Mono"}}) {
                    FontResult made = dc.MakeFont(c.wanted);
                    QCOMPARE(made.status, FontStatus::Made);
                    FontId previous = dc.SelectFont(made.font);
                    QCOMPARE(dc.MeasureText("Åj"_cp).height, c.wanted.height);
                    QCOMPARE(dc.MeasureText("").height, c.wanted.height);
                    QFontMetricsF metrics(dc.Font(made.font), d.device);
                    double cell = dc.ToDevice(0, c.wanted.height).y() - dc.ToDevice(0, 0).y();
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

    // With the real faces nothing on the form overlaps: no rule runs through a text and no two
    // texts meet, on the front page, the back page and a page of remarks of its own.
    void nothingOverlapsOnThePrintedForm() {
        CFerdixDoc doc;
        ReadFullClaim(doc);
        // Values that fit their columns: the layout is under test, not the user's long texts.
        EditClaim(doc, [](ClaimData& c) {
            c.m_travelLines[3]->SetForeignAmount(12345.5f);
            c.m_travelLines[1]->SetTransport("Taxi");
        });
        doc.SetOtherAdditions("Bom");
        for (int standard : {kBokmal, kNynorsk}) {
            std::vector<std::string> overlaps = Overlaps(doc, standard);
            for (const std::string& o : overlaps) {
                qWarning("%s", o.c_str());
            }
            QCOMPARE(overlaps.size(), std::size_t{0});
        }
        std::string remarks;
        for (int i = 0; i < 30; ++i) {
            remarks += "Merknad nummer " + std::to_string(i) + "\r\n";
        }
        doc.SetRemarks(remarks);
        std::vector<std::string> overlaps = Overlaps(doc, kBokmal);
        for (const std::string& o : overlaps) {
            qWarning("%s", o.c_str());
        }
        QCOMPARE(overlaps.size(), std::size_t{0});
    }

    // Values wider than their cells, as users and claim files give them: each is set smaller,
    // on two lines or cut, and none runs through a rule or over another text.
    void longValuesStayInTheirCells() {
        CFerdixDoc doc;
        ReadFullClaim(doc);
        EditClaim(doc, [](ClaimData& c) {
            c.m_travelLines[1]->SetTransport("Motorsykkel");
            c.m_travelLines[3]->SetForeignAmount(1234567.0f);
            c.m_travelLines[2]->SetText("Bergen busstasjon og videre");
            c.m_outlayLines[1]->SetText("Hotell Bergen, 2 netter med frokost og middag for to");
            c.m_outlayLines[2]->SetForeignAmount(1234567.0f);
        });
        doc.SetAdvancePlace("Statens hus Bergen");
        doc.SetOtherAdditions("Bompenger 40 kr");
        EditClaim(doc, [](ClaimData& c) { c.m_strOtherDeductions = "Frokost"; });
        doc.SetTripNumber("R-2006-17-Bergen-Voss");
        doc.ChangeTraveller(&CTraveller::SetName, std::string(120, 'W'));
        doc.ChangeTraveller(&CTraveller::SetPostTown, "Oslo sentrum postterminal");
        doc.SetLodging(
            "Hotell Bergen, Bryggen 3, 5003 Bergen, telefon 55 00 00 00, "
            "e-post post@hotell.example, resepsjon hele døgnet"_cp);
        for (int standard : {kBokmal, kNynorsk}) {
            std::vector<std::string> overlaps = Overlaps(doc, standard);
            for (const std::string& o : overlaps) {
                qWarning("%s", o.c_str());
            }
            QCOMPARE(overlaps.size(), std::size_t{0});
        }
    }

    // Qt adds up text advances in a 32-bit fixed-point number: a word of some hundred thousand
    // characters measured as fitting, and all but a few hundred of its characters were left
    // off the pages without a word. Measured in pieces, it is as wide as its characters, and
    // the PDF holds every one of them.
    void aLongWordIsMeasuredAndPrintedWhole() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        {
            CQtSurface dc(nullptr, pdf, false);
            dc.SetPageMapping(2080, 3000, 4724, 6779, 100, 170);
            FontResult fixed = dc.MakeFont(kFixed);
            QCOMPARE(fixed.status, FontStatus::Made);
            dc.SelectFont(fixed.font);
            constexpr int kLength = 600000;
            double one = dc.MeasureText(std::string(1000, 'x')).width / 1000.0;
            int width = dc.MeasureText(std::string(kLength, 'x')).width;
            QVERIFY2(std::abs(width - one * kLength) < 0.001 * one * kLength,
                     std::to_string(width).c_str());
            dc.SelectFont(kDefaultFont);
        }

        CFerdixDoc doc;
        ReadFullClaim(doc);
        constexpr int kLength = 600000;
        doc.SetRemarks(std::string(kLength, 'x'));
        QByteArray out;
        RenderResult result = RenderPdf(PrintSource{&doc, kBokmal, ""}, out);
        QVERIFY(result.ok);
        QVERIFY(result.pages > 100);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-"), QStringLiteral("-")});
        text.write(out);
        text.closeWriteChannel();
        QVERIFY(text.waitForFinished(120000));
        QCOMPARE(text.readAllStandardOutput().count('x'), kLength);
    }

    // The remarks are broken for the width they print in on the page: a device's text widths
    // do not stretch with the page (fonts come in whole pixels), so a line measured unmapped
    // printed 1809 units wide.
    void printedRemarksLinesKeepTheirWidth() {
        CFerdixDoc doc;
        ReadFullClaim(doc);
        std::string line;
        while (line.size() < 107) {
            line += "ord ";
        }
        line.resize(107);
        doc.SetRemarks(line);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        QRect area = pdf.pageLayout().paintRectPixels(kMappingUnitsPerInch);
        CQtSurface dc(nullptr, pdf, false);
        CPrintJob job(doc, kBokmal, "");
        PrintInfo info;
        info.printableWidth = area.width();
        info.printableHeight = area.height();
        QVERIFY(job.BeginPrinting(dc, info));
        dc.SetPageMapping(2080, 3000, area.width(), area.height(), 100, 170);
        FontResult fixed = dc.MakeFont(kFixed);
        dc.SelectFont(fixed.font);
        std::vector<std::string_view> lines = SplitLines(job.PrintedRemarks());
        QVERIFY(lines.size() > 1);
        for (std::string_view printed : lines) {
            QVERIFY2(dc.MeasureText(printed).width <= 1800, std::string(printed).c_str());
        }
        dc.SelectFont(kDefaultFont);
        job.EndPrinting(dc, info);

        // The PDF breaks it too: no printed line holds all 27 words.
        QByteArray out;
        QVERIFY(RenderPdf(PrintSource{&doc, kBokmal, ""}, out).ok);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-"), QStringLiteral("-")});
        text.write(out);
        text.closeWriteChannel();
        QVERIFY(text.waitForFinished(30000));
        QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(printed.contains(QStringLiteral("ord ord")));
        QVERIFY(!printed.contains(QString::fromStdString(line)));
    }

    // Text copied out of the PDF has spaces where the form has spaces: no ToUnicode map of the
    // file gives a glyph U+0009, and each map gives its space glyph U+0020.
    void spacesInThePdfTextAreSpaces() {
        CFerdixDoc doc;
        ReadFullClaim(doc);
        QByteArray pdf;
        QVERIFY(RenderPdf(PrintSource{&doc, kBokmal, ""}, pdf).ok);
        std::string bytes = pdf.toStdString();
        int maps = 0;
        for (std::size_t at = bytes.find("/ToUnicode "); at != std::string::npos;
             at = bytes.find("/ToUnicode ", at + 1)) {
            int object = std::atoi(bytes.c_str() + at + 11);
            std::size_t head = bytes.find("\n" + std::to_string(object) + " 0 obj");
            QVERIFY(head != std::string::npos);
            std::size_t begin = bytes.find("stream\n", head);
            std::size_t end = bytes.find("endstream", begin);
            QVERIFY(begin != std::string::npos && end != std::string::npos);
            std::string cmap = bytes.substr(begin, end - begin);
            QVERIFY2(cmap.find("<0009>") == std::string::npos, cmap.c_str());
            QVERIFY2(cmap.find("<0020>") != std::string::npos, cmap.c_str());
            ++maps;
        }
        // Serif, sans, bold sans and mono.
        QCOMPARE(maps, 4);
    }

    // The header mark is the resource's picture in the preview, the printed outline elsewhere.
    void onlyThePreviewGetsTheHeaderMarkPicture() {
        CFerdixDoc doc;
        ReadFullClaim(doc);
        for (bool preview : {false, true}) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&buffer);
            RenderResult result = RenderPages(pdf, PrintSource{&doc, kBokmal, ""}, preview);
            QVERIFY(result.ok);
            QCOMPARE(result.pages, 2);
            QCOMPARE(bytes.contains("/Subtype /Image"), preview);
        }
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
        EditClaim(doc, [](ClaimData& c) {
            for (int i = 0; i < 60; ++i) {
                auto line = std::make_unique<CTravelLine>();
                line->SetText("Sted " + std::to_string(i));
                line->SetTo("Bergen");
                line->SetTransport("Tog");
                c.m_travelLines.push_back(std::move(line));
            }
        });
        ScriptedDialogs dialogs;
        CPrintService service(dialogs, MakePrinterDialogs);
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

    // Through the main window: the export writes the claim as the form shows it now (the field
    // being typed in, the written-date field, the written standard), and the preview shows the
    // claim's pages.
    void theMainWindowExportsAndPreviewsWhatTheFormShows() {
        IsolatedHome home;
        std::string program = home.Path("program/");
        fs::create_directories(program);
        for (const char* name : {"ferdix.ini", "land.ini"}) {
            fs::copy_file(fs::path(FERDIX_RESOURCES_DIR) / name, fs::path(program) / name);
        }
        std::string claim = home.Path("bergen.tur");
        WriteFile(claim, ReadFile(ClaimPath()));
        ScriptedDialogs dialogs;
        FixedClock clock{CivilTime{2006, 3, 14, 10, 0, 0}};
        CPrintService service(dialogs, MakePrinterDialogs);
        std::string out = home.Path("bergen.pdf");
        dialogs.paths.push_back(out);
        CMainFrame frame(clock, dialogs);
        ConnectPrintService(frame, service);
        QVERIFY(frame.Start({program + "ferdix", claim, home.Path("config/ferdix"), ""}));
        frame.show();
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        frame.Form().SetText(kIdWrittenDate, "24.12.2006");
        QWidget* name = frame.Form().ControlWidget(kIdName);
        QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(4, name->height() / 2));
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(name, QStringLiteral("Ola Normann"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E,
                        Qt::ControlModifier | Qt::ShiftModifier);

        const std::vector<FileDialogRequest>& asked = dialogs.fileDialogs;
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].caption, std::string("Eksporter til PDF"));
        QCOMPARE(asked[0].fileName, std::string("bergen.pdf"));
        QCOMPARE(asked[0].initialFolder + "bergen.tur", claim);
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QString::fromStdString(out), QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(printed.contains(QStringLiteral("Ola Normann")));
        QVERIFY(printed.contains(QStringLiteral("24.12.2006")));
        QVERIFY(printed.contains(QStringLiteral("Reiseregning")));
        QVERIFY(dialogs.messages.empty());

        int shown = -1;
        QTimer::singleShot(0, [&shown] {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
            dialog->reject();
        });
        frame.Action(kCmdFilePrintPreview)->trigger();
        QCOMPARE(shown, 2);
    }

    // Printing draws the pages the print dialog asked for, last first when asked.
    void printingDrawsTheChosenPages() {
        TempFolder dir;
        FakeHost host;
        CFerdixDoc doc;
        ReadFullClaim(doc);
        doc.SetHost(&host);
        std::string remarks;
        for (int i = 0; i < 30; ++i) {
            remarks += "Linje " + std::to_string(i) + "\r\n";
        }
        doc.SetRemarks(remarks);
        ScriptedDialogs dialogs;
        CPrintService service(dialogs, MakePrinterDialogs);
        QVERIFY(service.Printer());
        QPrinter& printer = *service.Printer();
        std::string out = dir.File("utskrift.pdf");
        printer.setOutputFileName(QString::fromStdString(out));
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            asked = true;
            dialog->accept();
        });
        service.Print(nullptr, PrintSource{&doc, kBokmal, ""});
        QVERIFY(asked);
        QVERIFY(host.messages.empty());
        std::string pdf = ReadFile(out);
        QVERIFY(pdf.starts_with("%PDF-"));
        QProcess info;
        info.start(QStringLiteral("pdftotext"), {QString::fromStdString(out), QStringLiteral("-")});
        QVERIFY(info.waitForFinished(30000));
        QString text = QString::fromUtf8(info.readAllStandardOutput());
        // Pages 2 and 3: the lists, then the remarks; no front page.
        QVERIFY(!text.contains(QStringLiteral("Brukte satser")));
        QVERIFY(text.contains(QStringLiteral("Reisespesifikasjon")));
        QVERIFY(text.contains(QStringLiteral("Linje 29")));
        QCOMPARE(text.count(QLatin1Char('\f')), 2);
    }

    // The window's printing comes from the print module, loaded once, on first use: its
    // dialogs print the document the window holds. Without the module printing says so and
    // nothing else goes.
    void printingLoadsItsModuleOnFirstUse() {
        TempFolder dir;
        FakeHost host;
        CFerdixDoc doc;
        ReadFullClaim(doc);
        doc.SetHost(&host);
        ScriptedDialogs dialogs;
        int loads = 0;
        CPrintService service(dialogs, [&loads](IDialogs& d) {
            ++loads;
            return LoadPrinterDialogs(d, FERDIX_PRINT_MODULE);
        });
        QCOMPARE(loads, 0);
        QVERIFY(service.Printer());
        std::string out = dir.File("modul.pdf");
        service.Printer()->setOutputFileName(QString::fromStdString(out));
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->accept();
        });
        service.Print(nullptr, PrintSource{&doc, kBokmal, ""});
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->reject();
        });
        service.PageSetup(nullptr);
        QCOMPARE(loads, 1);
        QVERIFY(host.messages.empty());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QString::fromStdString(out), QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput())
                    .contains(QStringLiteral("Reiseregning")));

        QVERIFY(!LoadPrinterDialogs(dialogs, dir.File("ingen/ferdix_print.so")));
        CPrintService missing(dialogs, [&dir](IDialogs& d) {
            return LoadPrinterDialogs(d, dir.File("ingen/ferdix_print.so"));
        });
        QWidget parent;
        missing.Print(&parent, PrintSource{&doc, kBokmal, ""});
        missing.Preview(&parent, PrintSource{&doc, kBokmal, ""});
        QCOMPARE(dialogs.messages.size(), std::size_t{2});
        QCOMPARE(dialogs.messages[0].caption, std::string("Feil ved utskrift"));
        QVERIFY(dialogs.messages[0].text.starts_with("Utskrift er ikke tilgjengelig"));
        QVERIFY(!missing.Printer());
    }

    void theExportAsksForAPathAndWritesThere() {
        TempFolder dir;
        FakeHost host;
        CFerdixDoc doc;
        ReadFullClaim(doc);
        doc.SetHost(&host);
        FileDialogRequest target;
        target.save = true;
        target.initialFolder = dir.File("");
        target.fileName = "full_claim.pdf";
        ScriptedDialogs dialogs;
        CPrintService service(dialogs, MakePrinterDialogs);
        dialogs.paths = {dir.File("ut.pdf"), std::nullopt, dir.File("finnes-ikke/ut.pdf"),
                         dir.File("finnes-ikke/ut.pdf")};
        PrintSource source{&doc, kNynorsk, "14.03.06"};
        QVERIFY(service.ExportPdf(nullptr, source, target));
        QCOMPARE(dialogs.fileDialogs.size(), std::size_t{1});
        QCOMPARE(dialogs.fileDialogs[0].fileName, std::string("full_claim.pdf"));
        QVERIFY(Bytes(dir.File("ut.pdf")).starts_with("%PDF-"));
        QVERIFY(host.messages.empty());

        // Cancel writes nothing and says nothing.
        QVERIFY(!service.ExportPdf(nullptr, source, target));
        QVERIFY(host.messages.empty());

        // A failure is told, never silent.
        QVERIFY(!service.ExportPdf(nullptr, source, target));
        QCOMPARE(host.messages.size(), std::size_t{1});
        QCOMPARE(host.messages[0].caption, std::string("Feil ved eksport"));
        QVERIFY(host.messages[0].text.starts_with("PDF-filen ble ikke lagret.\n"));
        QVERIFY(host.messages[0].text.find("finnes-ikke") != std::string::npos);

        // A claim without a host is told through the dialogs, as every other box.
        doc.SetHost(nullptr);
        QVERIFY(!service.ExportPdf(nullptr, source, target));
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(dialogs.messages[0].caption, std::string("Feil ved eksport"));
        QCOMPARE(host.messages.size(), std::size_t{1});
    }
};

int RunPrintTests(int argc, char** argv) {
    PrintTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace ferdix::test

#include "print_test.moc"
