// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/PatternDatabase.h"

#include <algorithm>
#include <future>
#include <limits>

namespace tilora::solver {
namespace {

constexpr std::uint8_t kUnset = std::numeric_limits<std::uint8_t>::max();
constexpr int kBlankShift = PatternDatabase::kIndexBits;

}  // namespace

PatternDatabase::PatternDatabase(const Pattern& pattern, std::stop_token stop) : m_distances(kEntries, kUnset)
{
    // The search runs over the group's tiles and the blank, where a move of a group tile
    // costs 1 and a move of any other tile costs 0: layer d holds every state whose
    // cheapest way home costs d. Zero-cost moves stay in the layer being expanded.
    std::vector<std::uint8_t> cost(std::size_t{1} << (kIndexBits + 4), kUnset);
    std::uint32_t home = 0;
    for (int k = 0; k < kPatternTiles; ++k)
        home |= static_cast<std::uint32_t>(pattern[k] - 1) << (4 * k);
    home |= static_cast<std::uint32_t>(kBlank - 1) << kBlankShift;

    std::vector<std::uint32_t> layer{home};
    std::vector<std::uint32_t> next;
    cost[home] = 0;
    for (std::uint8_t d = 0; !layer.empty(); ++d) {
        for (std::size_t i = 0; i < layer.size(); ++i) {
            if ((i & 0xFFFF) == 0 && stop.stop_requested()) {
                m_distances.clear();
                return;
            }
            const std::uint32_t state = layer[i];
            if (cost[state] != d)
                continue;  // reached more cheaply after it was queued for this layer
            const int blank = static_cast<int>(state >> kBlankShift);
            std::array<int, kCells> owner{};
            owner.fill(-1);
            for (int k = 0; k < kPatternTiles; ++k)
                owner[(state >> (4 * k)) & 15U] = k;
            for (const int q : kNeighbours[blank]) {
                if (q < 0)
                    continue;
                std::uint32_t moved = (state & ((1U << kBlankShift) - 1)) | (static_cast<std::uint32_t>(q) << kBlankShift);
                if (owner[q] < 0) {
                    if (cost[moved] == kUnset || cost[moved] > d) {
                        cost[moved] = d;
                        layer.push_back(moved);
                    }
                    continue;
                }
                const int shift = 4 * owner[q];
                moved = (moved & ~(15U << shift)) | (static_cast<std::uint32_t>(blank) << shift);
                if (cost[moved] == kUnset) {
                    cost[moved] = static_cast<std::uint8_t>(d + 1);
                    next.push_back(moved);
                }
            }
        }
        layer.swap(next);
        next.clear();
    }

    // The blank's place does not enter the table: each placement keeps its cheapest cost.
    for (std::size_t state = 0; state < cost.size(); ++state) {
        std::uint8_t& entry = m_distances[state & (kEntries - 1)];
        entry = std::min(entry, cost[state]);
    }
}

namespace {

// The three searches are independent: two run on threads of their own beside the third.
std::array<PatternDatabase, kPatterns> BuildAll(const std::stop_token& stop)
{
    auto first = std::async(std::launch::async, [stop] { return PatternDatabase(kPartition[0], stop); });
    auto second = std::async(std::launch::async, [stop] { return PatternDatabase(kPartition[1], stop); });
    PatternDatabase third(kPartition[2], stop);
    return {first.get(), second.get(), std::move(third)};
}

}  // namespace

PatternDatabases::PatternDatabases(std::stop_token stop) : m_databases(BuildAll(stop)) {}

bool PatternDatabases::Complete() const
{
    return m_databases[0].Complete() && m_databases[1].Complete() && m_databases[2].Complete();
}

const std::array<TileSlot, kCells + 1>& PatternDatabases::Slots()
{
    static const std::array<TileSlot, kCells + 1> slots = [] {
        std::array<TileSlot, kCells + 1> result{};
        for (int g = 0; g < kPatterns; ++g)
            for (int k = 0; k < kPatternTiles; ++k)
                result[kPartition[g][k]] = {g, 4 * k};
        return result;
    }();
    return slots;
}

std::array<std::uint32_t, kPatterns> PatternDatabases::Indexes(const std::array<int, kCells>& tiles)
{
    std::array<std::uint32_t, kPatterns> indexes{};
    for (int p = 0; p < kCells; ++p) {
        const TileSlot slot = Slots()[tiles[p]];
        if (slot.pattern >= 0)
            indexes[slot.pattern] |= static_cast<std::uint32_t>(p) << slot.shift;
    }
    return indexes;
}

std::size_t PatternDatabases::Bytes() const
{
    return m_databases[0].Bytes() + m_databases[1].Bytes() + m_databases[2].Bytes();
}

}  // namespace tilora::solver
