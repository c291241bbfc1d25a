// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "board/Board.h"

namespace tilora::test {

// The rules of a game, small enough to be right by reading: what the window must show
// after each input of the model test. Cells are kept row by row, n * n of them.
struct GameModel {
    struct Move {
        CellPos from;
        CellPos to;
        bool joined = false;  // made in one step with the move before it (a whole line)
    };

    bool playing = false;
    bool paused = false;
    bool helped = false;
    bool recordOpen = false;  // the record has a game that has not ended
    int n = 4;                // the size of the board dealt next
    int ended = 0;            // games the record holds
    std::vector<int> cells;   // the board of the game, while one is on show
    std::vector<int> start;   // the board the game began on
    // The last game the record holds: where it began and where it ended.
    std::vector<int> lastStart;
    std::vector<int> lastEnd;
    std::vector<Move> moves;
    std::size_t made = 0;

    int Size() const
    {
        int side = 0;
        while (side * side < static_cast<int>(cells.size()))
            ++side;
        return side;
    }
    int At(CellPos cell) const { return cells[static_cast<std::size_t>(cell.row * Size() + cell.column)]; }
    bool Contains(CellPos cell) const
    {
        return cell.row >= 0 && cell.column >= 0 && cell.row < Size() && cell.column < Size();
    }
    std::optional<CellPos> Blank() const
    {
        for (int i = 0; i < static_cast<int>(cells.size()); ++i)
            if (cells[static_cast<std::size_t>(i)] == static_cast<int>(cells.size()))
                return CellPos{i / Size(), i % Size()};
        return std::nullopt;
    }
    bool Beside(CellPos a, CellPos b) const { return std::abs(a.row - b.row) + std::abs(a.column - b.column) == 1; }
    bool Solved() const
    {
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (cells[i] != static_cast<int>(i) + 1)
                return false;
        return true;
    }
    // The block on `cell` slides into the blank beside it, when a game runs unpaused.
    bool CanSlide(CellPos cell) const
    {
        const auto blank = Blank();
        return playing && !paused && blank && Contains(cell) && Beside(cell, *blank);
    }
    // The blocks between `cell` and the blank in its row or column, the blank's neighbour
    // first and `cell` last; none when `cell` is off the blank's lines or no game runs.
    std::vector<CellPos> Line(CellPos cell) const
    {
        const auto blank = Blank();
        if (!playing || paused || !blank || !Contains(cell) || cell == *blank ||
            (cell.row != blank->row && cell.column != blank->column))
            return {};
        const int dr = cell.row > blank->row ? 1 : cell.row < blank->row ? -1 : 0;
        const int dc = cell.column > blank->column ? 1 : cell.column < blank->column ? -1 : 0;
        std::vector<CellPos> line;
        for (CellPos at{blank->row + dr, blank->column + dc};; at = {at.row + dr, at.column + dc}) {
            line.push_back(at);
            if (at == cell)
                return line;
        }
    }
    // A whole line; true when it solved the board.
    bool PlayLine(CellPos cell)
    {
        const std::vector<CellPos> line = Line(cell);
        moves.resize(made);
        for (std::size_t i = 0; i < line.size(); ++i) {
            const CellPos blank = *Blank();
            Slide(line[i]);
            moves.push_back({line[i], blank, i > 0});
            ++made;
        }
        return Won();
    }
    void Slide(CellPos cell)
    {
        const CellPos blank = *Blank();
        std::swap(cells[static_cast<std::size_t>(cell.row * Size() + cell.column)],
                  cells[static_cast<std::size_t>(blank.row * Size() + blank.column)]);
    }
    // A new game begins on `board` (dealt or opened).
    void Begin(std::vector<int> board)
    {
        EndGame();
        cells = std::move(board);
        start = cells;
        playing = true;
        helped = false;
        recordOpen = true;
        moves.clear();
        made = 0;
    }
    // The game in progress ends as won or abandoned: the record gets its line.
    void EndGame()
    {
        if (recordOpen) {
            ++ended;
            lastStart = start;
            lastEnd = cells;
        }
        recordOpen = false;
    }
    // One move of the player or the hint; true when it solved the board.
    bool Play(CellPos cell, bool byHint)
    {
        const CellPos blank = *Blank();
        Slide(cell);
        moves.resize(made);
        moves.push_back({cell, blank});
        ++made;
        helped = helped || byHint;
        return Won();
    }
    bool Undo()
    {
        if (!playing || paused || made == 0)
            return false;
        // A whole line goes back as one step, its last block first.
        bool joined = false;
        do {
            --made;
            joined = moves[made].joined;
            Slide(moves[made].to);
        } while (joined && made > 0);
        return Won();
    }
    bool Redo()
    {
        if (!playing || paused || made == moves.size())
            return false;
        do
            Slide(moves[made++].from);
        while (made < moves.size() && moves[made].joined);
        return Won();
    }
    bool Won()
    {
        if (!Solved())
            return false;
        EndGame();
        playing = false;
        moves.clear();
        made = 0;
        return true;
    }
};

}  // namespace tilora::test
