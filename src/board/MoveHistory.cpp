// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/MoveHistory.h"

namespace tilora {

void MoveHistory::Record(Move move)
{
    m_moves.resize(m_made);
    m_moves.push_back(move);
    m_made = m_moves.size();
}

void MoveHistory::Clear()
{
    m_moves.clear();
    m_made = 0;
}

std::optional<MoveHistory::Move> MoveHistory::LastMade() const
{
    if (m_made == 0)
        return std::nullopt;
    return m_moves[m_made - 1];
}

std::optional<MoveHistory::Move> MoveHistory::NextUndone() const
{
    if (m_made == m_moves.size())
        return std::nullopt;
    return m_moves[m_made];
}

void MoveHistory::StepBack()
{
    if (m_made > 0)
        --m_made;
}

void MoveHistory::StepForward()
{
    if (m_made < m_moves.size())
        ++m_made;
}

}  // namespace tilora
