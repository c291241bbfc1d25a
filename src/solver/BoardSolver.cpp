// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/BoardSolver.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <queue>

#include "solver/FiveSolver.h"
#include "solver/OptimalSolver.h"
#include "solver/PatternDatabase.h"

namespace tilora::solver {
namespace {

// The weights, in quarters, the 5 x 5 search tries in turn, and the positions each may
// expand: a weight of 1.5 ends within its share on about five boards in six, with
// solutions about 1.15 times the shortest; a larger one ends sooner on the rest. Together
// they expand at most 9 million positions, about 0.4 s of processor time, and a board
// always takes the same turn, so its hint is always the same.
struct FiveTry {
    int quarters;
    std::uint64_t maxNodes;
};
constexpr std::array<FiveTry, 4> kFiveTries{{{6, 5'000'000}, {7, 2'000'000}, {8, 1'000'000}, {12, 1'000'000}}};

// The blank's cell and the cells of the one or two tiles being brought home.
using State = std::array<int, 3>;

// The board as the reduction works on it: the tile at each cell in reading order.
class Reduction {
public:
    Reduction(const Board& board, std::stop_token stop)
        : m_n(board.GridSize()), m_tiles(Cells()), m_locked(Cells(), false), m_stop(std::move(stop))
    {
        for (int r = 0; r < m_n; ++r)
            for (int c = 0; c < m_n; ++c)
                m_tiles[r * m_n + c] = board.Cell(r, c);
    }

    // Puts every row and column in place around the bottom-right block `side` cells wide.
    // On the odd steps the board is looked at transposed, so that placing a column is
    // placing a row. False when a step finds no way or a stop request comes first.
    bool PlaceOuterLines(int side)
    {
        for (; m_n - m_placed > side; ++m_placed) {
            const int k = m_placed;
            m_transposed = false;
            if (!PlaceLine(k, k))
                return false;
            m_transposed = true;
            if (!PlaceLine(k, k + 1))
                return false;
        }
        m_transposed = false;
        return true;
    }

    // The bottom-right block `Side` cells wide as a board of its own, tiles renumbered.
    template <int Side>
    std::array<int, Side * Side> Remainder() const
    {
        const int offset = m_n - Side;
        std::array<int, Side * Side> tiles{};
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c) {
                const int goal = m_tiles[(r + offset) * m_n + c + offset] - 1;
                tiles[r * Side + c] = (goal / m_n - offset) * Side + (goal % m_n - offset) + 1;
            }
        return tiles;
    }

    // Slides the block at `position` of the bottom-right block `side` cells wide.
    void SlideInRemainder(int position, int side)
    {
        const int offset = m_n - side;
        Slide((position / side + offset) * m_n + position % side + offset);
    }

    const std::vector<CellPos>& Moves() const { return m_moves; }
    // The states the searches of the reduction took from their queues.
    std::uint64_t Expanded() const { return m_expanded; }

private:
    int Cells() const { return m_n * m_n; }
    int Blank() const { return static_cast<int>(std::find(m_tiles.begin(), m_tiles.end(), Cells()) - m_tiles.begin()); }
    int Find(int tile) const { return static_cast<int>(std::find(m_tiles.begin(), m_tiles.end(), tile) - m_tiles.begin()); }

    // The board cell at (row, column) of the current view.
    int At(int row, int column) const { return m_transposed ? column * m_n + row : row * m_n + column; }
    // The tile that belongs at a cell.
    static int HomeTile(int cell) { return cell + 1; }

    std::array<int, 4> NeighboursOf(int cell) const
    {
        const int r = cell / m_n;
        const int c = cell % m_n;
        return {r > 0 ? cell - m_n : -1, c > 0 ? cell - 1 : -1, c < m_n - 1 ? cell + 1 : -1, r < m_n - 1 ? cell + m_n : -1};
    }

    void Slide(int cell)
    {
        const int blank = Blank();
        m_tiles[blank] = m_tiles[cell];
        m_tiles[cell] = Cells();
        m_moves.push_back({cell / m_n, cell % m_n});
    }

    // Places the cells (k, from .. n-1) of the current view. All but the last two go in
    // one by one; the last two go in together, since the second-last cannot be locked
    // in place without walling in the last one's way home.
    bool PlaceLine(int k, int from)
    {
        for (int c = from; c < m_n - 2; ++c) {
            const int cell = At(k, c);
            if (!Bring({HomeTile(cell)}, [cell](const State& s) { return s[1] == cell; }, Free()))
                return false;
            m_locked[cell] = true;
        }
        const int first = At(k, m_n - 2);
        const int second = At(k, m_n - 1);
        const int tileA = HomeTile(first);
        const int tileB = HomeTile(second);
        const auto placed = [first, second](const State& s) { return s[1] == first && s[2] == second; };
        if (!PlacePairInBand(k, tileA, tileB, placed) && (Stopped() || !Bring({tileA, tileB}, placed, Free())))
            return false;
        m_locked[first] = true;
        m_locked[second] = true;
        return true;
    }

    // Brings the last two tiles of line k home through the band of the four rows from k
    // down, where the search over both tiles and the blank stays small: first each tile
    // into the band, then the blank, then both tiles home together. False when a step
    // finds no way; the caller then searches the whole free part of the board.
    bool PlacePairInBand(int k, int tileA, int tileB, const std::function<bool(const State&)>& placed)
    {
        std::vector<bool> band(Cells(), false);
        for (int r = k; r < std::min(k + 4, m_n); ++r)
            for (int c = k; c < m_n; ++c)
                band[At(r, c)] = !m_locked[At(r, c)];
        if (!Bring({tileA}, [&band](const State& s) { return band[s[1]]; }, Free()))
            return false;
        const int parkedA = Find(tileA);
        m_locked[parkedA] = true;
        const bool parkedB = Bring({tileB}, [&band](const State& s) { return band[s[1]]; }, Free());
        m_locked[parkedA] = false;
        if (!parkedB)
            return false;
        std::vector<bool> around = Free();
        around[Find(tileA)] = false;
        around[Find(tileB)] = false;
        std::vector<bool> inside = band;
        inside[Find(tileA)] = false;
        inside[Find(tileB)] = false;
        return BringBlank(inside, around) && Bring({tileA, tileB}, placed, band);
    }

    std::vector<bool> Free() const
    {
        std::vector<bool> free(Cells());
        for (int i = 0; i < Cells(); ++i)
            free[i] = !m_locked[i];
        return free;
    }

    // Moves the blank, within `region`, to any cell of `goal` by a shortest path.
    bool BringBlank(const std::vector<bool>& goal, const std::vector<bool>& region)
    {
        const int start = Blank();
        std::vector<int> from(Cells(), -2);
        std::queue<int> queue;
        from[start] = -1;
        queue.push(start);
        while (!queue.empty()) {
            const int cell = queue.front();
            queue.pop();
            if (goal[cell]) {
                std::vector<int> path;
                for (int at = cell; at != start; at = from[at])
                    path.push_back(at);
                for (auto it = path.rbegin(); it != path.rend(); ++it)
                    Slide(*it);
                return true;
            }
            for (const int next : NeighboursOf(cell))
                if (next >= 0 && region[next] && from[next] == -2) {
                    from[next] = cell;
                    queue.push(next);
                }
        }
        return false;
    }

    // Brings one or two tiles to their target cells by a shortest sequence of slides that
    // stays inside `region`. The search runs over the places of those tiles and the blank.
    bool Bring(const std::vector<int>& tiles, const std::function<bool(const State&)>& done, const std::vector<bool>& region)
    {
        const int cells = Cells();
        const int count = static_cast<int>(tiles.size());
        // A state is (blank, first tile, second tile); the second is always 0 for one tile.
        const int third = count > 1 ? cells : 1;
        const auto encode = [cells, third](const State& s) { return (s[0] * cells + s[1]) * third + s[2]; };
        const State start{Blank(), Find(tiles[0]), count > 1 ? Find(tiles[1]) : 0};
        const std::size_t states = static_cast<std::size_t>(cells) * cells * third;
        std::vector<std::int32_t> from(states, -2);
        std::queue<State> queue;
        from[encode(start)] = -1;
        queue.push(start);
        for (std::uint32_t popped = 0; !queue.empty(); ++popped) {
            // A pair's search on 10 x 10 runs over a million states: it looks at the stop
            // request every few thousand of them, well within a millisecond.
            if ((popped & kStopCheckMask) == 0 && Stopped())
                return false;
            const State state = queue.front();
            queue.pop();
            ++m_expanded;
            if (done(state)) {
                std::vector<int> path;
                for (int at = encode(state); from[at] != -1; at = from[at])
                    path.push_back(at / (cells * third));
                for (auto it = path.rbegin(); it != path.rend(); ++it)
                    Slide(*it);
                return true;
            }
            for (const int next : NeighboursOf(state[0])) {
                if (next < 0 || !region[next])
                    continue;
                State moved = state;
                moved[0] = next;
                if (state[1] == next)
                    moved[1] = state[0];
                else if (count > 1 && state[2] == next)
                    moved[2] = state[0];
                const int key = encode(moved);
                if (from[key] == -2) {
                    from[key] = encode(state);
                    queue.push(moved);
                }
            }
        }
        return false;
    }

    bool Stopped()
    {
        m_stopped = m_stopped || m_stop.stop_requested();
        return m_stopped;
    }

    static constexpr std::uint32_t kStopCheckMask = (1U << 12) - 1;

    int m_n;
    std::vector<int> m_tiles;
    std::vector<bool> m_locked;
    std::stop_token m_stop;
    bool m_stopped = false;
    std::uint64_t m_expanded = 0;
    bool m_transposed = false;
    // The pairs of a row and a column in place around the block still to solve.
    int m_placed = 0;
    std::vector<CellPos> m_moves;
};

}  // namespace

bool IsSolvable(const Board& board)
{
    const int n = board.GridSize();
    if (n < 1 || n > Board::kMaxGridSize)
        return false;
    std::vector<int> tiles;
    std::vector<bool> seen(n * n + 1, false);
    int blankDistance = 0;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const int tile = board.Cell(r, c);
            if (tile < 1 || tile > n * n || seen[tile])
                return false;
            seen[tile] = true;
            tiles.push_back(tile);
            if (tile == n * n)
                blankDistance = (n - 1 - r) + (n - 1 - c);
        }
    // The parity of a permutation is that of its length minus its number of cycles.
    int transpositions = 0;
    std::vector<bool> visited(tiles.size(), false);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (visited[i])
            continue;
        for (std::size_t j = i; !visited[j]; j = static_cast<std::size_t>(tiles[j] - 1)) {
            visited[j] = true;
            ++transpositions;
        }
        --transpositions;
    }
    return (transpositions + blankDistance) % 2 == 0;
}

std::optional<std::vector<CellPos>> SolveBoard(const Board& board, const PatternDatabases& databases,
                                               std::stop_token stop, std::uint64_t* nodes)
{
    if (board.GridSize() < kSide || !IsSolvable(board))
        return std::nullopt;
    Reduction reduction(board, stop);
    FiveSolver fiveSolver(databases);
    OptimalSolver solver(databases);
    bool reduced = reduction.PlaceOuterLines(kFiveSide);
    if (reduced && board.GridSize() >= kFiveSide) {
        std::optional<std::vector<int>> five;
        for (const FiveTry& attempt : kFiveTries) {
            five = fiveSolver.Solve(reduction.Remainder<kFiveSide>(), attempt.quarters, attempt.maxNodes, stop);
            if (five || stop.stop_requested())
                break;
        }
        if (five) {
            for (const int position : *five)
                reduction.SlideInRemainder(position, kFiveSide);
            if (nodes)
                *nodes = reduction.Expanded() + fiveSolver.Nodes();
            return reduction.Moves();
        }
        // Past every try, or stopped: the last 5 x 5 block line by line, as larger ones.
        reduced = reduction.PlaceOuterLines(kSide);
    }
    const auto last = reduced ? solver.Solve(reduction.Remainder<kSide>(), std::move(stop)) : std::nullopt;
    if (nodes)
        *nodes = reduction.Expanded() + fiveSolver.Nodes() + solver.Nodes();
    if (!last)
        return std::nullopt;
    for (const int position : *last)
        reduction.SlideInRemainder(position, kSide);
    return reduction.Moves();
}

}  // namespace tilora::solver
