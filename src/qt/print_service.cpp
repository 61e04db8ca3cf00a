#include "qt/print_service.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <vector>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "print/pdf_text_map.h"
#include "print/print_job.h"
#include "qt/dialogs.h"
#include "qt/form_widget.h"
#include "qt/main_frame.h"
#include "qt/qt_surface.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

// A PDF's printable area: A4 less the margins a laser printer cannot reach.
constexpr double kPdfMarginMm = 5.0;

// Through the claim's host where there is one, so that the message goes where the claim's do.
void Tell(IDialogs& dialogs, QWidget* parent, const PrintSource& source, std::string_view caption,
          const std::string& text) {
    MessageRequest m;
    m.caption = std::string(caption);
    m.text = text;
    m.icon = MsgIcon::Exclamation;
    m.ownedByForm = true;
    if (source.doc && source.doc->Host()) {
        source.doc->Host()->ShowMessage(m);
        return;
    }
    dialogs.Message(parent, m);
}

// Printing with other faces would push the texts out of the form's boxes, so it stops here.
bool FacesPresent(IDialogs& dialogs, QWidget* parent, const PrintSource& source) {
    QStringList missing = MissingPrintFaces();
    if (missing.isEmpty()) {
        return true;
    }
    Tell(dialogs, parent, source, "Feil ved utskrift", MissingFacesText(missing));
    return false;
}

std::string PrinterFailedText(const QPrinter& printer, const std::string& reason) {
    std::string text;
    if (!printer.outputFileName().isEmpty()) {
        text = std::string("Utskriften til filen «"_cp) +
               PathFromQString(printer.outputFileName()) + std::string("» ble ikke fullført."_cp);
    } else {
        text = std::string("Utskriften på skriveren «"_cp) + FromQString(printer.printerName()) +
               std::string("» ble ikke fullført."_cp);
    }
    return text + "\n" + reason;
}

// The pages the print dialog asked for, with the copies the printer cannot make itself.
std::vector<int> ChosenPages(const QPrinter& printer, int count) {
    PageSelection selection;
    selection.pageCount = count;
    if (printer.printRange() == QPrinter::PageRange) {
        selection.fromPage = printer.fromPage();
        selection.toPage = printer.toPage();
    }
    selection.lastPageFirst = printer.pageOrder() == QPrinter::LastPageFirst;
    if (!printer.supportsMultipleCopies()) {
        selection.copies = printer.copyCount();
        selection.collate = printer.collateCopies();
    }
    return PrintOrder(selection);
}

// A PDF that Qt's printer wrote to a file gets the text layer of an exported one.
void MendPdfFile(const QString& name, RenderResult& result) {
    std::string path = PathFromQString(name);
    std::string pdf;
    if (!ReadWholeFile(path, pdf)) {
        return;
    }
    if (MapTabGlyphsToSpaces(std::span<char>(pdf.data(), pdf.size())) == 0) {
        return;
    }
    FileWriteResult written = WriteFileAtomically(path, pdf);
    if (!written.ok) {
        result.ok = false;
        result.error = written.error;
    }
}

// Prints the chosen pages and tells what went wrong.
void PrintChosenPages(IDialogs& dialogs, QWidget* parent, QPrinter& printer,
                      const PrintSource& source, int count) {
    std::vector<int> pages = ChosenPages(printer, count);
    if (pages.empty()) {
        return;
    }
    RenderResult result = RenderPages(printer, source, false, pages);
    if (result.ok && printer.printerState() == QPrinter::Error) {
        result.ok = false;
        result.error = "Skriveren meldte en feil.";
    }
    if (result.ok && printer.outputFormat() == QPrinter::PdfFormat &&
        !printer.outputFileName().isEmpty()) {
        MendPdfFile(printer.outputFileName(), result);
    }
    if (!result.ok && !result.error.empty()) {
        Tell(dialogs, parent, source, "Feil ved utskrift",
             PrinterFailedText(printer, result.error));
    }
}

// The printable area, known before the run begins: the remarks are measured for the page
// they print on.
PrintInfo PageInfo(QPagedPaintDevice& device) {
    PrintInfo info;
    QRect area = device.pageLayout().paintRectPixels(kMappingUnitsPerInch);
    info.printableWidth = area.width();
    info.printableHeight = area.height();
    return info;
}

}  // namespace

std::string MissingFacesText(const QStringList& faces) {
    return std::string("Skriftene reiseregningen skrives ut med, mangler på denne maskinen: "_cp) +
           FromQString(faces.join(QStringLiteral(", "))) +
           std::string(".\nInstaller pakken fonts-liberation2 og prøv igjen."_cp);
}

RenderResult RenderPages(QPagedPaintDevice& device, const PrintSource& source, bool preview,
                         std::span<const int> pages) {
    RenderResult result;
    QPainter painter;
    if (!source.doc || !painter.begin(&device)) {
        result.error = "Utskriften kunne ikke startes.";
        return result;
    }
    bool began = false;
    {
        CQtSurface dc(&painter, device, preview);
        CPrintJob job(*source.doc, source.writtenStandard, source.writtenDate);
        PrintInfo info = PageInfo(device);
        began = job.BeginPrinting(dc, info);
        if (began) {
            std::vector<int> all;
            if (pages.empty()) {
                for (int page = 1; page <= job.PageCount(); ++page) {
                    all.push_back(page);
                }
                pages = all;
            }
            for (int page : pages) {
                if (result.pages > 0 && !device.newPage()) {
                    result.error = "En ny side kunne ikke begynnes.";
                    break;
                }
                info.currentPage = page;
                job.PrintPage(dc, info);
                ++result.pages;
            }
            job.EndPrinting(dc, info);
        }
    }
    bool ended = painter.end();
    if (began && result.error.empty() && !ended) {
        result.error = "Utskriften kunne ikke fullføres.";
    }
    // A run that gave up has told the claim's host why.
    result.ok = began && result.error.empty();
    return result;
}

int CountPages(QPagedPaintDevice& device, const PrintSource& source) {
    if (!source.doc) {
        return 0;
    }
    CQtSurface dc(nullptr, device, false);
    CPrintJob job(*source.doc, source.writtenStandard, source.writtenDate);
    PrintInfo info = PageInfo(device);
    if (!job.BeginPrinting(dc, info)) {
        return 0;
    }
    job.EndPrinting(dc, info);
    return job.PageCount();
}

RenderResult RenderPdf(const PrintSource& source, QByteArray& pdf) {
    pdf.clear();
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Ferdix"));
    writer.setTitle(source.writtenStandard == kNynorsk ? QStringLiteral("Reiserekning")
                                                       : QStringLiteral("Reiseregning"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                    QPageLayout::Millimeter));
    RenderResult result = RenderPages(writer, source, false);
    MapTabGlyphsToSpaces(std::span<char>(pdf.data(), static_cast<std::size_t>(pdf.size())));
    return result;
}

RenderResult WritePdfFile(const std::string& path, const PrintSource& source) {
    QByteArray pdf;
    RenderResult result = RenderPdf(source, pdf);
    if (!result.ok) {
        return result;
    }
    FileWriteResult written = WriteFileAtomically(
        path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    if (!written.ok) {
        result.ok = false;
        result.error = written.error;
    }
    return result;
}

CPrintService::CPrintService(IDialogs& dialogs) : m_dialogs(dialogs) {}
CPrintService::~CPrintService() = default;

QPrinter& CPrintService::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

void CPrintService::Print(QWidget* parent, const PrintSource& source) {
    if (!FacesPresent(m_dialogs, parent, source)) {
        return;
    }
    QPrinter& printer = Printer();
    int count = CountPages(printer, source);
    if (count == 0) {
        return;
    }
    // The dialogs keep Qt's titles, which follow the written standard.
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, count);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    PrintChosenPages(m_dialogs, parent, printer, source, count);
}

void CPrintService::Preview(QWidget* parent, const PrintSource& source) {
    if (!FacesPresent(m_dialogs, parent, source)) {
        return;
    }
    QPrintPreviewDialog dialog(&Printer(), parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        // The preview records its pages through a picture engine; its print
        // button draws on the printer itself.
        QPaintEngine* engine = target->paintEngine();
        if (!engine || engine->type() != QPaintEngine::Picture) {
            PrintChosenPages(m_dialogs, &dialog, *target, source, CountPages(*target, source));
            return;
        }
        RenderResult result = RenderPages(*target, source, true);
        if (!result.ok && !result.error.empty()) {
            Tell(m_dialogs, &dialog, source, "Feil ved utskrift",
                 PrinterFailedText(*target, result.error));
        }
    });
    dialog.exec();
}

void CPrintService::PageSetup(QWidget* parent) {
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.exec();
}

bool CPrintService::ExportPdf(QWidget* parent, const PrintSource& source,
                              const FileDialogRequest& target) {
    if (!FacesPresent(m_dialogs, parent, source)) {
        return false;
    }
    std::optional<std::string> path = m_dialogs.FilePath(parent, target);
    if (!path) {
        return false;
    }
    RenderResult result = WritePdfFile(*path, source);
    if (!result.ok && !result.error.empty()) {
        Tell(m_dialogs, parent, source, "Feil ved eksport",
             "PDF-filen ble ikke lagret.\n" + result.error);
    }
    return result.ok;
}

void ConnectPrintService(CMainFrame& frame, CPrintService& service) {
    auto source = [&frame] { return PrintSourceOf(*frame.App().Document(), frame.Form()); };
    frame.SetPrintBackEnds({
        [&frame, &service, source] { service.Print(&frame, source()); },
        [&frame, &service, source] { service.Preview(&frame, source()); },
        [&frame, &service] { service.PageSetup(&frame); },
        [&frame, &service, source] {
            service.ExportPdf(&frame, source(),
                              PdfExportDialog(*frame.App().Document(), frame.App().Settings()));
        },
    });
}

}  // namespace ferdix
