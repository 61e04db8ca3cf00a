// The modal dialogs the program asks of the desktop: message boxes, file dialogs and the
// kilometres-so-far question. Behind one interface so that tests can answer them.
#pragma once

#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>

#include "base/messages.h"

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
    virtual std::optional<std::uint32_t> KmSoFar(QWidget* owner, std::uint32_t current) = 0;
};

class CQtDialogs final : public IDialogs {
  public:
    MsgAnswer Message(QWidget* owner, const MessageRequest& request) override;
    std::optional<std::string> FilePath(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<std::uint32_t> KmSoFar(QWidget* owner, std::uint32_t current) override;
};

// The Qt name filters of a file-dialog filter in the platform's "name|pattern|...||" form.
QStringList NameFilters(const std::string& filter);

}  // namespace ferdix
