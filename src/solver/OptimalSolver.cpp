// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/OptimalSolver.h"

#include <algorithm>
#include <limits>

namespace tilora::solver {
namespace {

constexpr int Mirror(int position)
{
    return (position % kSide) * kSide + position / kSide;
}

// The tile that belongs where `tile` belongs in the mirror image; the blank stays itself.
constexpr int MirrorTile(int tile)
{
    return tile == kBlank ? kBlank : Mirror(tile - 1) + 1;
}

constexpr int kInfinity = std::numeric_limits<int>::max();
// How often the search looks at its stop request.
constexpr std::uint64_t kStopCheckMask = (1U << 14) - 1;

}  // namespace

OptimalSolver::OptimalSolver(const PatternDatabases& databases)
{
    for (int g = 0; g < kPatterns; ++g)
        m_tables[g] = databases.Table(g);
    for (int tile = 1; tile <= kCells; ++tile) {
        m_slots[tile] = PatternDatabases::Slots()[tile];
        m_mirrorSlots[tile] = PatternDatabases::Slots()[MirrorTile(tile)];
    }
}

std::optional<std::vector<int>> OptimalSolver::Solve(const std::array<int, kCells>& tiles, std::stop_token stop)
{
    m_tiles = tiles;
    m_blank = static_cast<int>(std::find(tiles.begin(), tiles.end(), kBlank) - tiles.begin());
    m_indexes = PatternDatabases::Indexes(tiles);
    std::array<int, kCells> mirror{};
    for (int p = 0; p < kCells; ++p)
        mirror[Mirror(p)] = MirrorTile(tiles[p]);
    m_mirrorIndexes = PatternDatabases::Indexes(mirror);
    m_path.clear();
    m_nodes = 0;
    m_stop = std::move(stop);

    // Every move changes the blank's distance from its home corner by one, so every
    // solution's length has that distance's parity: bounds of the other parity are skipped.
    const int parity = (kSide - 1 - m_blank / kSide + kSide - 1 - m_blank % kSide) % 2;
    const auto withParity = [parity](int bound) { return bound + ((bound - parity) & 1); };
    for (int bound = withParity(Estimate());;) {
        m_nextBound = kInfinity;
        const Outcome outcome = Search(0, bound, -1);
        if (outcome == Outcome::Found)
            return m_path;
        if (outcome == Outcome::Stopped || m_nextBound == kInfinity)
            return std::nullopt;
        bound = withParity(m_nextBound);
    }
}

int OptimalSolver::Estimate() const
{
    return std::max(Sum(m_indexes), Sum(m_mirrorIndexes));
}

void OptimalSolver::Move(int to)
{
    // The tile at `to` slides into the blank's cell; only its own group's index changes.
    const int from = m_blank;
    const int tile = m_tiles[to];
    const TileSlot slot = m_slots[tile];
    m_indexes[slot.pattern] ^= static_cast<std::uint32_t>(from ^ to) << slot.shift;
    const TileSlot mirrorSlot = m_mirrorSlots[tile];
    m_mirrorIndexes[mirrorSlot.pattern] ^= static_cast<std::uint32_t>(Mirror(from) ^ Mirror(to)) << mirrorSlot.shift;
    m_tiles[from] = tile;
    m_tiles[to] = kBlank;
    m_blank = to;
}

OptimalSolver::Outcome OptimalSolver::Search(int depth, int bound, int previousBlank)
{
    // The mirror's lookup is made only when the board's own does not already cut it off.
    const int own = Sum(m_indexes);
    const int estimate = depth + own > bound ? own : std::max(own, Sum(m_mirrorIndexes));
    if (depth + estimate > bound) {
        m_nextBound = std::min(m_nextBound, depth + estimate);
        return Outcome::Deeper;
    }
    if (estimate == 0)
        return Outcome::Found;  // every group is home, so every tile is
    if ((++m_nodes & kStopCheckMask) == 0 && m_stop.stop_requested())
        return Outcome::Stopped;

    const int here = m_blank;
    for (const int to : kNeighbours[here]) {
        if (to < 0 || to == previousBlank)
            continue;
        Move(to);
        m_path.push_back(to);
        const Outcome outcome = Search(depth + 1, bound, here);
        if (outcome != Outcome::Deeper)
            return outcome;
        m_path.pop_back();
        Move(here);
    }
    return Outcome::Deeper;
}

}  // namespace tilora::solver
