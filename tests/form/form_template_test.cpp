#include "form/form_template.h"
#include "form/control_ids.h"
#include "form/field_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "calc/allowance_table.h"

namespace ferdix {
namespace {

std::vector<const ControlTemplate*> ControlsOfKind(ControlKind kind) {
    std::vector<const ControlTemplate*> out;
    for (const ControlTemplate& c : FormTemplate()) {
        if (c.kind == kind) {
            out.push_back(&c);
        }
    }
    return out;
}

std::ptrdiff_t TabIndex(int id) {
    auto controls = FormTemplate();
    return std::find_if(controls.begin(), controls.end(),
                        [id](const ControlTemplate& c) { return c.id == id; }) -
           controls.begin();
}

TEST(FormTemplate, IdsAreUniqueAndFound) {
    std::set<int> seen;
    for (const ControlTemplate& c : FormTemplate()) {
        if (c.id == kNoControlId) {
            EXPECT_EQ(c.kind, ControlKind::Static) << "only labels go without an id";
            EXPECT_FALSE(c.text.empty());
            continue;
        }
        EXPECT_TRUE(seen.insert(c.id).second) << "duplicate id " << c.id;
        EXPECT_EQ(FindControl(c.id), &c);
    }
    EXPECT_EQ(FindControl(kNoControlId), nullptr);
    EXPECT_EQ(FindControl(1236), nullptr);  // a rates-dialog control, not on the form
    EXPECT_EQ(FindControl(0), nullptr);
}

TEST(FormTemplate, EveryKindHoldsExactlyItsControls) {
    const std::map<ControlKind, std::set<int>> expected = {
        {ControlKind::GroupBox, {1000, 1003, 1017, 1208, 1022, 1042, 1212, 1249, 1170}},
        {ControlKind::EditableDropDown, {1081, 1085, 1089, 1096, 1100, 1049, 1063, 1117}},
        {ControlKind::ListView, {1043, 1057}},
        {ControlKind::Radio, {1018, 1019, 1020, 1209, 1210, 1211, 1275, 1276}},
        {ControlKind::CheckBox, {1246}},
        {ControlKind::HiddenEdit, {1260}},
        {ControlKind::MultiLineEdit, {1023, 1171}},
        {ControlKind::PushButton, {1248, 1069, 1263, 1264, 1265}},
        {ControlKind::DropDownList, {}},
    };
    for (const auto& [kind, ids] : expected) {
        std::set<int> actual;
        for (const ControlTemplate* c : ControlsOfKind(kind)) {
            actual.insert(c->id);
        }
        EXPECT_EQ(actual, ids) << "kind " << static_cast<int>(kind);
    }
}

TEST(FormTemplate, BoundTextFieldsAreEdits) {
    // Traveller, trip, entry rows of both lists, deductions, advance and accounting fields.
    const int edits[] = {1004, 1011, 1012, 1014, 1016, 1032, 1033, 1038, 1035, 1013, 1015,
                         1037, 1039, 1219, 1021, 1024, 1030, 1026, 1028, 1044, 1045, 1046,
                         1047, 1048, 1054, 1050, 1051, 1052, 1058, 1060, 1064, 1065, 1066,
                         1001, 1134, 1135, 1136, 1138, 1133, 1140, 1202, 1206, 1237, 1215};
    for (int id : edits) {
        const ControlTemplate* c = FindControl(id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->kind, ControlKind::Edit) << id;
        EXPECT_TRUE(c->tabStop) << id;
        EXPECT_FALSE(c->readOnly) << id;
    }
}

// Top y of each allowance line's row; line 26 has no row.
const std::map<int, int> kRowTop = {
    {0, 665},   {1, 684},   {2, 700},   {3, 716},   {4, 732},   {5, 748},   {6, 764},
    {7, 783},   {8, 800},   {9, 816},   {10, 832},  {11, 851},  {12, 865},  {13, 880},
    {14, 896},  {15, 914},  {16, 930},  {17, 946},  {18, 962},  {19, 978},  {20, 997},
    {21, 1013}, {22, 1032}, {23, 1051}, {24, 1067}, {25, 1083}, {28, 1101},
};

TEST(FormTemplate, AllowanceGridStandsWhereTheLinesSay) {
    for (const auto& [line, top] : kRowTop) {
        const AllowanceLineFields& info = AllowanceFields(line);
        SCOPED_TRACE(line);
        const struct {
            int id;
            int x;
        } columns[] = {{info.countField, 235}, {info.rateField, 276}, {info.amountField, 317}};
        for (const auto& col : columns) {
            if (col.id == 0) {
                continue;
            }
            const ControlTemplate* c = FindControl(col.id);
            ASSERT_NE(c, nullptr) << col.id;
            EXPECT_EQ(c->rect, (DialogRect{col.x, top, 30, 12})) << col.id;
            EXPECT_EQ(c->kind, ControlKind::Edit) << col.id;
        }
        if (info.amountField != 0) {
            const ControlTemplate* amount = FindControl(info.amountField);
            bool computed = line <= 22;
            EXPECT_EQ(amount->readOnly, computed);
            EXPECT_EQ(amount->tabStop, !computed);
        }
    }
    const ControlTemplate* hidden = FindControl(AllowanceFields(27).countField);
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->kind, ControlKind::HiddenEdit);
    EXPECT_EQ(hidden->rect, (DialogRect{235, 1092, 30, 12}));
    EXPECT_FALSE(hidden->tabStop);

    // The "?" buttons stand right of the deduction amounts.
    for (int line = 23, button = 1263; line <= 25; ++line, ++button) {
        const ControlTemplate* amount = FindControl(AllowanceFields(line).amountField);
        const ControlTemplate* help = FindControl(button);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->rect.y, amount->rect.y) << button;
        EXPECT_GE(help->rect.x, amount->rect.Right()) << button;
    }

    // Only the computed amounts are read-only.
    std::set<int> computedAmounts;
    for (int line = 0; line <= 22; ++line) {
        computedAmounts.insert(AllowanceFields(line).amountField);
    }
    for (const ControlTemplate& c : FormTemplate()) {
        EXPECT_EQ(c.readOnly, computedAmounts.count(c.id) == 1) << c.id;
    }
}

TEST(FormTemplate, FixedRectangles) {
    const struct {
        int id;
        DialogRect rect;
    } cases[] = {
        {1000, {7, 7, 396, 75}},     {1003, {7, 87, 396, 92}},   {1017, {7, 187, 186, 47}},
        {1208, {217, 187, 186, 47}}, {1022, {7, 239, 396, 48}},  {1042, {7, 293, 396, 163}},
        {1212, {7, 463, 396, 133}},  {1249, {7, 600, 396, 41}},  {1170, {7, 1123, 396, 135}},
        {1081, {138, 756, 85, 12}},  {1085, {138, 816, 85, 12}}, {1089, {138, 832, 85, 12}},
        {1096, {138, 880, 85, 12}},  {1100, {138, 896, 85, 12}}, {1133, {138, 1032, 85, 12}},
        {1140, {138, 1101, 85, 12}},
    };
    for (const auto& tc : cases) {
        const ControlTemplate* c = FindControl(tc.id);
        ASSERT_NE(c, nullptr) << tc.id;
        EXPECT_EQ(c->rect, tc.rect) << tc.id;
    }
}

TEST(FormTemplate, ControlsLieOnTheFormAndInTheirBoxes) {
    const DialogRect form{0, 0, kFormWidthDu, kFormHeightDu};
    const auto boxes = ControlsOfKind(ControlKind::GroupBox);
    for (const ControlTemplate& c : FormTemplate()) {
        SCOPED_TRACE(testing::Message() << c.id << " " << c.text);
        EXPECT_GT(c.rect.cx, 0);
        EXPECT_GT(c.rect.cy, 0);
        EXPECT_TRUE(form.Contains(c.rect));
        if (c.kind == ControlKind::GroupBox) {
            EXPECT_EQ(c.groupBox, 0);
            continue;
        }
        if (c.groupBox != 0) {
            const ControlTemplate* box = FindControl(c.groupBox);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->kind, ControlKind::GroupBox);
            EXPECT_TRUE(box->rect.Contains(c.rect));
            EXPECT_GE(c.rect.y, box->rect.y + 8) << "covers the caption of " << box->id;
        } else {
            for (const ControlTemplate* box : boxes) {
                EXPECT_FALSE(box->rect.Intersects(c.rect)) << "reaches into box " << box->id;
            }
        }
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            EXPECT_FALSE(boxes[i]->rect.Intersects(boxes[j]->rect))
                << boxes[i]->id << " and " << boxes[j]->id;
        }
    }
}

TEST(FormTemplate, NoTwoControlsOverlap) {
    auto controls = FormTemplate();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind == ControlKind::GroupBox) {
            continue;
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[j].kind == ControlKind::GroupBox) {
                continue;
            }
            EXPECT_FALSE(controls[i].rect.Intersects(controls[j].rect))
                << controls[i].id << " '" << controls[i].text << "' and " << controls[j].id << " '"
                << controls[j].text << "'";
        }
    }
}

TEST(FormTemplate, BoxContentsFollowTheirBox) {
    // The platform layer makes a box, then its contents; nothing else may come between.
    auto controls = FormTemplate();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].groupBox == 0) {
            continue;
        }
        ASSERT_GT(i, 0u);
        const ControlTemplate& previous = controls[i - 1];
        EXPECT_TRUE(previous.id == controls[i].groupBox ||
                    previous.groupBox == controls[i].groupBox)
            << controls[i].id;
    }
}

TEST(FormTemplate, TabOrderReadsLeftToRightTopToBottom) {
    // Within each box (and among the controls on the form itself) the next tab stop is either
    // on the same row further right, or on a lower row.
    std::map<int, std::vector<const ControlTemplate*>> stopsByBox;
    for (const ControlTemplate& c : FormTemplate()) {
        if (c.tabStop) {
            stopsByBox[c.groupBox].push_back(&c);
        }
    }
    for (const auto& [box, stops] : stopsByBox) {
        for (std::size_t i = 1; i < stops.size(); ++i) {
            const DialogRect& a = stops[i - 1]->rect;
            const DialogRect& b = stops[i]->rect;
            bool sameRow = b.y < a.Bottom() && a.y < b.Bottom();
            if (sameRow) {
                EXPECT_GT(b.x, a.x) << stops[i - 1]->id << " then " << stops[i]->id;
            } else {
                EXPECT_GE(b.y, a.Bottom()) << stops[i - 1]->id << " then " << stops[i]->id;
            }
        }
    }
    // Boxes follow each other down the form, the two side by side from left to right.
    std::vector<const ControlTemplate*> boxes = ControlsOfKind(ControlKind::GroupBox);
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        const DialogRect& a = boxes[i - 1]->rect;
        const DialogRect& b = boxes[i]->rect;
        EXPECT_TRUE(b.y > a.y || (b.y == a.y && b.x > a.x)) << boxes[i]->id;
    }
    // Entry fields come before their "Registrer" button, and the button before the list.
    EXPECT_LT(TabIndex(kIdTravelSum), TabIndex(kIdTravelRegister));
    EXPECT_LT(TabIndex(kIdTravelRegister), TabIndex(kIdTravelList));
    EXPECT_LT(TabIndex(kIdOutlaySum), TabIndex(kIdOutlayRegister));
    EXPECT_LT(TabIndex(kIdOutlayRegister), TabIndex(kIdOutlayList));
}

TEST(FormTemplate, RadioGroups) {
    std::vector<std::vector<int>> groups;
    for (const ControlTemplate& c : FormTemplate()) {
        if (c.groupStart) {
            EXPECT_EQ(c.kind, ControlKind::Radio) << c.id;
            EXPECT_TRUE(c.tabStop) << c.id;
            groups.push_back({c.id});
        } else if (c.kind == ControlKind::Radio) {
            ASSERT_FALSE(groups.empty());
            const ControlTemplate* previous = &c - 1;
            EXPECT_EQ(previous->kind, ControlKind::Radio) << c.id << " is cut off from its group";
            EXPECT_FALSE(c.tabStop) << c.id;
            groups.back().push_back(c.id);
        }
    }
    const std::vector<std::vector<int>> expected = {
        {1018, 1019, 1020}, {1209, 1210, 1211}, {1275, 1276}};
    EXPECT_EQ(groups, expected);
}

}  // namespace
}  // namespace ferdix
