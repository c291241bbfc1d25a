// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's worker through its own seam: a search that answers at once or waits at a
// gate, and a window played by the test, which makes or declines each move offered.
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/hint/Hinter.h"

namespace tilora::test {
namespace {

// Two moves from solved: 11 slides left, then 12 slides up.
Board TwoFromSolved()
{
    Board board;
    board.SetCell(2, 2, 16);
    board.SetCell(2, 3, 11);
    board.SetCell(3, 3, 12);
    return board;
}

const std::vector<CellPos> kSolution{{2, 3}, {3, 3}};

class HinterTest : public ::testing::Test {
protected:
    struct Offer {
        Board board;
        CellPos cell;
    };
    void SetUp() override
    {
        QObject::connect(&hinter, &Hinter::moveFound, [this](const Board& board, CellPos cell) {
            offers.push_back({board, cell});
        });
    }
    // The window made the last move offered.
    Board Follow()
    {
        Board after = offers.back().board;
        after.Slide(offers.back().cell, *after.BlankNeighbour(offers.back().cell));
        hinter.Followed(after);
        return after;
    }
    void WaitForSearch() { ASSERT_TRUE(QTest::qWaitFor([this] { return !hinter.Searching(); }, 5000)); }

    std::atomic<bool> open{true};
    std::atomic<int> searches{0};
    std::atomic<bool> fail{false};
    // Off: the search finishes as if its result had come just as the stop was asked.
    std::atomic<bool> heedStop{true};
    Hinter hinter{[this](const Board&, std::stop_token stop) -> Hinter::Solution {
                      ++searches;
                      while (!open && !(heedStop && stop.stop_requested()))
                          std::this_thread::sleep_for(std::chrono::milliseconds(1));
                      if (heedStop && stop.stop_requested())
                          return std::nullopt;
                      if (fail)
                          throw std::bad_alloc();
                      return kSolution;
                  },
                  nullptr};
    std::vector<Offer> offers;
    const Board start = TwoFromSolved();
};

// One offer at a time, one move for each press, from one search: the second press waits
// for the first move and is served from the board it made.
TEST_F(HinterTest, EachPressIsOneMoveAlongOneSearch)
{
    hinter.Ask(start);
    hinter.Ask(start);
    WaitForSearch();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_TRUE(offers[0].board.SameCells(start) && offers[0].cell == kSolution[0]);
    const Board after = Follow();
    ASSERT_EQ(offers.size(), 2u);
    EXPECT_TRUE(offers[1].board.SameCells(after) && offers[1].cell == kSolution[1]);
    Follow();
    EXPECT_EQ(offers.size(), 2u);
    EXPECT_EQ(searches, 1);
    EXPECT_TRUE(hinter.Helped());
}

// The player's own move ends the presses made before it: no move comes for them, even
// from a result found just then, which a later press on that board uses at once.
TEST_F(HinterTest, ThePlayersMoveEndsThePressesBeforeIt)
{
    open = false;
    heedStop = false;
    hinter.Ask(start);
    hinter.Ask(start);
    hinter.PlayerMoved();
    open = true;
    WaitForSearch();
    EXPECT_TRUE(offers.empty());
    hinter.Ask(start);
    EXPECT_EQ(offers.size(), 1u);
    EXPECT_EQ(searches, 1);
    EXPECT_FALSE(hinter.Helped());
}

// A declined move (a dialog was open) ends its presses, but the plan stays: the next
// press is offered a move at once, with no new search.
TEST_F(HinterTest, ADeclinedMoveEndsItsPressesAndKeepsThePlan)
{
    hinter.Ask(start);
    hinter.Ask(start);
    WaitForSearch();
    hinter.Declined();
    EXPECT_EQ(offers.size(), 1u) << "the second press lapsed with the first";
    hinter.Ask(start);
    EXPECT_EQ(offers.size(), 2u);
    EXPECT_EQ(searches, 1);
    EXPECT_FALSE(hinter.Helped());
}

// A search that fails is no hint; the next press searches again.
TEST_F(HinterTest, AFailedSearchIsNoHint)
{
    fail = true;
    hinter.Ask(start);
    WaitForSearch();
    EXPECT_TRUE(offers.empty());
    fail = false;
    hinter.Ask(start);
    WaitForSearch();
    EXPECT_EQ(offers.size(), 1u);
}

// Only a game saved after a hint helped it is helped again when opened, and only with
// the very board and count it was saved with.
TEST_F(HinterTest, AnOpenedGameIsHelpedOnlyWhenSavedHelped)
{
    hinter.Saved(start, 5);  // not helped yet
    hinter.Opened(start, 5);
    EXPECT_FALSE(hinter.Helped()) << "a save before any hint";

    hinter.Ask(start);
    WaitForSearch();
    const Board after = Follow();
    hinter.Saved(after, 7);
    struct Case {
        Board board;
        int seconds;
        bool helped;
    };
    for (const Case& c : {Case{after, 7, true}, Case{after, 8, false}, Case{start, 7, false}, Case{start, 5, false}}) {
        hinter.Forget();
        hinter.Opened(c.board, c.seconds);
        EXPECT_EQ(hinter.Helped(), c.helped) << c.seconds;
    }
}

// The first search that must build the tables tells the wait, and its end, once: not for
// a second search, not where the tables need no build.
TEST_F(HinterTest, TheTablesBuildIsToldOnce)
{
    for (const bool toBuild : {true, false}) {
        SCOPED_TRACE(toBuild ? "tables to build" : "tables at hand");
        // A search that finds nothing: each press searches anew.
        std::atomic<int> runs{0};
        Hinter hints{[&runs](const Board&, std::stop_token) -> Hinter::Solution {
                         ++runs;
                         return std::nullopt;
                     },
                     nullptr};
        hints.SetTablesToBuild([toBuild] { return toBuild; });
        std::vector<bool> heard;
        QObject::connect(&hints, &Hinter::preparing, [&heard](bool on) { heard.push_back(on); });
        for (int press = 0; press < 2; ++press) {
            hints.Ask(start);
            ASSERT_TRUE(QTest::qWaitFor([&hints] { return !hints.Searching(); }, 5000));
        }
        EXPECT_EQ(runs, 2);
        const std::vector<bool> told = toBuild ? std::vector<bool>{true, false} : std::vector<bool>{};
        EXPECT_EQ(heard, told);
    }
}

}  // namespace
}  // namespace tilora::test
