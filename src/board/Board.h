// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace tilora {

// A cell of the board, row and column counted from 0 at the top-left corner.
struct CellPos {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

// The grid of tile numbers. The picture is cut into n x n blocks numbered 1 to n*n in
// reading order; tile n*n, the bottom-right block, is the blank. Only the top-left
// n x n part of the 10 x 10 array belongs to the current board: the rest keeps whatever
// it last held, and nothing here reads it.
//
// The board does not insist on a permutation: a saved game may hold repeated numbers,
// numbers outside 1..n*n, no blank or several, and every rule below acts on whatever the
// cells hold.
class Board {
public:
    static constexpr int kMaxGridSize = 10;
    static constexpr int kPixels = 320;  // the board's side in client pixels, for input

    Board();

    int GridSize() const { return m_nGridSize; }
    // Changes n without refilling the cells (the next deal does that).
    void SetGridSize(int n) { m_nGridSize = n; }

    int BlankTile() const { return m_nGridSize * m_nGridSize; }
    // Block side in pixels for input and for block images: 80, 64, 40, 32.
    int BlockSize() const { return kPixels / m_nGridSize; }

    int Cell(int row, int column) const { return m_nCells[row][column]; }
    void SetCell(int row, int column, int tile) { m_nCells[row][column] = tile; }
    bool Contains(CellPos cell) const;

    // Lays the tiles out in reading order: 1, 2, ..., n*n, the blank bottom-right.
    void FillSolved();

    // True when every cell (r, c) holds r*n + c + 1. Counts, row by row, the cells that
    // hold the next expected number; a row's walk stops at its first mismatch and the
    // next row goes on expecting the same number.
    bool IsSolved() const;

    // The cell a double click at client point (x, y) acts on: x / s and y / s, each
    // clamped to n - 1 so that x = 320 lands in the last column. Points beyond 320, and
    // points left of or above the board, act on nothing.
    std::optional<CellPos> CellForMove(int x, int y) const;

    // The cell under a release at (x, y), without clamping; none when off the board.
    std::optional<CellPos> CellAt(int x, int y) const;

    // The first cell in reading order that holds the blank; none when no cell does.
    std::optional<CellPos> Blank() const;

    // True when both boards have the same grid size and the same tiles on it: the part
    // of the cells beyond the grid size is no part of the board.
    bool SameCells(const Board& other) const;

    // The blank that the block at `cell` slides into. The neighbours are examined up,
    // left, right, down; a later hit replaces an earlier one, except that a hit on the
    // left skips the right neighbour. With several blanks around the cell the winner is
    // therefore down, then left, then right, then up.
    std::optional<CellPos> BlankNeighbour(CellPos cell) const;

    // The block at `from` moves into `to`, the blank's cell; `from` takes the blank.
    void Slide(CellPos from, CellPos to);

private:
    int m_nGridSize = 4;
    std::array<std::array<int, kMaxGridSize>, kMaxGridSize> m_nCells{};
};

}  // namespace tilora
