// Placeholder declarations of the form template (the full table is built separately).
#pragma once

#include <span>
#include <string_view>

namespace ferdix {

enum class ControlKind {
    Edit,
    MultiLineEdit,
    Static,
    GroupBox,
    Radio,
    CheckBox,
    PushButton,
    DropDownList,
    EditableDropDown,
    ListView,
    HiddenEdit
};
struct DialogRect {
    int x, y, cx, cy;
};
struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;
    DialogRect rect;
    bool tabStop;
    bool readOnly;
    bool groupStart;
};
inline constexpr int kFormWidthDu = 403, kFormHeightDu = 1308;
std::span<const ControlTemplate> FormTemplate();
const ControlTemplate* FindControl(int id);

}  // namespace ferdix
