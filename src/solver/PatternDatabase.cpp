// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/PatternDatabase.h"

#include <bit>
#include <future>
#include <limits>

namespace tilora::solver {
namespace {

constexpr std::uint8_t kUnset = std::numeric_limits<std::uint8_t>::max();
constexpr std::uint32_t kBoardMask = 0xFFFF;
constexpr std::uint32_t kLeftColumn = 0x1111;
constexpr std::uint32_t kRightColumn = 0x8888;

// The cells next to each cell, as a bit set.
constexpr std::array<std::uint32_t, kCells> kNeighbourMasks = [] {
    std::array<std::uint32_t, kCells> result{};
    for (int p = 0; p < kCells; ++p)
        for (const int q : kNeighbours[p])
            if (q >= 0)
                result[p] |= 1U << q;
    return result;
}();

// The cells of `free` the blank reaches from the cells `from` without moving a group tile.
std::uint32_t Reach(std::uint32_t from, std::uint32_t free)
{
    for (;;) {
        const std::uint32_t grown =
            (from | (from << kSide) | (from >> kSide) | ((from & ~kRightColumn) << 1) | ((from & ~kLeftColumn) >> 1))
            & free;
        if (grown == from)
            return from;
        from = grown;
    }
}

// The breadth-first search over the group's placements, where only a move of a group tile
// counts: the blank's wanderings among the other tiles cost nothing, so a state is a
// placement together with the region of free cells the blank is in, and its moves are the
// group tiles next to that region sliding into it. The first layer that reaches a
// placement in any region gives its distance. Placements are indexed by their places, as
// in the database itself.
class GroupSearch {
public:
    GroupSearch(const Pattern& pattern, std::vector<std::uint8_t>& distances)
        : m_size(pattern.size), m_distances(distances), m_regions(distances.size(), 0)
    {
        std::uint32_t home = 0;
        std::uint32_t taken = 0;
        for (int k = 0; k < m_size; ++k) {
            home |= static_cast<std::uint32_t>(pattern.tiles[k] - 1) << (4 * k);
            taken |= 1U << (pattern.tiles[k] - 1);
        }
        m_distances[home] = 0;
        m_layer.push_back(Reached({home, kCells - 1, ~taken & kBoardMask}));
    }

    // False when a stop request cut the search short.
    bool Run(const std::stop_token& stop)
    {
        std::vector<State> next;
        for (std::uint8_t d = 1; !m_layer.empty(); ++d) {
            for (std::size_t i = 0; i < m_layer.size(); ++i) {
                if ((i & 0xFFFF) == 0 && stop.stop_requested())
                    return false;
                Expand(m_layer[i], d, next);
            }
            while (m_offered > m_settled)
                Settle(m_pending[m_settled++ % kAhead], d, next);
            m_layer.swap(next);
            next.clear();
        }
        return true;
    }

private:
    // A placement's places and, from bit kBlankShift on, a cell of the blank's region.
    using State = std::uint32_t;
    static constexpr int kBlankShift = 4 * kMaxPatternTiles;
    static constexpr State kPlacesMask = (State{1} << kBlankShift) - 1;

    // A placement reached, the blank on the cell its tile left.
    struct Candidate {
        std::uint32_t places;
        std::uint32_t blank;
        std::uint32_t free;
    };

    void Expand(State state, std::uint8_t d, std::vector<State>& next)
    {
        const State places = state & kPlacesMask;
        std::uint32_t taken = 0;
        for (int k = 0; k < m_size; ++k)
            taken |= 1U << ((places >> (4 * k)) & 15U);
        const std::uint32_t free = ~taken & kBoardMask;
        const auto region = Reach(1U << (state >> kBlankShift), free);
        for (int k = 0; k < m_size; ++k) {
            const int shift = 4 * k;
            const std::uint32_t from = (places >> shift) & 15U;
            for (std::uint32_t into = kNeighbourMasks[from] & region; into != 0; into &= into - 1) {
                const auto to = static_cast<std::uint32_t>(std::countr_zero(into));
                Offer({(places & ~(15U << shift)) | (to << shift), from, (free & ~(1U << to)) | (1U << from)}, d, next);
            }
        }
    }

    // The look at a candidate's entry waits until kAhead more are offered, its cache line
    // fetched meanwhile: the entries lie all over a large table, and fetching them one at
    // a time would keep the search waiting on memory most of its time.
    void Offer(const Candidate& candidate, std::uint8_t d, std::vector<State>& next)
    {
        __builtin_prefetch(&m_regions[candidate.places]);
        if (m_offered - m_settled == kAhead)
            Settle(m_pending[m_settled++ % kAhead], d, next);
        m_pending[m_offered++ % kAhead] = candidate;
    }

    void Settle(const Candidate& c, std::uint8_t d, std::vector<State>& next)
    {
        if ((m_regions[c.places] & (1U << c.blank)) != 0)
            return;  // the blank's region there was reached already
        if (m_regions[c.places] == 0)
            m_distances[c.places] = d;
        next.push_back(Reached(c));
    }

    State Reached(const Candidate& c)
    {
        const std::uint32_t region = Reach(1U << c.blank, c.free);
        m_regions[c.places] = static_cast<std::uint16_t>(m_regions[c.places] | region);
        return c.places | c.blank << kBlankShift;
    }

    int m_size;
    std::vector<std::uint8_t>& m_distances;
    // For each placement, the cells of the blank's regions reached so far.
    std::vector<std::uint16_t> m_regions;
    std::vector<State> m_layer;
    static constexpr std::size_t kAhead = 16;
    std::array<Candidate, kAhead> m_pending{};
    std::size_t m_offered = 0;
    std::size_t m_settled = 0;
};

}  // namespace

PatternDatabase::PatternDatabase(const Pattern& pattern, std::stop_token stop)
{
    if (stop.stop_requested())
        return;
    m_distances.assign(std::size_t{1} << (4 * pattern.size), kUnset);
    GroupSearch search(pattern, m_distances);
    if (!search.Run(stop)) {
        m_distances.clear();
        m_distances.shrink_to_fit();
    }
}

namespace {

// The two groups of six are built side by side, the small group after the second.
std::array<PatternDatabase, kPatterns> BuildAll(const std::stop_token& stop)
{
    auto first = std::async(std::launch::async, [stop] { return PatternDatabase(kPartition[0], stop); });
    PatternDatabase second(kPartition[1], stop);
    PatternDatabase third(kPartition[2], stop);
    return {first.get(), std::move(second), std::move(third)};
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

std::size_t PatternDatabases::Bytes() const
{
    return m_databases[0].Bytes() + m_databases[1].Bytes() + m_databases[2].Bytes();
}

}  // namespace tilora::solver
