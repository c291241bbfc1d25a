// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/PatternDatabase.h"

#include <algorithm>
#include <future>
#include <limits>

#include "solver/GroupSearch.h"

namespace tilora::solver {
namespace {

constexpr std::uint8_t kUnset = std::numeric_limits<std::uint8_t>::max();

template <int Side>
bool Search(const Pattern& pattern, std::vector<std::uint8_t>& distances, const std::stop_token& stop)
{
    GroupSearch<Side> search(pattern.tiles.data(), pattern.size, distances);
    return search.Run(stop);
}

}  // namespace

PatternDatabase::PatternDatabase(const Pattern& pattern, int side, std::stop_token stop)
{
    if (stop.stop_requested())
        return;
    const int bits = side == kSide ? 4 : 5;
    m_distances.assign(std::size_t{1} << (bits * pattern.size), kUnset);
    if (!(side == kSide ? Search<kSide>(pattern, m_distances, stop) : Search<kFiveSide>(pattern, m_distances, stop))) {
        m_distances.clear();
        m_distances.shrink_to_fit();
    }
}

namespace {

// The two groups of six are built side by side, the small groups after the second.
std::vector<PatternDatabase> BuildAll(const std::stop_token& stop)
{
    auto first = std::async(std::launch::async, [stop] { return PatternDatabase(kPartition[0], kSide, stop); });
    std::vector<PatternDatabase> rest;
    rest.reserve(kTableCount);
    for (int g = 1; g < kPatterns; ++g)
        rest.emplace_back(kPartition[g], kSide, stop);
    for (const auto& partition : kFivePartitions)
        for (const Pattern& pattern : partition)
            rest.emplace_back(pattern, kFiveSide, stop);
    std::vector<PatternDatabase> all;
    all.reserve(kTableCount);
    all.push_back(first.get());
    for (PatternDatabase& database : rest)
        all.push_back(std::move(database));
    return all;
}

}  // namespace

PatternDatabases::PatternDatabases(std::stop_token stop) : m_built(BuildAll(stop))
{
    for (int t = 0; t < kTableCount; ++t)
        m_tables[t] = m_built[t].Complete() ? m_built[t].Data() : nullptr;
}

PatternDatabases::PatternDatabases(const Tables& tables, std::shared_ptr<const void> owner)
    : m_tables(tables), m_owner(std::move(owner))
{
}

bool PatternDatabases::Complete() const
{
    return std::all_of(m_tables.begin(), m_tables.end(), [](const std::uint8_t* table) { return table != nullptr; });
}

const std::array<TileSlot, kCells + 1>& PatternDatabases::Slots()
{
    static const std::array<TileSlot, kCells + 1> slots = [] {
        std::array<TileSlot, kCells + 1> result{};
        for (int g = 0; g < kPatterns; ++g)
            for (int k = 0; k < kPartition[g].size; ++k)
                result[kPartition[g].tiles[k]] = {g, 4 * k};
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

std::size_t PatternDatabases::Bytes()
{
    std::size_t bytes = 0;
    for (const std::size_t table : kTableBytes)
        bytes += table;
    return bytes;
}

}  // namespace tilora::solver
