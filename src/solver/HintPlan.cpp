// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/HintPlan.h"

namespace tilora::solver {

void HintPlan::Set(const Board& board, std::vector<CellPos> moves)
{
    m_expected = board;
    m_moves = std::move(moves);
    m_next = 0;
}

void HintPlan::Clear()
{
    m_moves.clear();
    m_next = 0;
}

std::optional<CellPos> HintPlan::Next(const Board& board) const
{
    if (m_next >= m_moves.size() || !board.SameCells(m_expected))
        return std::nullopt;
    return m_moves[m_next];
}

void HintPlan::Advance()
{
    if (m_next >= m_moves.size())
        return;
    const CellPos cell = m_moves[m_next++];
    if (const auto blank = m_expected.BlankNeighbour(cell))
        m_expected.Slide(cell, *blank);
}

}  // namespace tilora::solver
