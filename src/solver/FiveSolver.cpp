// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/FiveSolver.h"

#include <algorithm>
#include <limits>

namespace tilora::solver {
namespace {

// The board's mirror image across its main diagonal.
constexpr auto* Mirror = &MirrorPosition<kFiveSide>;
constexpr auto* MirrorTile = &MirroredTile<kFiveSide>;

constexpr auto kFiveNeighbours = Neighbours<kFiveSide>();

constexpr int kInfinity = std::numeric_limits<int>::max();
constexpr std::uint64_t kStopCheckMask = (1U << 14) - 1;
// Bounds and f values are counted in quarter moves, so that weights such as 1.25 stay exact.
constexpr int kQuarter = 4;

}  // namespace

FiveSolver::FiveSolver(const PatternDatabases& databases)
{
    for (int w = 0; w < kFivePartitionCount; ++w) {
        std::array<TileSlot, kFiveCells + 1> slots{};
        for (int g = 0; g < kFivePatterns; ++g)
            for (int k = 0; k < kFivePartitions[w][g].size; ++k)
                slots[kFivePartitions[w][g].tiles[k]] = {g, 5 * k};
        for (int v = 2 * w; v < 2 * w + 2; ++v)
            for (int g = 0; g < kFivePatterns; ++g)
                m_tables[v][g] = databases.FiveTable(w, g);
        // The mirror view keeps the board's tile numbers at mirrored places and looks each
        // up as the tile it stands for there.
        for (int tile = 1; tile <= kFiveCells; ++tile) {
            m_slots[2 * w][tile] = slots[tile];
            m_slots[2 * w + 1][tile] = slots[MirrorTile(tile)];
        }
    }
}

std::optional<std::vector<int>> FiveSolver::Solve(const std::array<int, kFiveCells>& tiles, int quarters,
                                                  std::uint64_t maxNodes, std::stop_token stop)
{
    m_tiles = tiles;
    m_blank = static_cast<int>(std::find(tiles.begin(), tiles.end(), kFiveCells) - tiles.begin());
    int estimate = 0;
    for (int v = 0; v < kViews; ++v) {
        View& view = m_views[v];
        view = {};
        for (int p = 0; p < kFiveCells; ++p) {
            const TileSlot slot = m_slots[v][tiles[p]];
            if (slot.pattern >= 0)
                view.places[slot.pattern] |= static_cast<std::uint32_t>(v % 2 ? Mirror(p) : p) << slot.shift;
        }
        for (int g = 0; g < kFivePatterns; ++g)
            view.sum += m_tables[v][g][view.places[g]];
        estimate = std::max(estimate, view.sum);
    }
    m_quarters = quarters;
    m_path.clear();
    m_maxNodes = m_nodes + maxNodes;
    m_stop = std::move(stop);
    for (int bound = m_quarters * estimate;;) {
        m_nextBound = kInfinity;
        const Outcome outcome = Search(0, bound, -1);
        if (outcome == Outcome::Found)
            return m_path;
        if (outcome == Outcome::Stopped || m_nextBound == kInfinity)
            return std::nullopt;
        bound = m_nextBound;
    }
}

int FiveSolver::Move(Views& views, int tile, int from, int to) const
{
    int estimate = 0;
    for (int v = 0; v < kViews; ++v) {
        View& view = views[v];
        const TileSlot slot = m_slots[v][tile];
        const std::uint8_t* table = m_tables[v][slot.pattern];
        const int moved = v % 2 ? Mirror(from) ^ Mirror(to) : from ^ to;
        const std::uint32_t places = view.places[slot.pattern] ^ (static_cast<std::uint32_t>(moved) << slot.shift);
        view.sum += table[places] - table[view.places[slot.pattern]];
        view.places[slot.pattern] = places;
        estimate = std::max(estimate, view.sum);
    }
    return estimate;
}

FiveSolver::Outcome FiveSolver::Search(int depth, int bound, int previousBlank)
{
    if (m_views[0].sum == 0)
        return Outcome::Found;  // every group is home, so every tile is
    if (++m_nodes > m_maxNodes || ((m_nodes & kStopCheckMask) == 0 && m_stop.stop_requested()))
        return Outcome::Stopped;
    const int here = m_blank;
    for (const int to : kFiveNeighbours[here]) {
        if (to < 0 || to == previousBlank)
            continue;
        const int tile = m_tiles[to];
        const Views before = m_views;
        const int f = (depth + 1) * kQuarter + m_quarters * Move(m_views, tile, to, here);
        if (f > bound) {
            m_nextBound = std::min(m_nextBound, f);
        } else {
            m_tiles[here] = tile;
            m_tiles[to] = kFiveCells;
            m_blank = to;
            m_path.push_back(to);
            const Outcome outcome = Search(depth + 1, bound, here);
            if (outcome != Outcome::Deeper)
                return outcome;
            m_path.pop_back();
            m_tiles[to] = tile;
            m_tiles[here] = kFiveCells;
            m_blank = here;
        }
        m_views = before;
    }
    return Outcome::Deeper;
}

}  // namespace tilora::solver
