// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stop_token>
#include <vector>

#include "solver/SquareGrid.h"

namespace tilora::solver {

// Positions on the 4 x 4 board are numbered 0..15 in reading order. Tile t (1..15) belongs
// at position t - 1 and the blank, tile 16, at position 15.
inline constexpr int kSide = 4;
inline constexpr int kCells = kSide * kSide;
inline constexpr int kBlank = kCells;

// The positions next to each position (up, left, right, down), -1 where the board ends.
inline constexpr auto kNeighbours = Neighbours<kSide>();

// Disjoint groups of tiles: the left column with the two cells beside its middle, the
// six cells around the blank's home, and the rest of the top row. A move shifts exactly
// one tile, so the moves of a group's own tiles, counted apart from all others, add up to
// a lower bound on the length of any solution. Larger groups give larger bounds: two
// groups of six cut the search several times over against three groups of five. The search
// also looks the board's mirror image about the main diagonal up in the same tables; no
// group's mirror image is a group of the partition, for then that lookup would only repeat
// the board's own. Of the partitions tried, this one needs the fewest positions searched.
inline constexpr int kPatterns = 3;
inline constexpr int kMaxPatternTiles = 6;
struct Pattern {
    std::array<int, kMaxPatternTiles> tiles{};
    int size = 0;
};
inline constexpr std::array<Pattern, kPatterns> kPartition{{
    {{1, 5, 6, 9, 10, 13}, 6},
    {{7, 8, 11, 12, 14, 15}, 6},
    {{2, 3, 4}, 3},
}};

// Where a tile sits within the partition: its group and its nibble in the group's places,
// which hold the positions of the group's tiles, four bits each, the first tile lowest.
struct TileSlot {
    int pattern = -1;  // -1 for the blank
    int shift = 0;     // the bit offset of its position in the group's places
};

// The 5 x 5 board, tiles numbered 1..25 in reading order of their homes, 25 the blank.
inline constexpr int kFiveSide = 5;
inline constexpr int kFiveCells = kFiveSide * kFiveSide;

// The 5 x 5 board's tiles in six groups of four, in two ways: small enough that every
// group's table takes 1 MiB and builds in a fraction of a second. The search takes the
// largest of the sums over both ways, for the board and for its mirror image about the
// main diagonal; no group's mirror image is a group of either way, and the ways cut the
// board differently (blocks of two by two against columns and pairs of columns), so that
// each lookup can add to the others.
inline constexpr int kFivePatterns = 6;
inline constexpr int kFivePartitionCount = 2;
inline constexpr std::array<std::array<Pattern, kFivePatterns>, kFivePartitionCount> kFivePartitions{{
    {{
        {{1, 2, 6, 7}, 4},
        {{3, 4, 5, 8}, 4},
        {{9, 10, 14, 15}, 4},
        {{11, 12, 16, 17}, 4},
        {{13, 18, 19, 20}, 4},
        {{21, 22, 23, 24}, 4},
    }},
    {{
        {{1, 6, 11, 16}, 4},
        {{2, 3, 7, 8}, 4},
        {{4, 5, 9, 10}, 4},
        {{12, 13, 17, 18}, 4},
        {{14, 15, 19, 20}, 4},
        {{21, 22, 23, 24}, 4},
    }},
}};

// Every table, the 4 x 4 groups' first and the 5 x 5 groups' after, and the bytes each
// takes: one byte for each value of the group's places, four bits a tile on 4 x 4 and
// five on 5 x 5.
inline constexpr int kTableCount = kPatterns + kFivePartitionCount * kFivePatterns;
inline constexpr std::array<std::size_t, kTableCount> kTableBytes = [] {
    std::array<std::size_t, kTableCount> result{};
    for (int g = 0; g < kPatterns; ++g)
        result[g] = std::size_t{1} << (4 * kPartition[g].size);
    for (int w = 0; w < kFivePartitionCount; ++w)
        for (int g = 0; g < kFivePatterns; ++g)
            result[kPatterns + w * kFivePatterns + g] = std::size_t{1} << (5 * kFivePartitions[w][g].size);
    return result;
}();

// The fewest moves of a group's own tiles that bring them home, for every placement of
// them, whatever the other tiles and the blank do: one byte for each value of the group's
// places (the values with two tiles on one cell stay unset). Indexing by the places
// themselves spares the search any arithmetic on them: the tables of the two groups of six
// take 16 MiB each where dense numbering would take 5.5, and the search runs about 1.5
// times as fast.
class PatternDatabase {
public:
    // Runs the breadth-first search from the solved board of `side` cells a side (4 or 5).
    // A group of six takes a second or two and a scratch table of 32 MiB beside its own. A
    // stop request abandons the search and leaves the database empty. Throws
    // std::bad_alloc for want of memory.
    PatternDatabase(const Pattern& pattern, int side, std::stop_token stop = {});

    bool Complete() const { return !m_distances.empty(); }
    const std::uint8_t* Data() const { return m_distances.data(); }

private:
    std::vector<std::uint8_t> m_distances;
};

// The databases of both boards' partitions and the lookups the searches need. They are built here
// or read from a file that holds them (see TableFile.h).
class PatternDatabases {
public:
    using Tables = std::array<const std::uint8_t*, kTableCount>;

    // Builds the databases, the two large ones side by side on two threads. Throws
    // std::bad_alloc for want of memory, std::system_error when no thread can be started.
    explicit PatternDatabases(std::stop_token stop = {});
    // Tables held elsewhere, each kTableBytes long, which `owner` keeps alive.
    PatternDatabases(const Tables& tables, std::shared_ptr<const void> owner);
    PatternDatabases(PatternDatabases&&) = default;
    PatternDatabases& operator=(PatternDatabases&&) = default;
    PatternDatabases(const PatternDatabases&) = delete;
    PatternDatabases& operator=(const PatternDatabases&) = delete;
    ~PatternDatabases() = default;

    // False when a stop request cut the build short: such databases must not be used.
    bool Complete() const;

    // The slot of each tile 1..16 (index 0 unused).
    static const std::array<TileSlot, kCells + 1>& Slots();

    // The group places of the board `tiles` (tile at each position).
    static std::array<std::uint32_t, kPatterns> Indexes(const std::array<int, kCells>& tiles);

    // The table of 4 x 4 group g, indexed by its places.
    const std::uint8_t* Table(int g) const { return m_tables[g]; }
    // The table of group g of the 5 x 5 partition w, indexed by its places.
    const std::uint8_t* FiveTable(int w, int g) const { return m_tables[kPatterns + w * kFivePatterns + g]; }
    const Tables& All() const { return m_tables; }

    static std::size_t Bytes();

private:
    std::vector<PatternDatabase> m_built;
    Tables m_tables{};
    std::shared_ptr<const void> m_owner;
};

}  // namespace tilora::solver
