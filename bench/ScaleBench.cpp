// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing at a zoom: a full paint and the redraw of a move at each zoom, and remaking
// the pictures of a large photo for 400 %. `Ratios` times them in one run and reports
// the ratios that must hold: a full paint at 400 % within 16 x the one at 100 % (the
// area ratio), a move's redraw under a tenth of a full paint at every zoom, and the
// remake of a photo's pictures within 4 / 3 of one smooth scale of the photo to the
// board's size (and the same for a bitmap of that size, cut without averaging).
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "Fastest.h"
#include "ScrambledBoard.h"
#include "board/Board.h"
#include "display/BoardPainter.h"
#include "display/DeviceScale.h"
#include "display/PaintGeometry.h"
#include "display/PictureCache.h"
#include "display/ScaledPictures.h"
#include "picture/PictureRecord.h"

namespace tilora {
namespace {

using bench::Fastest;
using bench::ScrambledBoard;

constexpr int kGrid = 10;
constexpr int kZooms[] = {100, 125, 150, 200, 300, 400};

// Paints a board of the built-in picture at one zoom, fully or only two cells.
class ZoomedPaint {
public:
    explicit ZoomedPaint(int zoom)
        : m_scale(zoom / 100.0), m_board(ScrambledBoard()),
          m_image(m_scale.Rect(QRect(0, 0, 437, 330)).size(), QImage::Format_ARGB32_Premultiplied)
    {
        Paint(QRegion(m_image.rect()));  // the pictures are made once, before timing
    }
    void Full() { Paint(QRegion(m_image.rect())); }
    void Move()
    {
        const QRegion cells = QRegion(m_scale.Rect(geometry::CellFrame(kGrid, 4, 4))) +
                              m_scale.Rect(geometry::CellFrame(kGrid, 4, 5));
        Paint(cells);
    }

private:
    void Paint(const QRegion& dirty)
    {
        QPainter painter(&m_image);
        painter.setClipRegion(dirty);
        BoardPainter(m_cache, m_record, m_scale).Paint(painter, {true, false, false, false, 2, &m_board}, dirty);
    }

    DeviceScale m_scale;
    Board m_board;
    PictureRecord m_record;
    PictureCache m_cache;
    QImage m_image;
};

// A 6000 x 4000 photo-like picture.
const QImage& Photo()
{
    static const QImage photo = [] {
        QImage image(6000, 4000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x * 7 + y) & 0xff, (y * 5 + x / 3) & 0xff, (x ^ y) & 0xff);
        }
        return image;
    }();
    return photo;
}

QSize BoardSizeAt400()
{
    const int side = kGrid * DeviceBlockSide(kGrid, DeviceScale(4.0));
    return {side, side};
}

void BM_FullPaint(benchmark::State& state)
{
    ZoomedPaint paint(static_cast<int>(state.range(0)));
    for (auto _ : state)
        paint.Full();
}
BENCHMARK(BM_FullPaint)->Arg(100)->Arg(125)->Arg(150)->Arg(200)->Arg(300)->Arg(400);

void BM_RedrawMove(benchmark::State& state)
{
    ZoomedPaint paint(static_cast<int>(state.range(0)));
    for (auto _ : state)
        paint.Move();
}
BENCHMARK(BM_RedrawMove)->Arg(100)->Arg(125)->Arg(150)->Arg(200)->Arg(300)->Arg(400);

void BM_RemakePhotoAt400(benchmark::State& state)
{
    Photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(CutPhotoAt(Photo(), kGrid, DeviceScale(4.0)));
}
BENCHMARK(BM_RemakePhotoAt400)->Unit(benchmark::kMillisecond);

void BM_SmoothScalePhoto(benchmark::State& state)
{
    Photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(Photo().scaled(BoardSizeAt400(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
BENCHMARK(BM_SmoothScalePhoto)->Unit(benchmark::kMillisecond);

void BM_Ratios(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<double> full;
        double worstMove = 0;
        for (const int zoom : kZooms) {
            ZoomedPaint paint(zoom);
            const double f = Fastest(30, [&] { paint.Full(); });
            const double m = Fastest(200, [&] { paint.Move(); });
            full.push_back(f);
            worstMove = std::max(worstMove, m / f);
            state.counters["move/full@" + std::to_string(zoom)] = m / f;
        }
        state.counters["full400/full100"] = full.back() / full.front();
        state.counters["worst move/full"] = worstMove;
        Photo();
        const double remake = Fastest(3, [] { benchmark::DoNotOptimize(CutPhotoAt(Photo(), kGrid, DeviceScale(4.0))); });
        const double bitmap = Fastest(3, [] { benchmark::DoNotOptimize(CutPictureAt(Photo(), kGrid, DeviceScale(4.0))); });
        const double scaled = Fastest(3, [] {
            benchmark::DoNotOptimize(Photo().scaled(BoardSizeAt400(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        });
        state.counters["remake/scaled"] = remake / scaled;
        state.counters["bitmap remake/scaled"] = bitmap / scaled;
    }
}
BENCHMARK(BM_Ratios)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tilora
