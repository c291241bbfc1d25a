// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"

#include <algorithm>

namespace tilora {

Board::Board()
{
    FillSolved();
}

bool Board::Contains(CellPos cell) const
{
    return cell.row >= 0 && cell.row < m_nGridSize && cell.column >= 0 && cell.column < m_nGridSize;
}

void Board::FillSolved()
{
    int tile = 1;
    for (int r = 0; r < m_nGridSize; ++r)
        for (int c = 0; c < m_nGridSize; ++c)
            m_nCells[r][c] = tile++;
}

bool Board::IsSolved() const
{
    const int n = m_nGridSize;
    int expected = 1;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n && m_nCells[r][c] == expected; ++c)
            ++expected;
    }
    return expected - 1 == n * n;
}

std::optional<CellPos> Board::Blank() const
{
    for (int r = 0; r < m_nGridSize; ++r)
        for (int c = 0; c < m_nGridSize; ++c)
            if (m_nCells[r][c] == BlankTile())
                return CellPos{r, c};
    return std::nullopt;
}

bool Board::SameCells(const Board& other) const
{
    if (m_nGridSize != other.m_nGridSize)
        return false;
    for (int r = 0; r < m_nGridSize; ++r)
        if (!std::equal(m_nCells[r].begin(), m_nCells[r].begin() + m_nGridSize, other.m_nCells[r].begin()))
            return false;
    return true;
}

std::optional<CellPos> Board::CellForMove(int x, int y) const
{
    if (x < 0 || y < 0 || x > kPixels || y > kPixels)
        return std::nullopt;
    const int s = BlockSize();
    const int last = m_nGridSize - 1;
    return CellPos{std::min(y / s, last), std::min(x / s, last)};
}

std::optional<CellPos> Board::CellAt(int x, int y) const
{
    // Integer division truncates towards zero, which would put x = -5 in column 0.
    if (x < 0 || y < 0)
        return std::nullopt;
    const int s = BlockSize();
    const CellPos cell{y / s, x / s};
    if (!Contains(cell))
        return std::nullopt;
    return cell;
}

std::optional<CellPos> Board::BlankNeighbour(CellPos cell) const
{
    const int blank = BlankTile();
    const auto isBlank = [&](CellPos p) { return Contains(p) && m_nCells[p.row][p.column] == blank; };

    std::optional<CellPos> target;
    const CellPos up{cell.row - 1, cell.column};
    const CellPos left{cell.row, cell.column - 1};
    const CellPos right{cell.row, cell.column + 1};
    const CellPos down{cell.row + 1, cell.column};
    if (isBlank(up))
        target = up;
    if (isBlank(left))
        target = left;
    else if (isBlank(right))
        target = right;
    if (isBlank(down))
        target = down;
    return target;
}

void Board::Slide(CellPos from, CellPos to)
{
    m_nCells[to.row][to.column] = m_nCells[from.row][from.column];
    m_nCells[from.row][from.column] = BlankTile();
}

}  // namespace tilora
