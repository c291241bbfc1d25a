// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/MoveHistory.h"

namespace tilora {

void MoveHistory::Record(Move move, bool joined)
{
    m_moves.resize(m_made);
    m_joined.resize(m_made);
    m_moves.push_back(move);
    m_joined.push_back(joined && m_made > 0);
    m_made = m_moves.size();
}

void MoveHistory::Clear()
{
    m_moves.clear();
    m_joined.clear();
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

std::vector<MoveHistory::Move> MoveHistory::LastStep() const
{
    std::size_t first = m_made;
    while (first > 0) {
        --first;
        if (!m_joined[first])
            break;
    }
    return {m_moves.begin() + static_cast<std::ptrdiff_t>(first), m_moves.begin() + static_cast<std::ptrdiff_t>(m_made)};
}

std::vector<MoveHistory::Move> MoveHistory::NextStep() const
{
    if (m_made == m_moves.size())
        return {};
    std::size_t end = m_made + 1;
    while (end < m_moves.size() && m_joined[end])
        ++end;
    return {m_moves.begin() + static_cast<std::ptrdiff_t>(m_made), m_moves.begin() + static_cast<std::ptrdiff_t>(end)};
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
