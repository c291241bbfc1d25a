// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <stop_token>
#include <type_traits>
#include <vector>

namespace tilora::solver {

// The breadth-first search behind a pattern database on a board `Side` cells wide, over
// the placements of a group's tiles, where only a move of a group tile counts: the blank's
// wanderings among the other tiles cost nothing, so a state is a placement together with
// the region of free cells the blank is in, and its moves are the group tiles next to that
// region sliding into it. The first layer that reaches a placement in any region gives its
// distance. A placement is indexed by its places: the positions of the group's tiles,
// `kBits` bits each, the first tile lowest.
template <int Side>
class GroupSearch {
public:
    static constexpr int kCells = Side * Side;
    static constexpr int kBits = std::bit_width(static_cast<unsigned>(kCells - 1));
    // A set of cells, one bit each.
    using Cells = std::conditional_t<(kCells <= 16), std::uint16_t, std::uint32_t>;

    // `tiles` holds the group's tiles, numbered from 1 in reading order of their homes;
    // `distances` is the database, sized for every value of the places and all unset.
    GroupSearch(const int* tiles, int size, std::vector<std::uint8_t>& distances)
        : m_size(size), m_distances(distances), m_regions(distances.size(), 0)
    {
        static_assert(kCells <= 32);
        std::uint32_t home = 0;
        std::uint32_t taken = 0;
        for (int k = 0; k < m_size; ++k) {
            home |= static_cast<std::uint32_t>(tiles[k] - 1) << (kBits * k);
            taken |= 1U << (tiles[k] - 1);
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
    static constexpr std::uint32_t kBoardMask = (std::uint64_t{1} << kCells) - 1;
    static constexpr std::uint32_t kLeftColumn = [] {
        std::uint32_t mask = 0;
        for (int r = 0; r < Side; ++r)
            mask |= 1U << (r * Side);
        return mask;
    }();
    static constexpr std::uint32_t kRightColumn = kLeftColumn << (Side - 1);
    static constexpr std::uint32_t kPlaceMask = (1U << kBits) - 1;

    // The cells next to each cell, as a bit set.
    static constexpr std::array<std::uint32_t, kCells> kNeighbourMasks = [] {
        std::array<std::uint32_t, kCells> result{};
        for (int p = 0; p < kCells; ++p) {
            const int r = p / Side;
            const int c = p % Side;
            result[p] = (r > 0 ? 1U << (p - Side) : 0U) | (c > 0 ? 1U << (p - 1) : 0U)
                        | (c < Side - 1 ? 1U << (p + 1) : 0U) | (r < Side - 1 ? 1U << (p + Side) : 0U);
        }
        return result;
    }();

    // The cells of `free` the blank reaches from the cells `from` without moving a group tile.
    static std::uint32_t Reach(std::uint32_t from, std::uint32_t free)
    {
        for (;;) {
            const std::uint32_t grown = (from | (from << Side) | (from >> Side) | ((from & ~kRightColumn) << 1)
                                         | ((from & ~kLeftColumn) >> 1))
                                        & free;
            if (grown == from)
                return from;
            from = grown;
        }
    }

    // A placement's places and, from bit kBlankShift on, a cell of the blank's region:
    // groups of up to six tiles on 4 x 4 and up to five on 5 x 5 fit below it.
    using State = std::uint32_t;
    static constexpr int kBlankShift = 27;
    static_assert(kBlankShift + kBits <= 32);

    // A placement reached, the blank on the cell its tile left.
    struct Candidate {
        std::uint32_t places;
        std::uint32_t blank;
        std::uint32_t free;
    };

    void Expand(State state, std::uint8_t d, std::vector<State>& next)
    {
        const State places = state & ((State{1} << kBlankShift) - 1);
        std::uint32_t taken = 0;
        for (int k = 0; k < m_size; ++k)
            taken |= 1U << ((places >> (kBits * k)) & kPlaceMask);
        const std::uint32_t free = ~taken & kBoardMask;
        const auto region = Reach(1U << (state >> kBlankShift), free);
        for (int k = 0; k < m_size; ++k) {
            const int shift = kBits * k;
            const std::uint32_t from = (places >> shift) & kPlaceMask;
            for (std::uint32_t into = kNeighbourMasks[from] & region; into != 0; into &= into - 1) {
                const auto to = static_cast<std::uint32_t>(std::countr_zero(into));
                Offer({(places & ~(kPlaceMask << shift)) | (to << shift), from, (free & ~(1U << to)) | (1U << from)}, d,
                      next);
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
        m_regions[c.places] = static_cast<Cells>(m_regions[c.places] | region);
        return c.places | State{c.blank} << kBlankShift;
    }

    int m_size;
    std::vector<std::uint8_t>& m_distances;
    // For each placement, the cells of the blank's regions reached so far.
    std::vector<Cells> m_regions;
    std::vector<State> m_layer;
    static constexpr std::size_t kAhead = 16;
    std::array<Candidate, kAhead> m_pending{};
    std::size_t m_offered = 0;
    std::size_t m_settled = 0;
};

}  // namespace tilora::solver
