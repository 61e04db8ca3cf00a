// The modal dialogs the program asks of the desktop: message boxes, file dialogs and running a
// dialog window. Behind one interface so that tests can answer them.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "claim/messages.h"

class QDialog;
class QWidget;

namespace ferdix {

class IDialogs {
  public:
    virtual ~IDialogs() = default;
    // `owner` is the window that owns the box, or null for a box without owner.
    virtual MsgAnswer Message(QWidget* owner, const MessageRequest& request) = 0;
    // A full file-system path, or nothing on Cancel.
    virtual std::optional<std::string> FilePath(QWidget* owner,
                                                const FileDialogRequest& request) = 0;
    // Runs the dialog modally; its result (QDialog::Accepted or Rejected).
    virtual int Exec(QDialog& dialog) = 0;
};

class CQtDialogs final : public IDialogs {
  public:
    MsgAnswer Message(QWidget* owner, const MessageRequest& request) override;
    std::optional<std::string> FilePath(QWidget* owner, const FileDialogRequest& request) override;
    int Exec(QDialog& dialog) override;
};

// The Qt name filters of a file-dialog filter in the platform's "name|pattern|...||" form.
QStringList NameFilters(const std::string& filter);

}  // namespace ferdix
