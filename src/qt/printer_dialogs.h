// The print dialog, the print preview and the page set-up, on Qt Print Support. The program
// keeps them in a module of their own (ferdix_print.so beside the desktop module), loaded
// when one of them is first asked for: the window starts without loading Print Support.
#pragma once

#include <memory>

#include "app/print_request.h"

class QPrinter;
class QWidget;

namespace ferdix {

class IDialogs;

class IPrinterDialogs {
  public:
    virtual ~IPrinterDialogs() = default;
    // The print dialog, then the chosen pages on the chosen printer.
    virtual void Print(QWidget* parent, const PrintSource& source) = 0;
    virtual void Preview(QWidget* parent, const PrintSource& source) = 0;
    // The page set-up of the printer that printing and the preview use for the rest of the run.
    virtual void PageSetup(QWidget* parent) = 0;
    virtual QPrinter& Printer() = 0;
};

// Messages go through the dialogs, or through the claim's host where it has one.
std::unique_ptr<IPrinterDialogs> MakePrinterDialogs(IDialogs& dialogs);

}  // namespace ferdix
