// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom of the main window: its commands and keys, the window's size, the zoom kept
// in the score file, a resize by the window manager and the mouse at cell edges.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>

#include "PuzzleFixture.h"
#include "app/window/WindowZoom.h"
#include "app/window/ZoomSteps.h"
#include "scores/ScoreKeys.h"

namespace tilora::test {
namespace {

// The largest zoom the screen leaves room for: the window's frame, menu bar included,
// fits in the screen's free area at that zoom and would not at the next percent.
int ScreenLimit(const CPuzzleDlg& window)
{
    const QSize room = window.screen()->availableGeometry().size() - window.frameGeometry().size() +
                       window.ClientArea()->size();
    return FittingZoom(room);
}

class ZoomTest : public PuzzleFixture {
protected:
    void Trigger(QAction* action)
    {
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }
    std::string StoredZoom() const { return Scores().GetString(keys::kViewSection, keys::kZoomKey, "none"); }
};

TEST(ZoomStepsTest, StepsClampAndFit)
{
    struct Step {
        int from, in, out;
    };
    for (const Step& s : {Step{100, 125, 100}, Step{110, 125, 100}, Step{125, 150, 100}, Step{150, 200, 125},
                          Step{200, 250, 150}, Step{250, 300, 200}, Step{300, 400, 250}, Step{400, 400, 300},
                          Step{333, 400, 300}}) {
        EXPECT_EQ(ZoomIn(s.from), s.in) << s.from;
        EXPECT_EQ(ZoomOut(s.from), s.out) << s.from;
    }
    for (const auto& [stored, used] : {std::pair{0, 100}, {-5, 100}, {99, 100}, {175, 175}, {401, 400}, {100000, 400}})
        EXPECT_EQ(ClampZoom(stored), used) << stored;
    // The client area at a zoom is the game's 437 x 330 scaled edge by edge.
    EXPECT_EQ(ClientSizeAt(100), QSize(437, 330));
    EXPECT_EQ(ClientSizeAt(125), QSize(547, 413));
    EXPECT_EQ(ClientSizeAt(200), QSize(874, 660));
    for (const auto& [room, zoom] : {std::pair{QSize(437, 330), 100}, {QSize(300, 200), 100}, {QSize(546, 500), 124},
                                      {QSize(547, 413), 125}, {QSize(874, 659), 199}, {QSize(3000, 2000), 400}})
        EXPECT_EQ(FittingZoom(room), zoom) << room.width() << "x" << room.height();
}

TEST_F(ZoomTest, CommandsStepTheZoomWithinTheScreenAndSizeTheWindow)
{
    window->show();
    const int limit = ScreenLimit(*window);
    ASSERT_GE(limit, 150);
    ASSERT_LT(limit, 200) << "the offscreen screen is expected to be about 800 x 600";
    auto* menu = &window->Menu();
    struct Case {
        QAction* command;
        int zoom;
    };
    for (const Case& c : {Case{menu->zoomIn, 125}, Case{menu->zoomIn, 150}, Case{menu->zoomIn, limit},
                          Case{menu->zoomOut, 150}, Case{menu->zoomOut, 125}, Case{menu->zoomOut, 100},
                          Case{menu->zoomOut, 100},
                          Case{menu->zoomIn, 125}, Case{menu->actualSize, 100}}) {
        Trigger(c.command);
        EXPECT_EQ(window->Zoom(), c.zoom) << c.command->objectName().toStdString();
        EXPECT_EQ(window->ClientArea()->size(), ClientSizeAt(c.zoom)) << c.zoom;
        EXPECT_EQ(StoredZoom(), std::to_string(c.zoom));
    }
}

TEST_F(ZoomTest, KeysReachTheCommands)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    struct Key {
        QKeyCombination key;
        int zoom;
    };
    for (const Key& k : {Key{Qt::CTRL | Qt::Key_Equal, 125}, Key{Qt::CTRL | Qt::Key_Plus, 150},
                         Key{Qt::CTRL | Qt::Key_Minus, 125}, Key{Qt::CTRL | Qt::Key_0, 100}}) {
        QTest::keyClick(window.get(), k.key.key(), k.key.keyboardModifiers());
        EXPECT_EQ(window->Zoom(), k.zoom) << QKeySequence(k.key).toString().toStdString();
    }
}

TEST_F(ZoomTest, ZoomIsRememberedAndUsedAtTheNextStartAsFarAsTheScreenAllows)
{
    // The very first start: 100 %, and nothing written.
    EXPECT_EQ(window->Zoom(), 100);
    EXPECT_EQ(StoredZoom(), "none");
    window->show();
    const int limit = ScreenLimit(*window);
    for (const auto& [stored, used] : {std::pair{"125", 125}, {"150", 150}, {"400", limit}, {"50", 100}, {"x", 100}}) {
        ASSERT_TRUE(Scores().WriteString(keys::kViewSection, keys::kZoomKey, stored));
        Open();
        window->show();
        // Once shown, the window's frame counts too.
        QCoreApplication::processEvents();
        EXPECT_EQ(window->ClientArea()->size(), ClientSizeAt(used)) << stored;
        EXPECT_EQ(window->Zoom(), used) << stored << " after showing";
    }
}

TEST_F(ZoomTest, ResizeByTheWindowManagerPicksTheLargestZoomThatFits)
{
    window->show();
    window->OnNew();
    const int bar = window->Menu().bar->height();
    struct Size {
        QSize client;
        int zoom;
    };
    for (const Size& s : {Size{{600, 420}, 127}, Size{{700, 420}, 127}, Size{{700, 500}, 151}, Size{{437, 330}, 100}}) {
        window->resize(s.client + QSize(0, bar));
        ASSERT_EQ(window->ClientArea()->size(), s.client);
        EXPECT_EQ(window->Zoom(), s.zoom) << s.client.width() << "x" << s.client.height();
        // The controls grow with the zoom, from their rectangles at 100 %.
        const auto* box = window->ClientArea()->findChild<QGroupBox*>(QStringLiteral("secondsBox"));
        EXPECT_EQ(box->geometry(), DeviceScale(s.zoom / 100.0).Rect({333, 270, 99, 50}));
        // And so do their fonts, the group boxes' titles included.
        EXPECT_EQ(QFontInfo(box->font()).pixelSize(), DeviceScale(s.zoom / 100.0).At(10)) << s.zoom;
    }
    // The pictures are remade, and the zoom kept, once the size has settled.
    window->resize(QSize(700, 500 + bar));
    EXPECT_TRUE(window->Zooming().Settling());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->Zooming().Settling(); }, 2000));
    EXPECT_EQ(StoredZoom(), "151");
}

TEST_F(ZoomTest, PointsMapToTheGamePixelDrawnUnderThemRoundedDown)
{
    // On a 4 x 4 board a double click moves the block of column x / 80, so column 1
    // starts at game pixel 80, drawn from window pixel 100 at 125 % and 120 at 150 %: a
    // point short of those stays in column 0, the blank, where nothing moves.
    struct Case {
        int zoom;
        double x;
        int movedTile;  // the tile a double click there moves into the blank at (0, 0)
    };
    for (const Case& c : {Case{125, 99.9, 0}, Case{125, 100.0, 2}, Case{150, 119.9, 0}, Case{150, 120.0, 2},
                          Case{150, 119.5, 0}, Case{100, 79.9, 0}, Case{100, 80.0, 2}}) {
        window->Zooming().ZoomTo(c.zoom, false);
        ASSERT_EQ(window->Zoom(), c.zoom);
        window->Deal();
        SetRows({{16, 2, 3, 4}, {1, 5, 6, 7}, {8, 9, 10, 11}, {12, 13, 14, 15}});
        QWidget* client = window->ClientArea();
        const QPointF point(c.x, 20.0);
        for (const QEvent::Type type :
             {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, point, client->mapToGlobal(point), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(client, &event);
        }
        EXPECT_EQ(window->GetBoard().Cell(0, 0), c.movedTile == 0 ? 16 : c.movedTile) << c.zoom << " at " << c.x;
    }
}

}  // namespace
}  // namespace tilora::test
