#include "form/accessible_names.h"

#include <algorithm>
#include <string_view>

#include "form/control_ids.h"
#include "form/label_table.h"

namespace ferdix {

namespace {

bool IsInput(ControlKind k) {
    return k == ControlKind::Edit || k == ControlKind::MultiLineEdit ||
           k == ControlKind::EditableDropDown || k == ControlKind::DropDownList ||
           k == ControlKind::ListView || k == ControlKind::HiddenEdit;
}

bool IsButton(ControlKind k) {
    return k == ControlKind::PushButton || k == ControlKind::Radio || k == ControlKind::CheckBox;
}

bool SameRow(const DialogRect& a, const DialogRect& b) {
    return a.y < b.Bottom() && b.y < a.Bottom();
}

bool SameColumn(const DialogRect& a, const DialogRect& b) {
    return a.x < b.Right() && b.x < a.Right();
}

bool HasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               static_cast<unsigned char>(c) >= 0xC0;
    });
}

// The allowance grid: fields outside every frame, between the column heads and the notes.
struct Grid {
    int headY = 0;
    int bottom = 0;
    int countX = 0;
    int blockX = 0;
};

Grid GridOf() {
    Grid g;
    const ControlTemplate* head = FindControl(kIdCountHead);
    const ControlTemplate* block = FindControl(kIdDayBlockLabel);
    const ControlTemplate* notes = FindControl(kIdRemarksBox);
    if (head && block && notes) {
        g.headY = head->rect.y;
        g.countX = head->rect.x;
        g.blockX = block->rect.x;
        g.bottom = notes->rect.y;
    }
    return g;
}

bool InGrid(const ControlTemplate& c, const Grid& g) {
    return c.groupBox == 0 && c.kind != ControlKind::GroupBox && c.rect.y > g.headY &&
           c.rect.y < g.bottom;
}

bool IsBlockLabel(const ControlTemplate& c, const Grid& g) {
    return c.kind == ControlKind::Static && InGrid(c, g) && c.rect.x <= g.blockX;
}

// Controls of the field's frame in the field's row and left of it, nearest first.
std::vector<const ControlTemplate*> LeftOf(std::span<const ControlTemplate> form,
                                           const ControlTemplate& field, const Grid& g) {
    std::vector<const ControlTemplate*> row;
    for (const ControlTemplate& c : form) {
        if (&c == &field || c.groupBox != field.groupBox || c.kind == ControlKind::GroupBox ||
            !SameRow(c.rect, field.rect) || c.rect.Right() > field.rect.x + 1 ||
            IsBlockLabel(c, g)) {
            continue;
        }
        row.push_back(&c);
    }
    std::sort(row.begin(), row.end(), [](const ControlTemplate* a, const ControlTemplate* b) {
        return a->rect.x > b->rect.x;
    });
    return row;
}

// A label that says only when or where; its row's title says whose.
bool NeedsRowTitle(std::string_view text) {
    return text == "Kl." || text == "Sted";
}

const ControlTemplate* BlockOf(std::span<const ControlTemplate> form, const ControlTemplate& field,
                               const Grid& g) {
    const ControlTemplate* block = nullptr;
    for (const ControlTemplate& c : form) {
        if (IsBlockLabel(c, g) && c.rect.y <= field.rect.y + 2) {
            block = &c;
        }
    }
    return block;
}

const ControlTemplate* HeadOf(std::span<const ControlTemplate> form, const ControlTemplate& field,
                              const Grid& g) {
    for (const ControlTemplate& c : form) {
        if (c.kind == ControlKind::Static && c.groupBox == 0 && c.rect.y == g.headY &&
            SameColumn(c.rect, field.rect)) {
            return &c;
        }
    }
    return nullptr;
}

const ControlTemplate* LabelAbove(std::span<const ControlTemplate> form,
                                  const ControlTemplate& field) {
    const ControlTemplate* best = nullptr;
    for (const ControlTemplate& c : form) {
        if (c.kind == ControlKind::Static && c.groupBox == field.groupBox &&
            SameColumn(c.rect, field.rect) && c.rect.Bottom() <= field.rect.y + 1 &&
            field.rect.y - c.rect.Bottom() <= 4 && (!best || c.rect.y > best->rect.y)) {
            best = &c;
        }
    }
    return best;
}

// The title a choice of a radio group is read with: its frame's, or in the allowance grid its
// block's.
const ControlTemplate* RadioGroupTitle(std::span<const ControlTemplate> form,
                                       const ControlTemplate& radio, const Grid& g) {
    if (radio.groupBox != 0) {
        return FindControl(radio.groupBox);
    }
    return InGrid(radio, g) ? BlockOf(form, radio, g) : nullptr;
}

}  // namespace

std::vector<const ControlTemplate*> NamingControls(int id) {
    const ControlTemplate* field = FindControl(id);
    if (!field || !(IsInput(field->kind) || IsButton(field->kind))) {
        return {};
    }
    std::span<const ControlTemplate> form = FormTemplate();
    Grid g = GridOf();
    std::vector<const ControlTemplate*> parts;
    const ControlTemplate* frame = field->groupBox != 0 ? FindControl(field->groupBox) : nullptr;

    if (IsButton(field->kind) && HasLetter(field->text)) {
        // A choice is read with its group ("Regningen gjelder, Annet"): the same choice is in
        // more than one group, and the group is what it answers.
        if (field->kind == ControlKind::Radio) {
            if (const ControlTemplate* title = RadioGroupTitle(form, *field, g)) {
                parts.push_back(title);
            }
        }
        parts.push_back(field);
        return parts;
    }
    bool inGrid = InGrid(*field, g);
    if (inGrid) {
        if (const ControlTemplate* block = BlockOf(form, *field, g)) {
            parts.push_back(block);
        }
    }

    // The run of labels nearest to the left, up to the next control that is no label.
    std::vector<const ControlTemplate*> left = field->kind == ControlKind::ListView
                                                   ? std::vector<const ControlTemplate*>{}
                                                   : LeftOf(form, *field, g);
    auto nearest = std::find_if(left.begin(), left.end(), [](const ControlTemplate* c) {
        return c->kind == ControlKind::Static;
    });
    bool adjacent = nearest == left.begin();
    std::vector<const ControlTemplate*> run;
    // Labels a few units apart read as one; a field that spans two rows has neither's label.
    bool spansRows = nearest != left.end() && std::next(nearest) != left.end() &&
                     (*std::next(nearest))->rect.Right() == (*nearest)->rect.Right();
    for (auto it = nearest; it != left.end() && !spansRows; ++it) {
        if ((*it)->kind != ControlKind::Static ||
            (!run.empty() && (run.front()->rect.x < (*it)->rect.Right() ||
                              run.front()->rect.x - (*it)->rect.Right() > 4))) {
            break;
        }
        run.insert(run.begin(), *it);
    }
    if (run.size() == 1 && NeedsRowTitle(run.front()->text)) {
        // The row's title: its leftmost label.
        auto title = std::find_if(left.rbegin(), left.rend(), [](const ControlTemplate* c) {
            return c->kind == ControlKind::Static;
        });
        if (*title != run.front()) {
            run.insert(run.begin(), *title);
        }
    }
    if (run.empty() && field->kind != ControlKind::ListView && !spansRows) {
        if (const ControlTemplate* above = LabelAbove(form, *field)) {
            run.push_back(above);
        } else if (frame && !left.empty() && IsButton(left.front()->kind)) {
            // The text field of a choice ("Annet: ...") is named by the choice.
            run.push_back(frame);
            run.push_back(left.front());
        }
    }
    if (run.empty() && parts.empty() && frame) {
        run.push_back(frame);
    }
    parts.insert(parts.end(), run.begin(), run.end());

    if (inGrid && (!adjacent || spansRows || field->rect.x >= g.countX)) {
        if (const ControlTemplate* head = HeadOf(form, *field, g)) {
            parts.push_back(head);
        }
    }
    if (IsButton(field->kind)) {
        parts.push_back(field);
    }
    return parts;
}

std::string JoinNameParts(std::span<const std::string> parts) {
    std::string name;
    for (const std::string& part : parts) {
        std::string text;
        for (std::size_t i = 0; i < part.size(); ++i) {
            char c = part[i];
            if (c == '\r') {
                continue;
            }
            if (c != '\n') {
                text += c;
                continue;
            }
            if (!text.empty() && text.back() == '-') {
                text.pop_back();
            } else if (!text.empty() && text.back() != '/' && text.back() != ' ') {
                text += ' ';
            }
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        if (text.empty()) {
            continue;
        }
        if (!name.empty()) {
            name += ", ";
        }
        name += text;
    }
    return name;
}

std::string LabelTextInForce(const ControlTemplate& label, int standard) {
    std::string text(label.text);
    if (label.id == kNoControlId) {
        return text;
    }
    for (const RelabelStep& step : RelabelOrder()) {
        if (step.id == label.id) {
            text = step.Text(standard);
        }
    }
    return text;
}

std::string AccessibleName(int id, int standard) {
    std::vector<std::string> texts;
    for (const ControlTemplate* c : NamingControls(id)) {
        texts.push_back(LabelTextInForce(*c, standard));
    }
    return JoinNameParts(texts);
}

}  // namespace ferdix
