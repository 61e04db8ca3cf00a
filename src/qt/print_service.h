// Printing, the print preview, the page set-up and the PDF export of the claim's printed form,
// for the main window. Every failure is told in a message box, through the claim's host.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "app/print_request.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace ferdix {

class CMainFrame;
class IDialogs;
class IPrinterDialogs;

struct RenderResult {
    bool ok = false;
    int pages = 0;
    // Why it failed (Windows-1252); empty when the print run has told the claim's host itself.
    std::string error;
};

// The message that the faces the form is printed with are missing (Windows-1252).
std::string MissingFacesText(const QStringList& faces);
// A message of printing or exporting, through the claim's host where there is one, so that it
// goes where the claim's messages do.
void TellPrintProblem(IDialogs& dialogs, QWidget* parent, const PrintSource& source,
                      std::string_view caption, const std::string& text);
// Printing with other faces would push the texts out of the form's boxes: false, and told.
bool PrintFacesPresent(IDialogs& dialogs, QWidget* parent, const PrintSource& source);

// Draws the printed pages of the claim on a paged device (a printer, the preview's printer, a
// PDF writer): all of them, or those listed, in that order.
RenderResult RenderPages(QPagedPaintDevice& device, const PrintSource& source, bool preview,
                         std::span<const int> pages = {});
// The number of printed pages of the claim on the device; 0 when the run gave up.
int CountPages(QPagedPaintDevice& device, const PrintSource& source);
// The printed form as an A4 PDF.
RenderResult RenderPdf(const PrintSource& source, QByteArray& pdf);
// The PDF is written beside the target and renamed over it once complete, so a failure leaves
// an existing file as it was.
RenderResult WritePdfFile(const std::string& path, const PrintSource& source);

// Makes the print dialogs when printing, the preview or the page set-up is first asked for;
// null when they cannot be had (the module missing).
using PrinterDialogsFactory = std::function<std::unique_ptr<IPrinterDialogs>(IDialogs&)>;

// Its file dialog and the messages of a claim without a host go through the dialogs.
class CPrintService {
  public:
    CPrintService(IDialogs& dialogs, PrinterDialogsFactory makeDialogs);
    ~CPrintService();
    CPrintService(const CPrintService&) = delete;
    CPrintService& operator=(const CPrintService&) = delete;

    // The print dialog, then the chosen pages on the chosen printer.
    void Print(QWidget* parent, const PrintSource& source);
    void Preview(QWidget* parent, const PrintSource& source);
    // The page set-up of the printer that printing and the preview use for the rest of the run.
    void PageSetup(QWidget* parent);
    // A file dialog, then the PDF. False when cancelled or not written.
    bool ExportPdf(QWidget* parent, const PrintSource& source, const FileDialogRequest& target);

    // Null when the print dialogs cannot be had.
    QPrinter* Printer();

  private:
    // Made on first use; null, and told to the user when there is a parent, when they
    // cannot be had.
    IPrinterDialogs* Dialogs(QWidget* parent);

    IDialogs& m_dialogs;
    PrinterDialogsFactory m_makeDialogs;
    std::unique_ptr<IPrinterDialogs> m_printerDialogs;
};

// Printing, the preview, the printer set-up and the PDF export of the main window go to the
// service, with the claim, the written standard and the form's written-date field as they are
// when the command runs. The service must outlive the window.
void ConnectPrintService(CMainFrame& frame, CPrintService& service);

}  // namespace ferdix
