// Reading a 6000 x 4000 picture of 24 bits (72 MB): the bitmap reader against a plain
// sequential read of the same file into memory, and the drawing step that the first
// paint after it needs.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "display/DrawableBitmap.h"
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

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBitmapFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MakeDrawableBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
