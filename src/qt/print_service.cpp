#include "qt/print_service.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/written_standard.h"
#include "print/pdf_text_map.h"
#include "print/print_job.h"
#include "qt/dialogs.h"
#include "qt/form_widget.h"
#include "qt/main_frame.h"
#include "qt/printer_dialogs.h"
#include "qt/qt_surface.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

// A PDF's printable area: A4 less the margins a laser printer cannot reach.
constexpr double kPdfMarginMm = 5.0;

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

void TellPrintProblem(IDialogs& dialogs, QWidget* parent, const PrintSource& source,
                      std::string_view caption, const std::string& text) {
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

bool PrintFacesPresent(IDialogs& dialogs, QWidget* parent, const PrintSource& source) {
    QStringList missing = MissingPrintFaces();
    if (missing.isEmpty()) {
        return true;
    }
    TellPrintProblem(dialogs, parent, source, "Feil ved utskrift", MissingFacesText(missing));
    return false;
}

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

CPrintService::CPrintService(IDialogs& dialogs, PrinterDialogsFactory makeDialogs)
    : m_dialogs(dialogs), m_makeDialogs(std::move(makeDialogs)) {}
CPrintService::~CPrintService() = default;

IPrinterDialogs* CPrintService::Dialogs(QWidget* parent) {
    if (!m_printerDialogs && m_makeDialogs) {
        m_printerDialogs = m_makeDialogs(m_dialogs);
    }
    if (!m_printerDialogs && parent) {
        MessageRequest m;
        m.caption = "Feil ved utskrift";
        m.text = std::string(
            "Utskrift er ikke tilgjengelig: programdelen for utskrift "
            "(ferdix_print.so) kunne ikke lastes. Installer Ferdix på nytt."_cp);
        m.icon = MsgIcon::Exclamation;
        m_dialogs.Message(parent, m);
    }
    return m_printerDialogs.get();
}

QPrinter* CPrintService::Printer() {
    IPrinterDialogs* dialogs = Dialogs(nullptr);
    return dialogs ? &dialogs->Printer() : nullptr;
}

void CPrintService::Print(QWidget* parent, const PrintSource& source) {
    if (!PrintFacesPresent(m_dialogs, parent, source)) {
        return;
    }
    if (IPrinterDialogs* dialogs = Dialogs(parent)) {
        dialogs->Print(parent, source);
    }
}

void CPrintService::Preview(QWidget* parent, const PrintSource& source) {
    if (!PrintFacesPresent(m_dialogs, parent, source)) {
        return;
    }
    if (IPrinterDialogs* dialogs = Dialogs(parent)) {
        dialogs->Preview(parent, source);
    }
}

void CPrintService::PageSetup(QWidget* parent) {
    if (IPrinterDialogs* dialogs = Dialogs(parent)) {
        dialogs->PageSetup(parent);
    }
}

bool CPrintService::ExportPdf(QWidget* parent, const PrintSource& source,
                              const FileDialogRequest& target) {
    if (!PrintFacesPresent(m_dialogs, parent, source)) {
        return false;
    }
    std::optional<std::string> path = m_dialogs.FilePath(parent, target);
    if (!path) {
        return false;
    }
    RenderResult result = WritePdfFile(*path, source);
    if (!result.ok && !result.error.empty()) {
        TellPrintProblem(m_dialogs, parent, source, "Feil ved eksport",
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
