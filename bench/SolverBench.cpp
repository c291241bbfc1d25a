// SPDX-License-Identifier: GPL-3.0-or-later
// Hint timings: the databases' build, the first hint of 200 dealt 4 x 4 boards, the later
// hints along the found path, and whole solutions of dealt 10 x 10 boards. Prints the
// figures; run it from a release build. Search times are processor time of the one
// searching thread, which a busy machine does not inflate.
// With --boards FILE it solves the boards of the file instead (see BoardsRun.h).
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "BoardsRun.h"

#include "board/CrtRandom.h"
#include "board/Deal.h"
#include "solver/BoardSolver.h"
#include "solver/HintPlan.h"
#include "solver/PatternDatabase.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    return values[at];
}

tilora::Board Dealt(int n, std::uint32_t seed)
{
    tilora::Board board;
    board.SetGridSize(n);
    tilora::CrtRandom random;
    random.Seed(seed);
    tilora::ScrambleBoard(board, 100, random);
    return board;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace tilora;
    if (argc > 1) {
        if (argc != 3 || std::strcmp(argv[1], "--boards") != 0) {
            std::fprintf(stderr, "usage: solver_bench [--boards FILE]\n");
            return 2;
        }
        std::ifstream file(argv[2]);
        if (!file) {
            std::fprintf(stderr, "solver_bench: cannot read %s\n", argv[2]);
            return 1;
        }
        std::string error;
        const auto boards = bench::ReadBoards(file, error);
        if (!boards) {
            std::fprintf(stderr, "solver_bench: %s: %s\n", argv[2], error.c_str());
            return 1;
        }
        return bench::RunBoards(*boards);
    }
    const auto buildStart = Clock::now();
    const std::clock_t buildCpu = std::clock();
    const solver::PatternDatabases databases;
    const double buildMs = Milliseconds(Clock::now() - buildStart);
    const double buildCpuMs = 1000.0 * static_cast<double>(std::clock() - buildCpu) / CLOCKS_PER_SEC;
    // On a busy machine the wall time counts the waits for a core; the processor time of
    // all threads together is the work itself.
    std::printf("databases: built in %.0f ms wall, %.0f ms processor time, %.1f MiB\n", buildMs, buildCpuMs,
                static_cast<double>(databases.Bytes()) / (1 << 20));

    std::vector<double> first;
    std::vector<double> later;
    std::vector<double> lengths;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        Board board = Dealt(4, seed);
        const std::clock_t start = std::clock();
        auto moves = solver::SolveBoard(board, databases);
        first.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        if (!moves) {
            std::printf("seed %u: no solution\n", seed);
            return 1;
        }
        lengths.push_back(static_cast<double>(moves->size()));
        solver::HintPlan plan;
        plan.Set(board, *moves);
        for (;;) {
            const auto hintStart = Clock::now();
            const auto cell = plan.Next(board);
            later.push_back(Milliseconds(Clock::now() - hintStart));
            if (!cell)
                break;
            board.Slide(*cell, *board.BlankNeighbour(*cell));
            plan.Advance();
        }
        if (!board.IsSolved()) {
            std::printf("seed %u: the plan does not solve the board\n", seed);
            return 1;
        }
    }
    std::printf("4 x 4 first hint, 200 boards at level 100: median %.1f ms, 95%% %.1f ms, max %.1f ms; "
                "optimal length median %.0f, max %.0f\n",
                Quantile(first, 0.5), Quantile(first, 0.95), Quantile(first, 1.0), Quantile(lengths, 0.5),
                Quantile(lengths, 1.0));
    std::printf("4 x 4 later hints: max %.4f ms\n", Quantile(later, 1.0));

    std::vector<double> whole;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        Board board = Dealt(10, seed);
        tilora::CrtRandom random;
        random.Seed(seed);
        Board counted;
        counted.SetGridSize(10);
        const auto dealt = ScrambleBoard(counted, 100, random);
        const std::clock_t start = std::clock();
        const auto moves = solver::SolveBoard(board, databases);
        whole.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        if (!moves) {
            std::printf("10 x 10 seed %u: no solution\n", seed);
            return 1;
        }
        std::printf("10 x 10 seed %u: %.1f ms, %zu moves (the deal made %lld steps)\n", seed, whole.back(),
                    moves->size(), static_cast<long long>(dealt));
    }
    std::printf("10 x 10 whole solution: median %.1f ms, max %.1f ms\n", Quantile(whole, 0.5), Quantile(whole, 1.0));
    return 0;
}
