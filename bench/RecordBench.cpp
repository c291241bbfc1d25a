// SPDX-License-Identifier: GPL-3.0-or-later
// The record of games at the size of years of play: reading a record of 1,000,000 games,
// each kept whole (a 4 x 4 start and its moves, with the seconds between them),
// adding one game to it, and for comparison the whole rewrite that a length filled in
// later costs, and the statistics of them all. The file's size is reported as a counter.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "app/record/GameTrace.h"
#include "app/record/RecordFile.h"
#include "app/record/Statistics.h"
#include "common/AtomicFile.h"

namespace {

namespace fs = std::filesystem;
using namespace tilora;

constexpr int kGames = 1'000'000;

// A scratch folder with a record of a million varied games, made once per program.
class MillionGames {
public:
    MillionGames()
    {
        m_folder = fs::temp_directory_path() / ("tilora-record-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_folder);
        std::mt19937 random(7);
        std::string text = record_file::Header();
        std::string moves;
        for (int i = 0; i < kGames; ++i) {
            KeptGame game{1'700'000'000 + 600LL * i, 4 + static_cast<int>(random() % 3), 1 + static_cast<int>(random() % 100),
                          static_cast<int>(20 + random() % 900), static_cast<int>(30 + random() % 400),
                          static_cast<int>(random() % 80), random() % 4 == 0, random() % 10 == 0, random() % 5 != 0};
            // The start of a 4 x 4 board and a move or two a second, as a player makes them.
            game.board = "0123456789abcdef";
            std::shuffle(game.board.begin(), game.board.end(), random);
            int second = 0;
            for (int move = 0; move < game.moves; ++move)
                game_trace::AppendMove(game.played, second,
                                       {{0, 0}, {0, static_cast<int>(random() % 2)}, move * game.seconds / game.moves, false});
            game.movesAt = moves.size();
            game.movesLength = static_cast<std::uint32_t>(game.played.size());
            moves += game.played + '\n';
            game.played.clear();
            record_file::AppendLine(text, game);
        }
        WriteFileAtomically(File(), text);
        WriteFileAtomically(record_file::MovesPath(File()), moves);
    }
    ~MillionGames()
    {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    fs::path File() const { return m_folder / "games"; }

private:
    fs::path m_folder;
};

const MillionGames& Record()
{
    static const MillionGames record;
    return record;
}

void BM_ReadMillionGames(benchmark::State& state)
{
    const fs::path file = Record().File();
    for (auto _ : state) {
        const record_file::Contents contents = record_file::Read(file);
        if (contents.games.size() != static_cast<std::size_t>(kGames))
            state.SkipWithError("games lost");
        benchmark::DoNotOptimize(contents.games.data());
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}
BENCHMARK(BM_ReadMillionGames)->Unit(benchmark::kMillisecond);

void BM_AddOneGameToMillion(benchmark::State& state)
{
    const fs::path file = Record().File();
    const KeptGame game{1'800'000'000, 4, 50, 123, 87, 52, false, false, true};
    for (auto _ : state)
        if (!record_file::Append(file, game).empty())
            state.SkipWithError("append failed");
}
BENCHMARK(BM_AddOneGameToMillion)->Unit(benchmark::kMillisecond);

void BM_RewriteMillionGames(benchmark::State& state)
{
    const fs::path file = Record().File();
    for (auto _ : state)
        if (!record_file::Rewrite(file, [](std::vector<KeptGame>& games) { games.back().shortest = 52; }).empty())
            state.SkipWithError("rewrite failed");
}
BENCHMARK(BM_RewriteMillionGames)->Unit(benchmark::kMillisecond)->Iterations(3);

// The Statistics dialog's figures over the whole record.
void BM_StatisticsOfMillionGames(benchmark::State& state)
{
    const std::vector<KeptGame> games = record_file::Read(Record().File()).games;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeStatistics(games));
}
BENCHMARK(BM_StatisticsOfMillionGames)->Unit(benchmark::kMillisecond);

}  // namespace
