// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <cstdint>

#include "ScrambledBoard.h"
#include "board/Board.h"
#include "display/BoardPainter.h"
#include "display/PaintGeometry.h"
#include "display/PictureCache.h"
#include "picture/PictureRecord.h"

namespace tilora {
namespace {

using bench::ScrambledBoard;

constexpr int kGrid = 10;

// A 24-bit picture of 4000 x 3000 pixels, as the reader leaves it in the record.
const PictureRecord& LargeRecord()
{
    static const PictureRecord record = [] {
        PictureRecord r;
        constexpr int w = 4000;
        constexpr int h = 3000;
        r.m_bmi.bmiHeader = {40, w, h, 1, 24, 0, 0, 0, 0, 0, 0};
        const int stride = 3 * w + w % 4;
        r.m_pPixels.resize(static_cast<std::size_t>(stride) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < stride; ++x)
                r.m_pPixels[static_cast<std::size_t>(y) * stride + x] = static_cast<std::uint8_t>((x * 7 + y * 3) & 0xff);
        return r;
    }();
    return record;
}

const PictureRecord& RecordFor(bool loaded)
{
    static const PictureRecord empty;
    return loaded ? LargeRecord() : empty;
}

PaintState StateFor(const Board& board, bool loaded)
{
    return {true, false, false, loaded, 2, &board};
}

// One paint of `dirty` into a client-sized image, clipped as a widget's paint is.
void PaintOnce(QImage& target, PictureCache& cache, const PictureRecord& record, const PaintState& state,
               const QRegion& dirty)
{
    QPainter painter(&target);
    painter.setClipRegion(dirty);
    BoardPainter(cache, record).Paint(painter, state, dirty);
}

QImage Client()
{
    return QImage(437, 330, QImage::Format_ARGB32_Premultiplied);
}

void BM_FullPaint(benchmark::State& bench, bool loaded)
{
    const Board board = ScrambledBoard();
    const PictureRecord& record = RecordFor(loaded);
    PictureCache cache;
    QImage target = Client();
    const QRegion all(target.rect());
    PaintOnce(target, cache, record, StateFor(board, loaded), all);  // the first paint fills the cache
    for (auto _ : bench) {
        PaintOnce(target, cache, record, StateFor(board, loaded), all);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_RedrawMove(benchmark::State& bench, bool loaded)
{
    const Board board = ScrambledBoard();
    const PictureRecord& record = RecordFor(loaded);
    PictureCache cache;
    QImage target = Client();
    PaintOnce(target, cache, record, StateFor(board, loaded), QRegion(target.rect()));
    const QRegion cells = QRegion(geometry::CellFrame(kGrid, 5, 5)) + geometry::CellFrame(kGrid, 5, 6);
    for (auto _ : bench) {
        PaintOnce(target, cache, record, StateFor(board, loaded), cells);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_FirstPaintAfterNewPicture(benchmark::State& bench, bool loaded)
{
    const Board board = ScrambledBoard();
    const PictureRecord& record = RecordFor(loaded);
    QImage target = Client();
    const QRegion all(target.rect());
    for (auto _ : bench) {
        PictureCache cache;  // nothing decoded or scaled yet
        PaintOnce(target, cache, record, StateFor(board, loaded), all);
        benchmark::DoNotOptimize(target.constBits());
    }
}

BENCHMARK_CAPTURE(BM_FullPaint, BuiltIn, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FullPaint, Loaded4000x3000, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawMove, BuiltIn, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_RedrawMove, Loaded4000x3000, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FirstPaintAfterNewPicture, BuiltIn, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstPaintAfterNewPicture, Loaded4000x3000, true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tilora
