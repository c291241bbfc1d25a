// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the saved-game reader: any bytes either are refused or decode to a game
// that re-encodes to a file reading back the same, and that the board's rules can act on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "savegame/SavedGame.h"

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Every cell is tried as the block of a move, as double clicks would.
void PlayEveryCell(tilora::Board& board)
{
    for (int row = 0; row < board.GridSize(); ++row) {
        for (int column = 0; column < board.GridSize(); ++column) {
            const tilora::CellPos cell{row, column};
            if (const auto blank = board.BlankNeighbour(cell)) {
                Check(board.Contains(*blank));
                board.Slide(cell, *blank);
            }
        }
    }
    static_cast<void>(board.IsSolved());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tilora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodeResult result = DecodeSavedGame(bytes);
    if (!result.game)
        return 0;

    const SavedGame& game = *result.game;
    const int n = game.gridSize;
    Check(savegame::IsValidGridSize(n));
    Check(size >= savegame::FileSize(n));
    Check(game.cells.size() == static_cast<std::size_t>(n * n));

    Board board;
    RestoreBoard(game, board);
    const std::string again = EncodeSavedGame(board, game.seconds);
    Check(again.size() == savegame::FileSize(n));
    const DecodeResult reread = DecodeSavedGame(again);
    Check(reread.game && *reread.game == game);

    PlayEveryCell(board);
    return 0;
}
