// Requests for a message box and a file dialog, as the library asks them of the platform.
// Every text is Windows-1252; paths in them are file-system strings.
#pragma once

#include <optional>
#include <string>

namespace ferdix {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Warning, Exclamation, Information, Question };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string caption;
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool ownedByForm = false;  // else a box without owner window
    bool foreground = false;   // brought to the foreground
    // The button that Enter presses; none: the platform's choice. A Yes/No box has no Escape
    // and no close box, so that only a deliberate answer ends it.
    std::optional<MsgAnswer> defaultButton;
};

// A file dialog of Open or Save As.
struct FileDialogRequest {
    bool save = false;
    std::string caption;        // empty: the platform's own "Open" or "Save As"
    std::string initialFolder;  // empty: the dialog's own default
    std::string fileName;       // suggested in the folder; empty: none
    std::string defaultExtension = "tur";
    std::string filter = "Reiseregninger (*.tur)|*.tur|Alle filer (*.*) | *.*||";
    bool overwritePrompt = true;
};

}  // namespace ferdix
