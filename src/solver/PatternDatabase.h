// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <stop_token>
#include <vector>

namespace tilora::solver {

// Positions on the 4 x 4 board are numbered 0..15 in reading order. Tile t (1..15) belongs
// at position t - 1 and the blank, tile 16, at position 15.
inline constexpr int kSide = 4;
inline constexpr int kCells = kSide * kSide;
inline constexpr int kBlank = kCells;

// The positions next to each position (up, left, right, down), -1 where the board ends.
inline constexpr std::array<std::array<int, 4>, kCells> kNeighbours = [] {
    std::array<std::array<int, 4>, kCells> result{};
    for (int p = 0; p < kCells; ++p) {
        const int r = p / kSide;
        const int c = p % kSide;
        result[p] = {r > 0 ? p - kSide : -1, c > 0 ? p - 1 : -1, c < kSide - 1 ? p + 1 : -1,
                     r < kSide - 1 ? p + kSide : -1};
    }
    return result;
}();

// The three disjoint groups of five tiles. A move shifts exactly one tile, so the moves
// of a group's own tiles, counted apart from all others, add up to a lower bound on the
// length of any solution.
inline constexpr int kPatterns = 3;
inline constexpr int kPatternTiles = 5;
using Pattern = std::array<int, kPatternTiles>;
inline constexpr std::array<Pattern, kPatterns> kPartition{{
    {1, 2, 5, 6, 9},
    {3, 4, 7, 8, 12},
    {10, 11, 13, 14, 15},
}};

// Where a tile sits within the partition: its group and its nibble in the group's index.
struct TileSlot {
    int pattern = -1;  // -1 for the blank
    int shift = 0;     // the bit offset of its position in the group's index
};

// The fewest moves of a group's own tiles that bring them home, for every placement of
// them, whatever the other tiles and the blank do. The index of a placement is the five
// positions, four bits each, in the group's tile order: one byte for each of 2^20
// indexes (the unused ones, with two tiles on one cell, stay unset).
class PatternDatabase {
public:
    static constexpr int kIndexBits = 4 * kPatternTiles;
    static constexpr std::size_t kEntries = std::size_t{1} << kIndexBits;

    // Runs the retrograde search from the solved board. Takes a few hundred ms and a
    // 16 MiB scratch table; the result keeps 1 MiB. A stop request abandons the search
    // and leaves the database empty.
    explicit PatternDatabase(const Pattern& pattern, std::stop_token stop = {});

    bool Complete() const { return !m_distances.empty(); }
    std::uint8_t Distance(std::uint32_t index) const { return m_distances[index]; }
    const std::uint8_t* Data() const { return m_distances.data(); }
    std::size_t Bytes() const { return m_distances.size(); }

private:
    std::vector<std::uint8_t> m_distances;
};

// The three databases of the partition and the lookups the search needs.
class PatternDatabases {
public:
    // Builds the three databases, two of them on threads of their own.
    explicit PatternDatabases(std::stop_token stop = {});
    // False when a stop request cut the build short: such databases must not be used.
    bool Complete() const;

    // The slot of each tile 1..16 (index 0 unused).
    static const std::array<TileSlot, kCells + 1>& Slots();

    // The group indexes of the board `tiles` (tile at each position).
    static std::array<std::uint32_t, kPatterns> Indexes(const std::array<int, kCells>& tiles);

    int Estimate(const std::array<std::uint32_t, kPatterns>& indexes) const
    {
        return m_databases[0].Distance(indexes[0]) + m_databases[1].Distance(indexes[1])
               + m_databases[2].Distance(indexes[2]);
    }

    // The table of group g, indexed as Indexes makes its indexes.
    const std::uint8_t* Table(int g) const { return m_databases[g].Data(); }

    std::size_t Bytes() const;

private:
    std::array<PatternDatabase, kPatterns> m_databases;
};

}  // namespace tilora::solver
