// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a 6000 x 4000 picture of 24 bits (72 MB): the bitmap reader against a plain
// sequential read of the same file into memory, the drawing step, and the first paint of
// the board after the picture was read.
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "board/Board.h"
#include "display/BoardPainter.h"
#include "display/DrawableBitmap.h"
#include "display/PictureCache.h"
#include "picture/BitmapReader.h"

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

void Put(std::vector<char>& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>(v >> (8 * i)));
}

// The picture file, written once into the temporary folder and removed at exit.
class PictureFile {
public:
    PictureFile() : m_path(std::filesystem::temp_directory_path() / ("tilora-bench-" + std::to_string(::getpid()) + ".bmp"))
    {
        const std::uint32_t row = 3 * kWidth;  // 18000, a multiple of 4
        std::vector<char> header;
        header.push_back('B');
        header.push_back('M');
        Put(header, 54 + row * kHeight, 4);
        Put(header, 0, 4);
        Put(header, 54, 4);
        for (const std::uint32_t v : {40u, std::uint32_t{kWidth}, std::uint32_t{kHeight}})
            Put(header, v, 4);
        Put(header, 1, 2);
        Put(header, 24, 2);
        for (const std::uint32_t v : {0u, row * kHeight, 2835u, 2835u, 0u, 0u})
            Put(header, v, 4);
        std::ofstream out(m_path, std::ios::binary);
        out.write(header.data(), static_cast<std::streamsize>(header.size()));
        std::vector<char> line(row);
        for (int y = 0; y < kHeight; ++y) {
            for (std::uint32_t i = 0; i < row; ++i)
                line[i] = static_cast<char>(i * 7 + static_cast<std::uint32_t>(y) * 3);
            out.write(line.data(), static_cast<std::streamsize>(line.size()));
        }
    }
    ~PictureFile() { std::filesystem::remove(m_path); }
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::int64_t Size() const { return static_cast<std::int64_t>(std::filesystem::file_size(m_path)); }

private:
    std::filesystem::path m_path;
};

const PictureFile& File()
{
    static const PictureFile file;
    return file;
}

// The yardstick: the whole file into a buffer with read(2), front to back.
void BM_PlainRead(benchmark::State& state)
{
    const PictureFile& file = File();
    for (auto _ : state) {
        const int fd = ::open(file.Path().c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        ::fstat(fd, &info);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        ::close(fd);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * file.Size());
}

void BM_ReadBitmapFile(benchmark::State& state)
{
    const PictureFile& file = File();
    for (auto _ : state) {
        tilora::PictureRecord record;
        if (tilora::ReadBitmapFile(file.Path(), record) != tilora::BitmapReadResult::Loaded)
            state.SkipWithError("the picture did not load");
        benchmark::DoNotOptimize(record.m_pPixels.data());
    }
    state.SetBytesProcessed(state.iterations() * file.Size());
}

void BM_MakeDrawableBitmap(benchmark::State& state)
{
    tilora::PictureRecord record;
    if (tilora::ReadBitmapFile(File().Path(), record) != tilora::BitmapReadResult::Loaded)
        state.SkipWithError("the picture did not load");
    for (auto _ : state) {
        const auto image = tilora::MakeDrawableBitmap(record);
        if (!image)
            state.SkipWithError("the picture could not be drawn");
        benchmark::DoNotOptimize(image->constBits());
    }
}

// What the player waits for after choosing the file: the read, then the first paint of
// a 10 x 10 board, which decodes the picture and cuts it into blocks and the thumbnail.
void BM_ReadAndFirstPaint(benchmark::State& state)
{
    tilora::Board board;
    board.SetGridSize(10);
    const tilora::PaintState scene{true, false, false, true, 1, &board};
    QImage client(437, 330, QImage::Format_ARGB32_Premultiplied);
    const QRegion all(client.rect());
    for (auto _ : state) {
        tilora::PictureRecord record;
        if (tilora::ReadBitmapFile(File().Path(), record) != tilora::BitmapReadResult::Loaded)
            state.SkipWithError("the picture did not load");
        tilora::PictureCache cache;
        QPainter painter(&client);
        tilora::BoardPainter(cache, record).Paint(painter, scene, all);
        benchmark::DoNotOptimize(client.constBits());
    }
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBitmapFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MakeDrawableBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAndFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
