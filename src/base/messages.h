// Requests for a message box and a file dialog, as the library asks them of the platform.
// Every text is Windows-1252; paths in them are file-system strings.
#pragma once

#include <string>

namespace ferdix {

enum class MsgButtons { Ok, OkCancel, YesNoCancel };
enum class MsgIcon { None, Warning, Exclamation, Information, Question };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string caption;
    std::string text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool ownedByForm = false;  // else a box without owner window
    bool foreground = false;   // brought to the foreground
};

// A file dialog of Open or Save As.
struct FileDialogRequest {
    bool save = false;
    std::string initialFolder;  // empty: the dialog's own default
    std::string defaultExtension = "tur";
    std::string filter = "Reiseregninger (*.tur)|*.tur|Alle filer (*.*) | *.*||";
    bool hideReadOnly = true;
    bool overwritePrompt = true;
};

}  // namespace ferdix
