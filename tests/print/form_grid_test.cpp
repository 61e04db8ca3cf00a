#include "print/form_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/recording_surface.h"

namespace ferdix {
namespace {

struct Placed {
    std::string text;
    int x;
    int y;
    TextAlign align = TextAlign::Left;
};

// Texts measure 15 units a character in the recorder's default font (height 30).
class GridPainterTest : public ::testing::Test {
  protected:
    GridPainterTest() {
        grid.colX[0] = 100;
        grid.colX[1] = 300;
        grid.colX[2] = 500;
        grid.rowY[0] = 0;
        grid.rowY[1] = 100;
        grid.rowY[2] = 200;
        grid.rowY[44] = 300;
        grid.rowY[45] = 400;
    }

    std::vector<Placed> Texts() const {
        std::vector<Placed> out;
        for (const test::RecordedOp* op : surface.Texts(0)) {
            out.push_back({op->text, op->x, op->y, op->align});
        }
        return out;
    }

    test::RecordingSurface surface;
    FormGrid grid;
    GridPainter p{surface, grid, 40};
};

struct TextCase {
    const char* name;
    std::function<void(GridPainter&)> draw;
    std::vector<Placed> expected;
};

TEST_F(GridPainterTest, TextPrimitivesPlaceEachLine) {
    constexpr TextAlign R = TextAlign::Right;
    const TextCase cases[] = {
        {"cell", [](GridPainter& g) { g.DrawCellText("ab", 1, 2); }, {{"ab", 303, 157}}},
        {"cell margin", [](GridPainter& g) { g.DrawCellText("ab", -1, 2); }, {{"ab", 3, 157}}},
        {"top", [](GridPainter& g) { g.DrawCellTextTop("ab", 1, 2); }, {{"ab", 303, 101}}},
        {"top margin", [](GridPainter& g) { g.DrawCellTextTop("ab", -1, 2); }, {{"ab", 3, 157}}},
        {"top row 45", [](GridPainter& g) { g.DrawCellTextTop("ab", 1, 45); }, {{"ab", 303, 337}}},
        {"right", [](GridPainter& g) { g.DrawCellTextRight("ab", 1, 2); }, {{"ab", 297, 157, R}}},
        {"centred",
         [](GridPainter& g) { g.DrawCellTextCentred("abcd", 0, 2, 1); },
         {{"abcd", 270, 57}}},
        {"lines",
         [](GridPainter& g) { g.DrawCellLines("a\nbb", 1, 2); },
         {{"a", 303, 101}, {"bb", 303, 126}}},
        {"lines margin",
         [](GridPainter& g) { g.DrawCellLines("a\nbb", -1, 1); },
         {{"a", 3, 101}, {"bb", 3, 126}}},
        {"tight",
         [](GridPainter& g) { g.DrawCellLinesTight("a\nbb", 1, 2); },
         {{"a", 303, 101}, {"bb", 303, 123}}},
        {"stacked",
         [](GridPainter& g) { g.DrawStackedWord("I\nnn", 1, 2); },
         {{"I", 323, 101}, {"nn", 315, 118}}},
        {"lines right",
         [](GridPainter& g) { g.DrawLinesRight("ab\nc", 1, 2); },
         {{"ab", 267, 101}, {"c", 282, 126}}},
        {"two lines",
         [](GridPainter& g) { g.DrawTwoLines("one\r\ntwo\r\nthree", 10, 20); },
         {{"one", 13, 21}, {"two", 13, 64}}},
        {"empty", [](GridPainter& g) { g.DrawCellText("", 1, 1); }, {}},
    };
    for (const TextCase& tc : cases) {
        SCOPED_TRACE(tc.name);
        surface.ops.clear();
        tc.draw(p);
        std::vector<Placed> got = Texts();
        ASSERT_EQ(got.size(), tc.expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, tc.expected[i].text);
            EXPECT_EQ(got[i].x, tc.expected[i].x) << got[i].text;
            EXPECT_EQ(got[i].y, tc.expected[i].y) << got[i].text;
            EXPECT_EQ(got[i].align, tc.expected[i].align) << got[i].text;
        }
        // Right alignment never outlives its text.
        EXPECT_EQ(surface.SetTextAlign(TextAlign::Left), TextAlign::Left);
    }
}

struct Segment {
    int x1, y1, x2, y2;
};

struct LineCase {
    const char* name;
    std::function<void(GridPainter&)> draw;
    std::vector<Segment> expected;
};

TEST_F(GridPainterTest, FramesBoxesArrowsAndTheMark) {
    const LineCase cases[] = {
        {"box",
         [](GridPainter& g) { g.DrawCheckBox(10, 20, false); },
         {{10, 20, 10, 60}, {10, 60, 50, 60}, {50, 60, 50, 20}, {50, 20, 10, 20}}},
        {"ticked box",
         [](GridPainter& g) { g.DrawCheckBox(10, 20, true); },
         {{10, 20, 10, 60},
          {10, 60, 50, 60},
          {50, 60, 50, 20},
          {50, 20, 10, 20},
          {10, 20, 50, 60},
          {10, 60, 50, 20}}},
        {"arrow down",
         [](GridPainter& g) { g.DrawArrow(5, 0, 5, 100); },
         {{5, 0, 5, 100}, {-10, 90, 5, 100}, {5, 100, 20, 90}}},
        {"arrow up",
         [](GridPainter& g) { g.DrawArrow(5, 100, 5, 0); },
         {{5, 100, 5, 0}, {-10, 10, 5, 0}, {5, 0, 20, 10}}},
        {"arrow right",
         [](GridPainter& g) { g.DrawArrow(0, 5, 100, 5); },
         {{0, 5, 100, 5}, {90, -10, 100, 5}, {100, 5, 90, 20}}},
        {"arrow left",
         [](GridPainter& g) { g.DrawArrow(100, 5, 0, 5); },
         {{100, 5, 0, 5}, {10, -10, 0, 5}, {0, 5, 10, 20}}},
        {"slanted arrow", [](GridPainter& g) { g.DrawArrow(0, 0, 10, 10); }, {}},
        {"empty arrow", [](GridPainter& g) { g.DrawArrow(7, 7, 7, 7); }, {}},
        {"mark",
         [](GridPainter& g) { g.DrawHeaderMark(false); },
         {{30, -30, 0, -12},
          {0, -12, 320, -12},
          {320, -12, 320, -15},
          {320, -15, 70, -15},
          {70, -15, 50, -21},
          {50, -21, 30, -30},
          {30, -30, 21, -36},
          {21, -36, 12, -40},
          {12, -40, 50, -60}}},
    };
    for (const LineCase& tc : cases) {
        SCOPED_TRACE(tc.name);
        surface.ops.clear();
        tc.draw(p);
        std::vector<const test::RecordedOp*> lines = surface.Lines(0);
        ASSERT_EQ(lines.size(), tc.expected.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Segment& e = tc.expected[i];
            EXPECT_TRUE(lines[i]->x == e.x1 && lines[i]->y == e.y1 && lines[i]->x2 == e.x2 &&
                        lines[i]->y2 == e.y2)
                << "segment " << i;
        }
    }

    surface.ops.clear();
    surface.preview = true;
    p.DrawHeaderMark(surface.IsPreview());
    ASSERT_EQ(surface.ops.size(), 1u);
    EXPECT_EQ(surface.ops[0].kind, test::OpKind::Picture);
    EXPECT_EQ((PageRect{surface.ops[0].x, surface.ops[0].y, surface.ops[0].x2, surface.ops[0].y2}),
              (PageRect{0, -50, 320, 0}));
}

// A value in its cell: as it is when it fits, else smaller (resting where it rested), else on
// two lines, else cut with "..." at the smallest size. The value font measures 20 units a
// character at its full 40.
struct FitCase {
    const char* name;
    std::string text;
    Cell cell;
    int x;
    Anchor anchor;
    struct Out {
        std::string text;
        int left;  // the text's left edge
        int y;
        int height;
        bool clipped = false;
    };
    std::vector<Out> expected;
    bool smallerFonts = true;
};

TEST(GridPainterFit, ValuesShrinkThenBreakThenAreCut) {
    const Cell kTall{100, 0, 300, 100};    // room for two lines of 40
    const Cell kShort{100, 60, 300, 100};  // room for one line only
    const std::string word(30, 'a');
    const FitCase cases[] = {
        {"fits", "abcdefghi", kTall, 103, Anchor::Left, {{"abcdefghi", 103, 57, 40}}},
        // 12 characters are 240 units, 194 fit: 32 units high they are 192.
        {"smaller", "abcdefghijkl", kTall, 103, Anchor::Left, {{"abcdefghijkl", 103, 65, 32}}},
        {"smaller right",
         "123456789012",
         kTall,
         297,
         Anchor::Right,
         {{"123456789012", 297 - 192, 65, 32}}},
        {"smaller centred",
         "abcdefghijkl",
         kTall,
         200,
         Anchor::Centre,
         {{"abcdefghijkl", 200 - 96, 65, 32}}},
        // Too wide at 22 units (the smallest): broken at the space that fits, both lines at
        // the largest size at which both fit.
        {"two lines",
         "aaaa bbbb cccc dddd",
         kTall,
         103,
         Anchor::Left,
         {{"aaaa bbbb", 103, 17, 40}, {"cccc dddd", 103, 57, 40}}},
        {"two lines in a word",
         word,
         kTall,
         103,
         Anchor::Left,
         {{std::string(15, 'a'), 103, 47, 25}, {std::string(15, 'a'), 103, 72, 25}}},
        // No room for two lines: cut at the smallest size, ending with the ellipsis.
        {"cut",
         word,
         kShort,
         103,
         Anchor::Left,
         {{std::string(16, 'a') + "\x85", 103, 75, 22, true}}},
        {"cut right",
         word,
         kShort,
         297,
         Anchor::Right,
         {{std::string(16, 'a') + "\x85", 297 - 187, 75, 22, true}}},
        // Without smaller fonts the value is cut at its own size.
        {"no smaller font",
         "abcdefghijkl",
         kShort,
         103,
         Anchor::Left,
         {{"abcdefgh\x85", 103, 57, 40, true}},
         false},
    };
    for (const FitCase& tc : cases) {
        SCOPED_TRACE(tc.name);
        test::RecordingSurface surface;
        FontSpec value{"", 40};
        surface.fontStatus = [&tc, &value](const FontSpec& wanted) {
            return tc.smallerFonts || wanted == value ? FontStatus::Made : FontStatus::NotMade;
        };
        FormGrid grid;
        FontId font = surface.MakeFont(value).font;
        {
            GridPainter p(surface, grid, 40);
            surface.SelectFont(font);
            p.SetValueFont(ValueFont{font, value});
            p.FitText(tc.text, tc.cell, tc.x, 57, tc.anchor);
            surface.SelectFont(kDefaultFont);
        }
        std::vector<const test::RecordedOp*> texts = surface.Texts(0);
        ASSERT_EQ(texts.size(), tc.expected.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const FitCase::Out& e = tc.expected[i];
            EXPECT_EQ(texts[i]->text, e.text) << i;
            EXPECT_EQ(texts[i]->left, e.left) << i;
            EXPECT_EQ(texts[i]->y, e.y) << i;
            EXPECT_EQ(texts[i]->font.height, e.height) << i;
            EXPECT_EQ(texts[i]->clipped, e.clipped) << i;
            if (e.clipped) {
                EXPECT_EQ(texts[i]->clip,
                          (PageRect{tc.cell.left, tc.cell.top, tc.cell.right, tc.cell.bottom}));
            }
        }
        // The smaller fonts go with the page; the value font stays.
        EXPECT_EQ(surface.LiveFonts(), 1u);
        EXPECT_EQ(surface.misuses, 0);
    }
}

}  // namespace
}  // namespace ferdix
