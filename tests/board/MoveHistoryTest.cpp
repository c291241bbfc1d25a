// SPDX-License-Identifier: GPL-3.0-or-later
// The history's steps: moves made in one go are taken back and made again together.
#include "board/MoveHistory.h"

#include <gtest/gtest.h>

namespace tilora {
namespace {

using Move = MoveHistory::Move;

// Three single moves around a 1-2-3 line: a, then the line b, c, d, then e.
MoveHistory Sample()
{
    MoveHistory history;
    history.Record({{0, 0}, {0, 1}});
    history.Record({{1, 0}, {1, 1}});
    history.Record({{1, 1}, {1, 2}}, true);
    history.Record({{1, 2}, {1, 3}}, true);
    history.Record({{2, 0}, {2, 1}});
    return history;
}

TEST(MoveHistoryStepTest, StepsAreTheMovesMadeInOneGo)
{
    MoveHistory history = Sample();
    struct Expected {
        std::size_t last;  // moves in LastStep before stepping back over it
        std::size_t next;  // moves in NextStep after it
    };
    // Back over e, the line, a; each step's length comes back forward too.
    for (const Expected e : {Expected{1, 1}, Expected{3, 3}, Expected{1, 1}}) {
        const std::vector<Move> last = history.LastStep();
        ASSERT_EQ(last.size(), e.last);
        for (std::size_t i = 0; i < last.size(); ++i)
            history.StepBack();
        EXPECT_EQ(history.NextStep(), last);
    }
    EXPECT_TRUE(history.LastStep().empty());
    EXPECT_EQ(history.NextStep().size(), 1u);
}

TEST(MoveHistoryStepTest, AStepKeepsItsMovesInTheOrderMade)
{
    const MoveHistory history = [] {
        MoveHistory h = Sample();
        h.StepBack();
        return h;
    }();
    const std::vector<Move> line{{{1, 0}, {1, 1}}, {{1, 1}, {1, 2}}, {{1, 2}, {1, 3}}};
    EXPECT_EQ(history.LastStep(), line);
}

TEST(MoveHistoryStepTest, NewMovesAfterUndoDropTheUndoneStepsWhole)
{
    MoveHistory history = Sample();
    for (int i = 0; i < 4; ++i)
        history.StepBack();  // e, then the line
    history.Record({{3, 0}, {3, 1}});
    history.Record({{3, 1}, {3, 2}});
    EXPECT_TRUE(history.NextStep().empty());
    // Each new move is a step of its own, where the dropped line's moves stood.
    EXPECT_EQ(history.LastStep().size(), 1u);
    history.StepBack();
    EXPECT_EQ(history.LastStep().size(), 1u);
    history.StepBack();
    EXPECT_EQ(history.LastStep().size(), 1u) << "the move before the dropped line";
}

}  // namespace
}  // namespace tilora
