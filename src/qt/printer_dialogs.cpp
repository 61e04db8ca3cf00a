#include "qt/printer_dialogs.h"

#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "print/pdf_text_map.h"
#include "print/print_job.h"
#include "qt/dialogs.h"
#include "qt/print_service.h"
#include "qt/qt_text.h"

namespace ferdix {

namespace {

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
        TellPrintProblem(dialogs, parent, source, "Feil ved utskrift",
                         PrinterFailedText(printer, result.error));
    }
}

class CPrinterDialogs final : public IPrinterDialogs {
  public:
    explicit CPrinterDialogs(IDialogs& dialogs) : m_dialogs(dialogs) {}

    void Print(QWidget* parent, const PrintSource& source) override {
        int count = CountPages(m_printer, source);
        if (count == 0) {
            return;
        }
        // The dialogs keep Qt's titles, which follow the written standard.
        QPrintDialog dialog(&m_printer, parent);
        dialog.setMinMax(1, count);
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                          QAbstractPrintDialog::PrintCollateCopies |
                          QAbstractPrintDialog::PrintShowPageSize);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
        PrintChosenPages(m_dialogs, parent, m_printer, source, count);
    }

    void Preview(QWidget* parent, const PrintSource& source) override {
        QPrintPreviewDialog dialog(&m_printer, parent);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter* target) {
                             // The preview records its pages through a picture engine; its print
                             // button draws on the printer itself.
                             QPaintEngine* engine = target->paintEngine();
                             if (!engine || engine->type() != QPaintEngine::Picture) {
                                 PrintChosenPages(m_dialogs, &dialog, *target, source,
                                                  CountPages(*target, source));
                                 return;
                             }
                             RenderResult result = RenderPages(*target, source, true);
                             if (!result.ok && !result.error.empty()) {
                                 TellPrintProblem(m_dialogs, &dialog, source, "Feil ved utskrift",
                                                  PrinterFailedText(*target, result.error));
                             }
                         });
        dialog.exec();
    }

    void PageSetup(QWidget* parent) override {
        QPageSetupDialog dialog(&m_printer, parent);
        dialog.exec();
    }

    QPrinter& Printer() override { return m_printer; }

  private:
    IDialogs& m_dialogs;
    QPrinter m_printer{QPrinter::HighResolution};
};

}  // namespace

std::unique_ptr<IPrinterDialogs> MakePrinterDialogs(IDialogs& dialogs) {
    return std::make_unique<CPrinterDialogs>(dialogs);
}

}  // namespace ferdix
