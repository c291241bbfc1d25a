// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <string>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

#include "SharedTables.h"
#include "solver/TableFile.h"

namespace tilora::solver {
namespace {

namespace fs = std::filesystem;

// A scratch folder, removed with what it holds.
struct Scratch {
    Scratch()
        : path(fs::temp_directory_path() / ("tilora-tables-" + std::to_string(::getpid()) + "-" + std::to_string(++count)))
    {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Scratch() { fs::remove_all(path); }
    fs::path path;
    static inline std::atomic<int> count{0};
};

// A build that hands out the shared tables, counting its calls, after `delay`.
struct CountedBuild {
    std::atomic<int> calls{0};
    std::chrono::milliseconds delay{0};
    TableBuild Function()
    {
        return [this](std::stop_token) {
            ++calls;
            std::this_thread::sleep_for(delay);
            return SharedTables();
        };
    }
};

// Flips bits of the byte at `offset`, counted from the end when negative.
void Flip(const fs::path& file, std::streamoff offset, char bits)
{
    std::fstream stream(file, std::ios::binary | std::ios::in | std::ios::out);
    stream.seekg(offset, offset < 0 ? std::ios::end : std::ios::beg);
    const auto at = stream.tellg();
    char byte = 0;
    stream.read(&byte, 1);
    stream.seekp(at);
    stream.put(static_cast<char>(byte ^ bits));
}

// A file cut short, grown, with a flipped bit in any table or in its header, or of another
// program is refused, whether installed or cached, and the tables are rebuilt into the
// cache, where the file then maps.
TEST(TableFileTest, ADamagedFileIsRefusedAndRebuilt)
{
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> damage;
    };
    const auto size = static_cast<std::uintmax_t>(TableFileBytes());
    const std::vector<Case> cases{
        {"cut short", [size](const fs::path& f) { fs::resize_file(f, size - 1); }},
        {"grown", [size](const fs::path& f) { fs::resize_file(f, size + 1); }},
        {"empty", [](const fs::path& f) { fs::resize_file(f, 0); }},
        {"a bit flipped in the first table", [](const fs::path& f) { Flip(f, 4096 + 12345, 1); }},
        {"a bit flipped in the last table", [](const fs::path& f) { Flip(f, -3, 4); }},
        {"another version", [](const fs::path& f) { Flip(f, 8, 2); }},
        {"another program's file", [](const fs::path& f) { Flip(f, 0, 1); }},
    };
    for (const bool installed : {false, true}) {
        for (const Case& c : cases) {
            const Scratch data;
            const Scratch cache;
            const fs::path damaged = (installed ? data.path : cache.path) / kTableFileName;
            std::string why;
            ASSERT_TRUE(WriteTableFile(damaged, *SharedTables(), why)) << why;
            c.damage(damaged);
            EXPECT_EQ(MapTableFile(damaged, why), nullptr) << c.what;
            CountedBuild build;
            const auto obtained = ObtainTables({{data.path}, cache.path}, {}, build.Function());
            EXPECT_EQ(build.calls, 1) << c.what;
            EXPECT_NE(obtained.note.find("refused"), std::string::npos) << c.what << ": " << obtained.note;
            EXPECT_EQ(obtained.file, cache.path / kTableFileName) << c.what;
            EXPECT_NE(MapTableFile(cache.path / kTableFileName, why), nullptr) << c.what << ": " << why;
        }
    }
}

// A FIFO, a device, a folder or a file far too large where the tables belong is passed
// over with a note, neither waited on nor mapped, and the tables are still obtained:
// built and written over it in the cache, or kept in memory when it cannot be replaced.
TEST(TableFileTest, WhatIsNoTableFileIsPassedOverAndTheTablesStillCome)
{
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
    };
    const std::vector<Case> cases{
        {"a FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }},
        {"a link to a device", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }},
        {"a folder", [](const fs::path& f) { fs::create_directory(f); }},
        {"a sparse file of 64 GB",
         [](const fs::path& f) {
             std::ofstream(f).close();
             fs::resize_file(f, 64ULL << 30);
         }},
    };
    for (const bool installed : {false, true}) {
        for (const Case& c : cases) {
            const Scratch data;
            const Scratch cache;
            const fs::path file = (installed ? data.path : cache.path) / kTableFileName;
            c.make(file);
            CountedBuild build;
            bool mapped = true;
            auto obtaining = std::async(std::launch::async, [&] {
                std::string why;
                mapped = MapTableFile(file, why) != nullptr;
                return ObtainTables({{data.path}, cache.path}, {}, build.Function());
            });
            // A FIFO that held the open would hold the test too: it fails here first, and
            // ctest's time limit ends it.
            ASSERT_EQ(obtaining.wait_for(std::chrono::seconds(20)), std::future_status::ready) << c.what << " held it";
            const ObtainedTables obtained = obtaining.get();
            EXPECT_FALSE(mapped) << c.what;
            EXPECT_TRUE(obtained.tables) << c.what;
            EXPECT_NE(obtained.note.find("refused"), std::string::npos) << c.what << ": " << obtained.note;
            EXPECT_EQ(build.calls, 1) << c.what;
        }
    }
}

// The file is replaced whole in one step, never written where it lies: whoever has the
// old file open (another running copy maps it) keeps reading it as it was.
TEST(TableFileTest, AWriteReplacesTheFileInOneStep)
{
    const Scratch cache;
    const fs::path file = cache.path / kTableFileName;
    std::ofstream(file) << "an old file";
    fs::create_hard_link(file, cache.path / "old");
    std::string why;
    ASSERT_TRUE(WriteTableFile(file, *SharedTables(), why)) << why;
    std::ifstream old(cache.path / "old");
    const std::string kept(std::istreambuf_iterator<char>(old), {});
    EXPECT_TRUE(kept == "an old file") << "the old file was written over: now " << kept.size() << " bytes";
    EXPECT_EQ(fs::file_size(file), TableFileBytes());
    EXPECT_EQ(std::distance(fs::directory_iterator(cache.path), fs::directory_iterator()), 2) << "a temporary file left";
}

// A good file is mapped at once, with nothing to say, and its tables are the built ones.
TEST(TableFileTest, AGoodFileIsMappedWithoutABuild)
{
    const Scratch data;
    const Scratch cache;
    std::string why;
    ASSERT_TRUE(WriteTableFile(data.path / kTableFileName, *SharedTables(), why)) << why;
    CountedBuild build;
    const auto obtained = ObtainTables({{data.path}, cache.path}, {}, build.Function());
    ASSERT_TRUE(obtained.tables);
    EXPECT_EQ(build.calls, 0);
    EXPECT_TRUE(obtained.note.empty()) << obtained.note;
    EXPECT_FALSE(fs::exists(cache.path / kTableFileName));
    for (int t = 0; t < kTableCount; ++t)
        EXPECT_EQ(0, std::memcmp(obtained.tables->All()[t], SharedTables()->All()[t], kTableBytes[t])) << "table " << t;
}

// Two starts at once build and write the file once: the second waits for the first and
// maps what it wrote.
TEST(TableFileTest, TwoStartsAtOnceBuildOnce)
{
    const Scratch cache;
    CountedBuild build;
    build.delay = std::chrono::milliseconds(300);
    ObtainedTables first;
    ObtainedTables second;
    std::thread other([&] { first = ObtainTables({{}, cache.path}, {}, build.Function()); });
    second = ObtainTables({{}, cache.path}, {}, build.Function());
    other.join();
    EXPECT_EQ(build.calls, 1);
    EXPECT_TRUE(first.tables && second.tables);
    EXPECT_EQ(first.file, cache.path / kTableFileName);
    EXPECT_EQ(second.file, cache.path / kTableFileName);
}

// A cache folder that cannot be made still gives tables, built in memory, and says so; a
// stop request gives none and writes nothing.
TEST(TableFileTest, NoCacheStillGivesTablesAndAStopGivesNone)
{
    const Scratch scratch;
    std::ofstream(scratch.path / "a-file") << "not a folder";
    CountedBuild build;
    const auto obtained = ObtainTables({{}, scratch.path / "a-file" / "tilora"}, {}, build.Function());
    EXPECT_TRUE(obtained.tables);
    EXPECT_TRUE(obtained.file.empty());
    EXPECT_NE(obtained.note.find("in memory"), std::string::npos) << obtained.note;

    std::stop_source stop;
    stop.request_stop();
    const auto stopped = ObtainTables({{}, scratch.path / "cache"}, stop.get_token());
    EXPECT_FALSE(stopped.tables);
    EXPECT_FALSE(fs::exists(scratch.path / "cache" / kTableFileName));
}

}  // namespace
}  // namespace tilora::solver
