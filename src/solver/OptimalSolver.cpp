// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/OptimalSolver.h"

#include <algorithm>
#include <limits>

namespace tilora::solver {
namespace {

// The board's mirror image across its main diagonal.
constexpr auto* Mirror = &MirrorPosition<kSide>;
constexpr auto* MirrorTile = &MirroredTile<kSide>;

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
    std::array<int, kCells> mirror{};
    for (int p = 0; p < kCells; ++p)
        mirror[Mirror(p)] = MirrorTile(tiles[p]);
    m_own = Look(PatternDatabases::Indexes(tiles));
    m_mirror = Look(PatternDatabases::Indexes(mirror));
    m_path.clear();
    m_nodes = 0;
    m_stop = std::move(stop);

    // Every move changes the blank's distance from its home corner by one, so every
    // solution's length has that distance's parity: bounds of the other parity are skipped.
    const int parity = (kSide - 1 - m_blank / kSide + kSide - 1 - m_blank % kSide) % 2;
    const auto withParity = [parity](int bound) { return bound + ((bound - parity) & 1); };
    for (int bound = withParity(std::max(m_own.sum, m_mirror.sum));;) {
        m_nextBound = kInfinity;
        const Outcome outcome = Search(0, bound, -1);
        if (outcome == Outcome::Found)
            return m_path;
        if (outcome == Outcome::Stopped || m_nextBound == kInfinity)
            return std::nullopt;
        bound = withParity(m_nextBound);
    }
}

OptimalSolver::View OptimalSolver::Look(const std::array<std::uint32_t, kPatterns>& places) const
{
    View view;
    view.places = places;
    for (int g = 0; g < kPatterns; ++g)
        view.sum += m_tables[g][places[g]];
    return view;
}

OptimalSolver::Change OptimalSolver::Changed(const View& view, const TileSlot& slot, int from, int to) const
{
    Change change;
    change.group = slot.pattern;
    change.places = view.places[slot.pattern] ^ (static_cast<std::uint32_t>(from ^ to) << slot.shift);
    __builtin_prefetch(m_tables[slot.pattern] + change.places);
    return change;
}

int OptimalSolver::SumAfter(const View& view, const Change& change) const
{
    const std::uint8_t* table = m_tables[change.group];
    return view.sum - table[view.places[change.group]] + table[change.places];
}

void OptimalSolver::Apply(View& view, const Change& change, int sum)
{
    view.places[change.group] = change.places;
    view.sum = sum;
}

OptimalSolver::Outcome OptimalSolver::Search(int depth, int bound, int previousBlank)
{
    if (m_own.sum == 0)
        return Outcome::Found;  // every group is home, so every tile is
    if ((++m_nodes & kStopCheckMask) == 0 && m_stop.stop_requested())
        return Outcome::Stopped;

    // Each child's entries are fetched from memory, all at once, before any is looked at;
    // a child the estimate cuts off is never entered.
    struct Child {
        int to;
        Change own;
        Change mirror;
    };
    std::array<Child, 4> children{};
    int count = 0;
    const int here = m_blank;
    for (const int to : kNeighbours[here]) {
        if (to < 0 || to == previousBlank)
            continue;
        const int tile = m_tiles[to];
        children[count++] = {to, Changed(m_own, m_slots[tile], here, to),
                             Changed(m_mirror, m_mirrorSlots[tile], Mirror(here), Mirror(to))};
    }
    for (int i = 0; i < count; ++i) {
        const Child& child = children[i];
        const int own = SumAfter(m_own, child.own);
        // The mirror's lookup is made only when the board's own does not already cut it off.
        const int estimate = depth + 1 + own > bound ? own : std::max(own, SumAfter(m_mirror, child.mirror));
        if (depth + 1 + estimate > bound) {
            m_nextBound = std::min(m_nextBound, depth + 1 + estimate);
            continue;
        }
        const View own0 = m_own;
        const View mirror0 = m_mirror;
        Apply(m_own, child.own, own);
        Apply(m_mirror, child.mirror, SumAfter(m_mirror, child.mirror));
        m_tiles[here] = m_tiles[child.to];
        m_tiles[child.to] = kBlank;
        m_blank = child.to;
        m_path.push_back(child.to);
        const Outcome outcome = Search(depth + 1, bound, here);
        if (outcome != Outcome::Deeper)
            return outcome;
        m_path.pop_back();
        m_tiles[child.to] = m_tiles[here];
        m_tiles[here] = kBlank;
        m_blank = here;
        m_own = own0;
        m_mirror = mirror0;
    }
    return Outcome::Deeper;
}

}  // namespace tilora::solver
