// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a 6000 x 4000 JPEG photo: from the chosen file to the first paint of a 10 x 10
// board, against the floor of a bare QImageReader decode of the same file at the same
// reduced size; and the peak memory that opening takes above the idle program.
#include <QColorSpace>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "Fastest.h"
#include "board/Board.h"
#include "display/BoardPainter.h"
#include "display/PhotoReader.h"
#include "display/PictureCache.h"

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

// The photo, written once into the temporary folder and removed at exit. Smooth shading
// with fine grain, so that it compresses about as a real photo does; `space`, when valid,
// is the colour space the file declares in an ICC profile.
class PhotoFile {
public:
    explicit PhotoFile(const QColorSpace& space = {})
        : m_path(QString::fromStdString((std::filesystem::temp_directory_path() /
                                         ("tilora-bench-" + std::to_string(::getpid()) +
                                          (space.isValid() ? "-tagged" : "") + ".jpg"))
                                            .string()))
    {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        std::uint32_t noise = 12345;
        for (int y = 0; y < kHeight; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < kWidth; ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int grain = static_cast<int>(noise >> 28) - 8;
                const int r = 128 + static_cast<int>(100 * std::sin(x / 300.0)) + grain;
                const int g = 128 + static_cast<int>(100 * std::cos(y / 200.0)) + grain;
                const int b = (x + y) / 40 % 256;
                line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), b);
            }
        }
        image.setColorSpace(space);
        QImageWriter writer(m_path, "jpeg");
        writer.setQuality(90);
        writer.write(image);
    }
    ~PhotoFile() { QFile::remove(m_path); }
    PhotoFile(const PhotoFile&) = delete;
    PhotoFile& operator=(const PhotoFile&) = delete;

    const QString& Path() const { return m_path; }

private:
    QString m_path;
};

const PhotoFile& File()
{
    static const PhotoFile file;
    return file;
}

// The same photo in Display P3, which the game converts to sRGB before cutting it.
const PhotoFile& TaggedFile()
{
    static const PhotoFile file(QColorSpace::DisplayP3);
    return file;
}

// The size the game decodes the photo at: the shorter side that of the largest board.
QSize ReducedSize()
{
    const int side = tilora::LargestBoardSide(400, 1.0);
    return {kWidth * side / kHeight, side};
}

void OpenAndFirstPaint(const PhotoFile& file = File())
{
    tilora::Board board;
    board.SetGridSize(10);
    const tilora::PaintState scene{true, false, false, true, 1, &board};
    QImage client(437, 330, QImage::Format_ARGB32_Premultiplied);
    const tilora::PhotoRead read = tilora::ReadPhotoFile(file.Path(), tilora::LargestBoardSide(400, 1.0));
    tilora::PictureCache cache;
    cache.SetLoadedSource(read.image);
    const tilora::PictureRecord none;
    QPainter painter(&client);
    tilora::BoardPainter(cache, none).Paint(painter, scene, QRegion(client.rect()));
    benchmark::DoNotOptimize(client.constBits());
}

long StatusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

// Runs first, before the other benchmarks have grown the heap. The peak is reset to the
// present size just before the opening (clear_refs 5), so it counts the opening alone.
// Only a fresh process measures it truly (repetitions reuse the heap the first one grew):
//   photo_bench --benchmark_filter=PeakMemory
void BM_PeakMemoryAboveIdle(benchmark::State& state)
{
    File();
    for (auto _ : state) {
        const long idle = StatusKiB("VmRSS:");
        std::ofstream("/proc/self/clear_refs") << "5";
        OpenAndFirstPaint();
        const long peak = StatusKiB("VmHWM:");
        state.counters["idle_MiB"] = static_cast<double>(idle) / 1024.0;
        state.counters["peak_above_idle_MiB"] = static_cast<double>(peak - idle) / 1024.0;
    }
}

// The floor: Qt's reader alone, from the file to the image at the reduced size.
QImage BareDecode()
{
    QImageReader reader(File().Path());
    reader.setScaledSize(ReducedSize());
    return reader.read();
}

void BM_BareDecodeAtReducedSize(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage image = BareDecode();
        if (image.isNull())
            state.SkipWithError("the photo did not decode");
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The game's reader alone: the file read whole, then decoded from memory.
void BM_ReadPhotoFile(benchmark::State& state)
{
    for (auto _ : state) {
        const tilora::PhotoRead read = tilora::ReadPhotoFile(File().Path(), tilora::LargestBoardSide(400, 1.0));
        if (read.result != tilora::PhotoReadResult::Decoded)
            state.SkipWithError("the photo did not decode");
        benchmark::DoNotOptimize(read.image.constBits());
    }
}

// What the player waits for after choosing the file.
void BM_OpenAndFirstPaint(benchmark::State& state)
{
    File();
    for (auto _ : state)
        OpenAndFirstPaint();
}

// The same for a photo with a colour profile: the conversion to sRGB on top.
void BM_OpenAndFirstPaintWithProfile(benchmark::State& state)
{
    TaggedFile();
    for (auto _ : state)
        OpenAndFirstPaint(TaggedFile());
}

// The ratios that must hold, from one run: the first paint within 1.1 x the bare decode,
// and the same for the photo with a colour profile (the conversion to sRGB on top). The
// three are timed in turns, the fastest of each kept, so that a busy machine slows all
// alike; by the wall clock and by the processor time of all the program's threads.
void BM_Ratios(benchmark::State& state)
{
    File();
    TaggedFile();
    for (auto _ : state) {
        for (const auto& [clock, now] : {std::pair{"", &tilora::bench::WallSeconds},
                                         std::pair{"cpu ", &tilora::bench::ProcessSeconds}}) {
            double bare = 1e9;
            double plain = 1e9;
            double tagged = 1e9;
            for (int turn = 0; turn < 8; ++turn) {
                using tilora::bench::Fastest;
                bare = std::min(bare, Fastest(1, [] { benchmark::DoNotOptimize(BareDecode().constBits()); }, now));
                plain = std::min(plain, Fastest(1, [] { OpenAndFirstPaint(); }, now));
                tagged = std::min(tagged, Fastest(1, [] { OpenAndFirstPaint(TaggedFile()); }, now));
            }
            state.counters[std::string(clock) + "first paint/bare decode"] = plain / bare;
            state.counters[std::string(clock) + "with profile/bare decode"] = tagged / bare;
        }
    }
}

BENCHMARK(BM_PeakMemoryAboveIdle)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BareDecodeAtReducedSize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadPhotoFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAndFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenAndFirstPaintWithProfile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Ratios)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
