// Hints in play: the steps of the presses on one position, the counting, every move forgetting
// the hint, and the marks it leaves on the field.
#include <gtest/gtest.h>

#include <functional>

#include "model/history.h"
#include "render/hint_marks.h"
#include "test_support.h"

namespace {

PositionHint DeadX() {
    PositionHint hint;
    hint.kind = HintKind::Dead;
    hint.culprits = {11};
    return hint;
}
const PositionHint kDeadX = DeadX();

TEST(Hints, PressesStepOnAndAreCountedOncePerPosition) {
    Hints hints;
    EXPECT_EQ(PressHint(hints), HintPress::Ask);
    EXPECT_EQ(PressHint(hints), HintPress::Wait) << "asked already";
    EXPECT_FALSE(TakeHint(hints, hints.move + 1, kDeadX)) << "worked out for another position";
    EXPECT_FALSE(ShownHintText(hints));
    ASSERT_TRUE(TakeHint(hints, hints.move, kDeadX));
    EXPECT_FALSE(TakeHint(hints, hints.move, kDeadX)) << "taken already";
    EXPECT_EQ(ShownHintText(hints), "The field cannot be finished with the X where it lies.");
    EXPECT_EQ(PressHint(hints), HintPress::Show);
    EXPECT_EQ(hints.used, 1);

    ForgetHint(hints);
    EXPECT_FALSE(ShownHintText(hints));
    EXPECT_FALSE(TakeHint(hints, hints.move, kDeadX)) << "not asked for on this position";
    EXPECT_EQ(PressHint(hints), HintPress::Ask);
    const PositionHint live{HintKind::Live, {}, {3, 4}, {2, 3, BaseShapes()[12]}, 60};
    ASSERT_TRUE(TakeHint(hints, hints.move, live));
    EXPECT_EQ(ShownHintText(hints), "This square is the hardest to cover.");
    PressHint(hints);
    PressHint(hints);
    EXPECT_EQ(ShownHintText(hints), "The N fits here.");
    EXPECT_EQ(hints.used, 2);
    EXPECT_EQ(HintsUsedText(1), "with 1 hint");
    EXPECT_EQ(HintsUsedText(2), "with 2 hints");
}

TEST(Hints, EveryMoveForgetsTheHintAndANewGameTheCount) {
    GameState gs = ReadyState();
    Lay(gs, BaseShapes()[1], -2, 0);
    ComposeBoard(gs, Point{});
    const auto asked = [&gs] {
        gs.hints.presses = 1;
        gs.hints.hint = kDeadX;
        gs.hints.used = 1;
        return gs.hints.move;
    };
    const std::pair<const char*, std::function<void()>> moves[] = {
        {"a drop", [&] { Lay(gs, BaseShapes()[2], 2, 0); }},
        {"a figure taken back",
         [&] {
             TakeBackFigure(gs, {FieldArea(gs).left + 1, FieldArea(gs).top + 1});
         }},
        {"undo", [&] { Undo(gs); }},
        {"redo", [&] { Redo(gs); }},
    };
    for (const auto& [what, move] : moves) {
        const uint32_t before = asked();
        move();
        EXPECT_EQ(std::tuple(gs.hints.presses, gs.hints.hint.has_value(), gs.hints.used),
                  std::tuple(0, false, 1))
            << what;
        EXPECT_NE(gs.hints.move, before) << what;
        ComposeBoard(gs, Point{});
    }
    NewGameReset(gs);
    EXPECT_EQ(gs.hints.used, 0);
}

// Which cells a plan marks, as rows: a cell is marked when a stroke lies inside it.
Rows MarkedCells(const std::vector<MarkStroke>& strokes, uint32_t colour, int s) {
    Rows rows(6, std::string(10, '.'));
    for (const MarkStroke& m : strokes) {
        EXPECT_TRUE(m.rect.Width() > 0 && m.rect.Height() > 0);
        const int c = m.rect.left / s, r = m.rect.top / s;
        EXPECT_EQ(std::pair((m.rect.right - 1) / s, (m.rect.bottom - 1) / s), std::pair(c, r))
            << "a stroke leaves its cell";
        if (m.colour == colour) rows[r][c] = '#';
    }
    return rows;
}

TEST(HintMarks, CulpritsOutlinedThenTheHardestCellAndTheGhost) {
    GameState gs = ReadyState();
    Lay(gs, BaseShapes()[11], -1, -1); // the X around cell (1, 1)
    Lay(gs, BaseShapes()[1], 5, 0);    // an I down column 7
    gs.hints.presses = 1;
    gs.hints.hint = kDeadX;
    const int s = 40;
    std::vector<MarkStroke> marks = PlanHintMarks(gs, {0, 0}, s);
    EXPECT_EQ(
        MarkedCells(marks, kWarningMarkColour, s),
        (Rows{".#........", "#.#.......", ".#........", "..........", "..........", ".........."}));
    EXPECT_EQ(marks.size(), 12u) << "the X's outline has twelve sides";

    PositionHint live{HintKind::Live, {}, {8, 5}, {6, 1, BaseShapes()[1]}, 0}; // I in column 8
    gs.hints.hint = live;
    marks = PlanHintMarks(gs, {0, 0}, s);
    EXPECT_EQ(marks.size(), 4u) << "the first press frames the hardest cell";
    EXPECT_EQ(MarkedCells(marks, kTeachingMarkColour, s)[5], "........#.");
    gs.hints.presses = 2;
    marks = PlanHintMarks(gs, {0, 0}, s);
    EXPECT_EQ(
        MarkedCells(marks, kTeachingMarkColour, s),
        (Rows{"..........", "........#.", "........#.", "........#.", "........#.", "........#."}));
    EXPECT_EQ(marks.size(), 4u + 12u);
    ForgetHint(gs.hints);
    EXPECT_TRUE(PlanHintMarks(gs, {0, 0}, s).empty());
}

} // namespace
