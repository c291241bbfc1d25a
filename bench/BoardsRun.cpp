// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardsRun.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <istream>
#include <sstream>

#include "solver/BoardSolver.h"
#include "solver/PatternDatabase.h"
#include "solver/TableFile.h"

namespace tilora::bench {
namespace {

// The grid sizes the game deals.
bool DealtSize(int n)
{
    return n == 4 || n == 5 || n == 8 || n == 10;
}

// The board one line describes, or the reason it is none.
std::optional<Board> ParseLine(const std::string& line, std::string& why)
{
    std::vector<int> tiles;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        int tile = 0;
        const char* end = word.data() + word.size();
        const auto [at, ec] = std::from_chars(word.data(), end, tile);
        if (ec != std::errc{} || at != end) {
            why = "\"" + word + "\" is not a number";
            return std::nullopt;
        }
        tiles.push_back(tile);
    }
    const int n = static_cast<int>(std::lround(std::sqrt(static_cast<double>(tiles.size()))));
    if (n * n != static_cast<int>(tiles.size()) || !DealtSize(n)) {
        why = std::to_string(tiles.size()) + " numbers, not 16, 25, 64 or 100";
        return std::nullopt;
    }
    Board board;
    board.SetGridSize(n);
    for (int p = 0; p < n * n; ++p)
        board.SetCell(p / n, p % n, tiles[p]);
    if (!solver::IsSolvable(board)) {
        why = "not each of 1.." + std::to_string(n * n) + " once, or a board slides cannot solve";
        return std::nullopt;
    }
    return board;
}

double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(q * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(at, 1, values.size()) - 1];
}

// Processor time of the calling thread: on a machine busy with other work, the search's
// own time, not the waits for a core.
double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

}  // namespace

std::optional<std::vector<Board>> ReadBoards(std::istream& in, std::string& error)
{
    std::vector<Board> boards;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        std::string why;
        const auto board = ParseLine(line, why);
        if (!board) {
            error = "line " + std::to_string(number) + ": " + why;
            return std::nullopt;
        }
        boards.push_back(*board);
    }
    if (boards.empty()) {
        error = "no boards";
        return std::nullopt;
    }
    return boards;
}

int RunBoards(const std::vector<Board>& boards)
{
    // The tables are obtained as the game obtains them, timed on the wall clock: a build,
    // when no file holds them yet, runs on threads of its own.
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const solver::ObtainedTables obtained = solver::ObtainTables(solver::DefaultTableFolders());
    const double tablesMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!obtained.tables) {
        std::fprintf(stderr, "solver_bench: the tables were not built\n");
        return 1;
    }
    if (!obtained.note.empty())
        std::fprintf(stderr, "solver_bench: %s\n", obtained.note.c_str());
    const solver::PatternDatabases& databases = *obtained.tables;
    // The load of a fresh mapping of the file, verified, as a new game's first hint makes it.
    double loadMs = 0;
    double mappedMib = 0;
    if (!obtained.file.empty()) {
        std::string why;
        const auto loadStart = Clock::now();
        const bool loaded = solver::MapTableFile(obtained.file, why) != nullptr;
        loadMs = std::chrono::duration<double, std::milli>(Clock::now() - loadStart).count();
        mappedMib = loaded ? static_cast<double>(solver::TableFileBytes()) / (1 << 20) : 0;
    }
    std::vector<double> times;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const double before = ThreadMilliseconds();
        std::uint64_t nodes = 0;
        const auto moves = solver::SolveBoard(boards[i], databases, {}, &nodes);
        times.push_back(ThreadMilliseconds() - before);
        if (!moves) {
            std::fprintf(stderr, "solver_bench: board %zu: no solution found\n", i + 1);
            return 1;
        }
        std::printf("moves=%zu ms=%.1f nodes=%llu\n", moves->size(), times.back(),
                    static_cast<unsigned long long>(nodes));
    }
    std::printf("boards=%zu median_ms=%.1f p95_ms=%.1f max_ms=%.1f tables_ms=%.0f tables_mib=%.1f load_ms=%.1f "
                "mapped_mib=%.1f\n",
                boards.size(), Quantile(times, 0.5), Quantile(times, 0.95), Quantile(times, 1.0), tablesMs,
                static_cast<double>(databases.Bytes()) / (1 << 20), loadMs, mappedMib);
    return 0;
}

}  // namespace tilora::bench
