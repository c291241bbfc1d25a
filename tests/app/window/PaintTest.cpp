// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QIcon>
#include <QPaintEvent>
#include <QScreen>

#include <functional>

#include "PuzzleFixture.h"
#include "app/prompts/PaintMessages.h"
#include "display/PictureCache.h"
#include "support/BmpWriter.h"

namespace tilora::test {
namespace {

// Records the regions of the paint events a widget receives.
class PaintRecorder final : public QObject {
public:
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

QImage Bars()
{
    return QImage(QStringLiteral(":/tilora/pictures/bars.png")).convertToFormat(QImage::Format_RGB32);
}

// A 24-bit record of a w x h picture of one colour.
PictureRecord PlainRecord(int w, int h, QRgb colour)
{
    PictureRecord record;
    record.m_bmi.bmiHeader = {40, w, h, 1, 24, 0, 0, 0, 0, 0, 0};
    const int stride = 3 * w + w % 4;
    record.m_pPixels.assign(static_cast<std::size_t>(stride * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            auto* p = &record.m_pPixels[static_cast<std::size_t>(y * stride + 3 * x)];
            p[0] = static_cast<std::uint8_t>(qBlue(colour));
            p[1] = static_cast<std::uint8_t>(qGreen(colour));
            p[2] = static_cast<std::uint8_t>(qRed(colour));
        }
    return record;
}

// A record that no bitmap reader can make sense of: 7 bits per pixel, unknown compression.
PictureRecord UndecodableRecord()
{
    PictureRecord record;
    record.m_bmi.bmiHeader = {40, 16, 16, 1, 7, 99, 0, 0, 0, 0, 0};
    record.m_pPixels.assign(64, 0x5a);
    return record;
}

class PaintTest : public PuzzleFixture {
protected:
    QImage Client() const { return window->ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void ShowWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::processEvents();
    }
    // What the screen shows of the client area right now, without painting anything.
    QImage Screen() const
    {
        const QPoint origin = window->ClientArea()->mapTo(window.get(), QPoint(0, 0));
        const QImage whole = window->screen()->grabWindow(window->winId()).toImage();
        return whole.copy(QRect(origin, window->ClientArea()->size())).convertToFormat(QImage::Format_RGB32);
    }
};

TEST_F(PaintTest, RedrawMovePaintsTheTwoCellsOnlyAndAtOnce)
{
    window->GetBoard().SetGridSize(10);
    window->OnNew();
    ShowWindow();
    window->GetBoard().FillSolved();
    window->GetBoard().SetCell(9, 9, 99);
    window->GetBoard().SetCell(9, 8, 100);  // the blank left of tile 99
    window->GetBoard().SetCell(0, 0, 2);    // and the board not one move from solved
    window->GetBoard().SetCell(0, 1, 1);
    PaintRecorder recorder;
    window->ClientArea()->installEventFilter(&recorder);
    window->MoveBlockAt(300, 300);  // tile 99 slides left; nothing waits for the event loop
    ASSERT_EQ(recorder.regions.size(), 1u);
    EXPECT_EQ(recorder.regions[0], QRegion(QRect(9 * 33, 9 * 33, 33, 33)) + QRect(8 * 33, 9 * 33, 33, 33));
}

TEST_F(PaintTest, CommandsThatChangeTheSceneRepaintIt)
{
    // Each command asks for a repaint itself: after it, and the event loop alone, the
    // screen shows what a fresh paint of the new state shows, and that is not what it
    // showed before.
    struct Row {
        const char* what;
        std::function<void()> before;
        std::function<void()> command;
    };
    const auto startGame = [this] { window->OnNew(); };
    // Opens a picture of one grey during the game and goes on with the same game.
    const auto openPicture = [this](std::uint8_t grey) {
        BmpFile f;
        f.width = 8;
        f.height = 8;
        f.bits = 8;
        f.palette = std::vector<Rgb>(256, Rgb{grey, grey, grey});
        f.pixels = Bytes(8 * 8, 1);
        const std::filesystem::path file = dir / ("grey" + std::to_string(grey) + ".bmp");
        WriteFile(file, f.Build());
        prompter.ChooseFileAnswer(QString::fromStdString(file.string()));
        prompter.Answer(QMessageBox::No);
        window->OnOpenPicture();
    };
    const Row rows[] = {
        {"New from the title screen", [] {}, [this] { window->OnNew(); }},
        {"New during a game", startGame,
         [this] {
             now += 1;  // another second deals another board
             prompter.Answer(QMessageBox::Yes);
             window->OnNew();
         }},
        {"Pause", startGame, [this] { window->OnPauseRestart(); }},
        {"Restart", [this, startGame] { startGame(); window->OnPauseRestart(); }, [this] { window->OnPauseRestart(); }},
        {"a picture choice", startGame, [this] { window->Menu().pictures[2]->trigger(); }},
        // The newly opened picture replaces the one drawn before, not only on the screen.
        {"Open Picture", [&] { startGame(); openPicture(40); }, [&] { openPicture(200); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Open();
        row.before();
        ShowWindow();
        QTest::qWait(20);
        const QImage before = Screen();
        row.command();
        QTest::qWait(20);  // the event loop runs the paint that was asked for
        const QImage after = Screen();
        EXPECT_NE(after, before);
        EXPECT_EQ(after, Client());
        prompter.Clear();
    }
}

TEST_F(PaintTest, TheSolvingMoveIsOnScreenBeforeTheVictoryMessage)
{
    window->OnNew();
    SetOneMoveFromSolved();  // blank at row 3, column 2; tile 15 right of it
    window->Invalidate();
    ShowWindow();
    const QImage bars = Bars();
    ASSERT_EQ(Screen().pixel(162 + 40, 243 + 40), qRgb(255, 255, 255));
    QImage shown;
    prompter.OnAsk([&](const Message&) { shown = Screen(); });
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog(PressEscape());  // High Score!: a quick game beats the default best
    prompter.OnDialog(PressOk());      // Best Scores
    window->MoveBlockAt(300, 300);
    ASSERT_FALSE(shown.isNull());
    for (const int d : {0, 40, 79})
        EXPECT_EQ(shown.pixel(162 + d, 243 + d), bars.pixel(160 + d, 240 + d)) << "tile 15 in place at " << d;
    EXPECT_EQ(shown.pixel(243 + 40, 243 + 40), qRgb(255, 255, 255));  // the blank took its place
}

TEST_F(PaintTest, AnUndecodablePictureIsReportedOnceAndTheBuiltInOneDrawn)
{
    window->LoadedPicture() = UndecodableRecord();
    window->UseLoadedPicture();
    window->OnNew();
    window->GetBoard().FillSolved();
    const QImage first = Client();
    EXPECT_TRUE(prompter.Messages().empty()) << "no message may open inside a paint";
    prompter.Answer(QMessageBox::Ok);
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const Message& shown = prompter.Messages()[0];
    const Message expected = messages::FailedToOpenBitmap();
    EXPECT_EQ(shown.text, QStringLiteral("Failed to Open Bitmap. \nUsing In-Built Picture Instead."));
    EXPECT_EQ(shown.caption, QStringLiteral("ERROR"));
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
    EXPECT_EQ(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(shown.text, expected.text);
    EXPECT_FALSE(window->CustomPicture());
    // The board shows the built-in picture in the same arrangement, and keeps doing so
    // without asking again.
    const QImage bars = Bars();
    const QImage again = Client();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter.Messages().size(), 1u);
    for (const QImage& image : {first, again}) {
        EXPECT_EQ(image.pixel(81 + 10, 81 + 20), bars.pixel(80 + 10, 80 + 20));
        EXPECT_EQ(image.pixel(0, 0), bars.pixel(0, 0));
    }
    // The record stays as it was, not drawn.
    EXPECT_EQ(window->LoadedPicture().m_bmi.bmiHeader.biBitCount, 7);
}

TEST_F(PaintTest, AnUndecodablePictureFoundByAMoveKeepsTheSlide)
{
    window->OnNew();
    SetOneMoveFromSolved();
    ShowWindow();
    window->LoadedPicture() = UndecodableRecord();
    window->UseLoadedPicture();
    prompter.Answer(QMessageBox::Ok);  // the victory
    prompter.OnDialog(PressEscape());  // High Score!
    prompter.OnDialog(PressOk());      // Best Scores
    prompter.Answer(QMessageBox::Ok);  // the failure, once the move is over
    window->MoveBlockAt(300, 300);
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter.Messages().size(), 2u);
    EXPECT_EQ(prompter.Messages()[0].caption, QStringLiteral("Victory"));
    EXPECT_EQ(prompter.Messages()[1].caption, QStringLiteral("ERROR"));
    EXPECT_TRUE(window->GetBoard().IsSolved());
    EXPECT_FALSE(window->CustomPicture());
}

TEST_F(PaintTest, TheThumbnailReachesTheScreenWithItsOwnPixels)
{
    // The group box that frames the thumbnail lies over it; it must not tint it.
    window->OnNew();
    window->LoadedPicture() = PlainRecord(40, 40, qRgb(200, 30, 30));
    window->UseLoadedPicture();
    const QImage screen = Client();
    EXPECT_EQ(screen.pixel(345, 186), qRgb(200, 30, 30));     // the thumbnail
    EXPECT_EQ(screen.pixel(421 - 10, 262 - 10), qRgb(255, 255, 255));  // the marker's inside
    EXPECT_EQ(screen.pixel(340, 200), qRgb(0, 0, 0));         // the frame's left line
}

// The icon comes after the first paint, which it would otherwise delay: the window system
// reads every size of it before the window maps.
TEST_F(PaintTest, TheWindowCarriesTheIconInSmallAndLargeSizesFromItsFirstPaint)
{
    EXPECT_FALSE(window->testAttribute(Qt::WA_SetWindowIcon));
    window->ClientArea()->grab();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->testAttribute(Qt::WA_SetWindowIcon));
    const QList<QSize> sizes = window->windowIcon().availableSizes();
    for (const int side : {16, 32, 48, 256})
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

}  // namespace
}  // namespace tilora::test
