// SPDX-License-Identifier: GPL-3.0-or-later
// One slide's frames and the time a move takes to show. BM_SlideFrame paints the cells
// one block crosses halfway through its slide, as the board's view does at each refresh,
// at 100 %, 200 % and 400 %, on 4 x 4 and 10 x 10 boards, from the built-in picture and
// from a 24-megapixel photo (generated noise, so that nothing compresses or repeats);
// its counter frames_per_slide is the frames one slide draws at 60 Hz. BM_KeyToFrame
// times an arrow key up to the first paint of its move in a game window, with animation
// off, on, and on with a slide of the key before still running.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegion>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

#include "app/boardview/SlideAnimation.h"
#include "app/prompts/Prompter.h"
#include "app/window/PuzzleDlg.h"
#include "board/CrtRandom.h"
#include "display/BoardPainter.h"
#include "display/DeviceScale.h"
#include "display/PaintGeometry.h"
#include "display/PictureCache.h"
#include "display/SlideFrame.h"
#include "picture/PictureRecord.h"

namespace tilora {
namespace {

constexpr double kRefreshHz = 60.0;

// A 6000 x 4000 picture of noise: every pixel its own.
const QImage& Photo()
{
    static const QImage photo = [] {
        QImage image(6000, 4000, QImage::Format_RGB32);
        QRandomGenerator random(24);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = 0xff000000u | (random.generate() & 0xffffffu);
        }
        return image;
    }();
    return photo;
}

// A board whose block left of the blank has just moved into it, in the middle.
Board BoardWithBlank(int n)
{
    Board board;
    board.SetGridSize(n);
    board.FillSolved();
    const CellPos blank{n / 2, n / 2};
    board.SetCell(n - 1, n - 1, board.Cell(blank.row, blank.column));
    board.SetCell(blank.row, blank.column, n * n);
    return board;
}

// Paints one frame of a slide as the view does: the crossed cells' device pixels into an
// image of their own, then copied onto the window's.
void BM_SlideFrame(benchmark::State& state)
{
    const int zoom = static_cast<int>(state.range(0));
    const int n = static_cast<int>(state.range(1));
    const bool photo = state.range(2) != 0;
    const DeviceScale scale(zoom / 100.0);
    PictureCache cache;
    const PictureRecord record;
    if (photo)
        cache.SetLoadedSource(Photo());
    Board board = BoardWithBlank(n);
    const CellPos from{n / 2, n / 2 - 1};
    const CellPos to = *board.Blank();
    board.Slide(from, to);
    SlideFrame slide;
    slide.blocks = {{from, to}};
    slide.progress = 0.5;
    PaintState paint{true, false, false, photo, 1, &board};
    paint.slide = &slide;
    QImage window(scale.Rect(QRect(0, 0, 437, 330)).size(), QImage::Format_ARGB32_Premultiplied);
    const QRect area = scale.Rect(geometry::CellFrame(n, from.row, from.column))
                           .united(scale.Rect(geometry::CellFrame(n, to.row, to.column)));
    // The pictures are cut once for the zoom, before timing, as the window does.
    {
        QPainter painter(&window);
        BoardPainter(cache, record, scale).Paint(painter, paint, QRegion(window.rect()));
    }
    for (auto _ : state) {
        QImage screen(area.size(), QImage::Format_ARGB32_Premultiplied);
        screen.fill(Qt::transparent);
        {
            QPainter device(&screen);
            device.translate(-area.topLeft());
            BoardPainter(cache, record, scale).Paint(device, paint, QRegion(area));
        }
        QPainter onto(&window);
        onto.drawImage(area.topLeft(), screen);
        benchmark::DoNotOptimize(window.constBits());
    }
    const double frameMs = 1000.0 / kRefreshHz;
    state.counters["frames_per_slide"] =
        std::ceil(std::chrono::duration<double, std::milli>(SlideAnimation::kDuration).count() / frameMs);
    state.SetLabel(photo ? "24 MP photo" : "built-in");
}
BENCHMARK(BM_SlideFrame)
    ->ArgsProduct({{100, 200, 400}, {4, 10}, {0, 1}})
    ->ArgNames({"zoom", "n", "photo"})
    ->Unit(benchmark::kMicrosecond);

// Answers nothing: no question is asked while arrows move blocks.
class SilentPrompter final : public Prompter {
public:
    QMessageBox::StandardButton Ask(QWidget*, const Message&) override { return QMessageBox::No; }
    int Exec(QDialog&) override { return 0; }
    QString ChooseFile(QWidget*, const FileRequest&) override { return {}; }
};

// Notes when the view paints.
class PaintWatch final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Mode 0: animation off; 1: on; 2: on, and the key comes while the last key's slide runs.
void BM_KeyToFrame(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    SilentPrompter prompter;
    CrtRandom random;
    CPuzzleDlg window(PuzzleEnvironment{prompter, ProfileStore(folder.filePath(QStringLiteral("Tilora.hi")).toStdString()),
                                        random, [] { return std::time_t{1'700'000'000}; }});
    window.findChild<QAction*>(QString::fromLatin1(mode == 0 ? "actionAnimateNever" : "actionAnimateAlways"))->trigger();
    window.show();
    window.OnNew();
    BoardView& view = *window.ClientArea();
    PaintWatch watch;
    view.installEventFilter(&watch);
    QCoreApplication::processEvents();
    // The blank in the middle: Left and Right move one block to and fro.
    Board& board = window.GetBoard();
    board.FillSolved();
    board.SetCell(3, 3, board.Cell(1, 1));
    board.SetCell(1, 1, 16);
    view.update();
    QCoreApplication::processEvents();
    bool left = true;
    auto press = [&] {
        QKeyEvent key(QEvent::KeyPress, left ? Qt::Key_Left : Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(&view, &key);
        left = !left;
    };
    for (auto _ : state) {
        if (mode == 2)
            press();  // a slide runs when the timed key comes
        else
            view.EndSlide();
        QCoreApplication::processEvents();
        watch.painted = false;
        const auto start = std::chrono::steady_clock::now();
        press();
        while (!watch.painted)
            QCoreApplication::processEvents();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetLabel(mode == 0 ? "animation off" : mode == 1 ? "animation on" : "on, slide running");
}
BENCHMARK(BM_KeyToFrame)->Arg(0)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tilora
