// SPDX-License-Identifier: GPL-3.0-or-later
// Blocks that slide in the game's window: the frames between the two positions, a move
// that never waits for a slide, View > Animate Slides, and whole lines. The slides' clock
// is the test's own: nothing waits on real time.
#include <QAction>
#include <QResizeEvent>

#include "PuzzleFixture.h"
#include "app/boardview/SlideAnimation.h"
#include "app/window/SlideMotion.h"
#include "display/PaintImages.h"
#include "scores/ScoreKeys.h"

namespace tilora::test {
namespace {

using namespace std::chrono_literals;

class SlideTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        slides = true;
        Open();
        Choose("actionAnimateAlways");
        View().Slides().SetClock([this] { return clock; });
        window->OnNew();
    }
    BoardView& View() const { return *window->ClientArea(); }
    void Choose(const char* name)
    {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }
    void Key(Qt::Key key) { QTest::keyClick(&View(), key); }
    void SetBlankLeftOf14() { SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 16, 14, 15}}); }
    void SetBlankTopLeft() { SetRows({{16, 1, 2, 3}, {5, 6, 7, 4}, {9, 10, 11, 8}, {13, 14, 15, 12}}); }
    // The slide's time goes on by `time`, and the display's next refresh comes.
    void Pass(std::chrono::nanoseconds time)
    {
        clock += time;
        View().Slides().Tick();
    }
    QImage Shot() const { return View().grab(QRect(0, 0, 324, 324)).toImage().convertToFormat(QImage::Format_RGB32); }
    // The board as a paint without any slide draws it.
    QImage Still() const
    {
        PictureCache cache;
        const PictureRecord record;
        return Render(cache, record, View().State()).copy(0, 0, 324, 324);
    }
    // Whether block `tile`'s top-left 80 x 80 pixels stand with their corner at (x, y).
    bool BlockAt(const QImage& image, int tile, int x, int y) const
    {
        const QImage bars = QImage(QStringLiteral(":/tilora/pictures/bars.png")).convertToFormat(QImage::Format_RGB32);
        const QPoint home(((tile - 1) % 4) * 80, ((tile - 1) / 4) * 80);
        for (int dy = 0; dy < 80; dy += 4)
            for (int dx = 0; dx < 80; dx += 4)
                if (image.pixel(x + dx, y + dy) != bars.pixel(home.x() + dx, home.y() + dy))
                    return false;
        return true;
    }

    std::chrono::nanoseconds clock = 10s;
};

// The game moves at once and a screen reader hears it at once; only with slides is the
// block drawn on its way, and either way the final board is on show in time.
TEST_F(SlideTest, AnArrowShowsTheBlockOnItsWayAndTheFinalBoardOnTime)
{
    for (const auto& [choice, slides] : {std::pair{"actionAnimateAlways", true}, std::pair{"actionAnimateNever", false}}) {
        SCOPED_TRACE(choice);
        Choose(choice);
        SetBlankLeftOf14();
        Key(Qt::Key_Left);
        EXPECT_EQ(window->GetBoard().Cell(3, 1), 14);
        EXPECT_EQ(View().Announcement(), QStringLiteral("Block 14 moved left. Blank, row 4, column 3"));
        ASSERT_EQ(View().Slides().Running(), slides);
        if (slides) {
            // Half the time: eased to 0.875 of the 81 pixels from x = 162 toward x = 81.
            Pass(60ms);
            EXPECT_TRUE(BlockAt(Shot(), 14, 91, 243));
            Pass(60ms);
            EXPECT_FALSE(View().Slides().Running());
        }
        EXPECT_EQ(Shot(), Still());
    }
}

TEST_F(SlideTest, AMoveDuringASlideEndsItAndBothMovesTakeEffect)
{
    SetBlankLeftOf14();
    Key(Qt::Key_Left);
    Pass(30ms);
    Key(Qt::Key_Down);
    EXPECT_EQ(window->GetBoard().Cell(3, 1), 14);
    EXPECT_EQ(window->GetBoard().Cell(3, 2), 11);
    EXPECT_EQ(window->GetGame().Moves(), 2);
    // Block 14 stands in its cell while 11 slides.
    Pass(30ms);
    const QImage mid = Shot();
    EXPECT_TRUE(BlockAt(mid, 14, 81, 243));
    EXPECT_FALSE(BlockAt(mid, 11, 162, 243));
    Pass(120ms);
    EXPECT_EQ(Shot(), Still());
}

TEST_F(SlideTest, ThingsThatChangeTheScreenEndTheSlideFirst)
{
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"pause", [this] { window->OnPauseRestart(); }},
        {"numbers", [this] { window->Menu().numbers->trigger(); }},
        {"resize",
         [this] {
             QResizeEvent resize(View().size() + QSize(1, 1), View().size());
             QApplication::sendEvent(&View(), &resize);
         }},
        {"picture", [this] { window->OnChoosePicture(2); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        if (window->Paused())
            window->OnPauseRestart();
        SetBlankLeftOf14();
        Key(Qt::Key_Left);
        ASSERT_TRUE(View().Slides().Running());
        change();
        EXPECT_FALSE(View().Slides().Running());
    }
}

TEST_F(SlideTest, TheSolvingSlideHasEndedWhenTheVictoryOpens)
{
    bool slidingAtVictory = true;
    prompter.OnAsk([this, &slidingAtVictory](const Message&) { slidingAtVictory = View().Slides().Running(); });
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog(PressEscape());
    prompter.OnDialog(PressOk());
    SetOneMoveFromSolved();
    Key(Qt::Key_Left);
    EXPECT_FALSE(slidingAtVictory);
    EXPECT_FALSE(window->Playing());
}

TEST_F(SlideTest, TheChoiceIsRememberedForTheNextStart)
{
    for (const auto& [name, text] : {std::pair{"actionAnimateNever", "never"}, std::pair{"actionAnimateDesktop", "desktop"},
                                     std::pair{"actionAnimateAlways", "always"}}) {
        SCOPED_TRACE(name);
        Choose(name);
        EXPECT_EQ(Scores().GetString(keys::kViewSection, keys::kAnimateKey, ""), text);
        Open();
        EXPECT_TRUE(window->findChild<QAction*>(QString::fromLatin1(name))->isChecked());
    }
    EXPECT_TRUE(View().Animate());
}

TEST_F(SlideTest, ADoubleClickOnTheThirdBlockFromTheBlankSlidesTheLineAsOneStep)
{
    SetBlankTopLeft();
    DoubleClick({283, 40});
    const Board& board = window->GetBoard();
    EXPECT_EQ((std::vector<int>{board.Cell(0, 0), board.Cell(0, 1), board.Cell(0, 2), board.Cell(0, 3)}),
              (std::vector<int>{1, 2, 3, 16}));
    EXPECT_EQ(window->GetGame().Moves(), 3);
    EXPECT_EQ(View().Slides().Frame().blocks.size(), 3u) << "one slide of three blocks";
    EXPECT_EQ(View().Announcement(), QStringLiteral("Blocks 1, 2 and 3 moved left. Blank, row 1, column 4"));
    Pass(60ms);
    const QImage mid = Shot();
    // Each block 0.875 of its way: 71 pixels left of its old cell.
    EXPECT_TRUE(BlockAt(mid, 1, 81 - 71, 0));
    EXPECT_TRUE(BlockAt(mid, 3, 243 - 71, 0));
    window->OnUndo();
    EXPECT_EQ(board.Cell(0, 0), 16);
    EXPECT_EQ(board.Cell(0, 3), 3);
    EXPECT_EQ(window->GetGame().Moves(), 6);
    EXPECT_EQ(View().Announcement(), QStringLiteral("Blocks 3, 2 and 1 moved right. Blank, row 1, column 1"));
    Pass(200ms);
    EXPECT_EQ(Shot(), Still());
}

TEST_F(SlideTest, ADragToTheBlankSlidesTheLineAndABlockOffItsLineDoesNothing)
{
    SetBlankTopLeft();
    DoubleClick({120, 120});
    EXPECT_EQ(window->GetGame().Moves(), 0);
    Drag({40, 283}, {40, 40});
    EXPECT_EQ(window->GetBoard().Cell(3, 0), 16);
    EXPECT_EQ(window->GetBoard().Cell(0, 0), 5);
    EXPECT_EQ(window->GetGame().Moves(), 3);
}

}  // namespace
}  // namespace tilora::test
