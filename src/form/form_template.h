// The form as data: every control of the claim form with its id, kind, initial text and
// rectangle, in creation order. The platform layer builds one widget per entry; the form logic
// addresses the same controls by id.
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
    DropDownList,      // pick only
    EditableDropDown,  // pick or type
    ListView,          // report view with columns
    HiddenEdit,        // exists and is bound, never shown
};

// Dialog units. Right() and Bottom() are one past the last unit.
struct DialogRect {
    int x, y, cx, cy;

    constexpr int Right() const { return x + cx; }
    constexpr int Bottom() const { return y + cy; }
    constexpr bool Contains(const DialogRect& r) const {
        return r.x >= x && r.y >= y && r.Right() <= Right() && r.Bottom() <= Bottom();
    }
    constexpr bool Intersects(const DialogRect& r) const {
        return r.x < Right() && x < r.Right() && r.y < Bottom() && y < r.Bottom();
    }
    friend constexpr bool operator==(const DialogRect&, const DialogRect&) = default;
};

inline constexpr int kNoControlId = -1;  // a static text without an id of its own

struct ControlTemplate {
    int id;  // kNoControlId for an unnamed static text
    ControlKind kind;
    std::string_view text;  // initial (resource) text, Windows-1252, bokmål; lines split by \n
    DialogRect rect;        // a drop-down's rect is its closed box; the toolkit sizes the list
    bool tabStop;
    bool readOnly;    // shown, never typed into (the computed allowance amounts)
    bool groupStart;  // first radio button of a group; the group runs over the radios after it
    int groupBox;     // id of the group box that frames the control, 0 when it stands on the form
};

inline constexpr int kFormWidthDu = 403;
inline constexpr int kFormHeightDu = 1308;
inline constexpr int kFormControlCount = 235;

// Every control in creation order, which is also the tab order.
std::span<const ControlTemplate> FormTemplate();

// nullptr when absent, and always for kNoControlId.
const ControlTemplate* FindControl(int id);

}  // namespace ferdix
