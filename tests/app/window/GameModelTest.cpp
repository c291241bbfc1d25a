// SPDX-License-Identifier: GPL-3.0-or-later
// Every input the game takes, in a seeded random order, against a small model of the
// rules, with a screen reader's bridge listening. After every step: the board is a
// permutation of its size, the view, the reading cursor and the accessible table agree
// with the board on show, the record holds one game per game ended, no solved game is
// kept for the next start, and nothing moved behind a dialog. A failure names its seed
// (TILORA_MODEL_SEED repeats it) and the shortest sequence of steps found that fails.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <sstream>

#include "GameModelWorld.h"

namespace tilora::test {

namespace {

std::vector<Step> Steps(std::uint32_t seed, int count)
{
    std::mt19937 rng(seed);
    // Moves come most often, as in play; the rest evenly.
    std::vector<Input> weighted;
    for (int i = 0; i < static_cast<int>(Input::Count); ++i)
        weighted.insert(weighted.end(), i >= 1 && i <= 6 ? 8 : 1, static_cast<Input>(i));
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back({weighted[rng() % weighted.size()], static_cast<std::uint32_t>(rng())});
    return steps;
}

std::string Failure(std::uint32_t seed, const std::vector<Step>& steps)
{
    World world(seed);
    return world.Run(steps);
}

// Drops runs of steps while the sequence still fails, longest runs first.
std::vector<Step> Shorten(std::uint32_t seed, std::vector<Step> steps, std::size_t upTo)
{
    steps.resize(upTo + 1);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(45);
    for (std::size_t chunk = steps.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= steps.size() && std::chrono::steady_clock::now() < deadline;) {
            std::vector<Step> fewer = steps;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(start),
                        fewer.begin() + static_cast<std::ptrdiff_t>(start + chunk));
            if (!Failure(seed, fewer).empty())
                steps = std::move(fewer);
            else
                start += chunk;
        }
    }
    return steps;
}

TEST(GameModelTest, EveryMixOfInputsKeepsEveryListenerConsistent)
{
    const char* given = std::getenv("TILORA_MODEL_SEED");
    const std::uint32_t seed =
        given ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10)) : std::random_device{}();
    const char* count = std::getenv("TILORA_MODEL_STEPS");
    const std::vector<Step> steps = Steps(seed, count ? std::atoi(count) : 20000);
    std::cerr << "model seed " << seed << "\n";
    // The budget is the processor time the run takes: a loaded machine stretches the
    // clock on the wall, not the work.
    const std::clock_t started = std::clock();
    const std::string failure = Failure(seed, steps);
    if (failure.empty()) {
        EXPECT_LT(static_cast<double>(std::clock() - started) / CLOCKS_PER_SEC, 60.0);
        return;
    }
    const std::size_t at = std::stoul(failure.substr(5));
    const std::vector<Step> shortest = Shorten(seed, steps, at);
    std::ostringstream sequence;
    for (const Step& step : shortest)
        sequence << kInputNames[static_cast<int>(step.input)] << "/" << step.seed << " ";
    ADD_FAILURE() << "seed " << seed << ": " << failure << "\nshortened (" << shortest.size()
                  << " steps): " << sequence.str() << "\nthere: " << Failure(seed, shortest);
}

}  // namespace
}  // namespace tilora::test
