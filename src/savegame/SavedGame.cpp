// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/SavedGame.h"

#include "common/CrtNumbers.h"

namespace tilora {
namespace savegame {

bool IsValidGridSize(int n)
{
    return n == 4 || n == 5 || n == 8 || n == 10;
}

std::string EncodeField(int value)
{
    std::string field = ItoA(value);
    field.resize(kFieldSize, '\0');  // cuts a longer text, fills a shorter one
    return field;
}

int DecodeField(std::string_view field)
{
    return AtoI(field.substr(0, kFieldSize));
}

}  // namespace savegame

std::string EncodeSavedGame(const Board& board, int seconds)
{
    const int n = board.GridSize();
    std::string bytes(savegame::kTag);
    bytes.reserve(savegame::FileSize(n));
    bytes += savegame::EncodeField(n);
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column)
            bytes += savegame::EncodeField(board.Cell(row, column));
    bytes += savegame::EncodeField(seconds);
    return bytes;
}

DecodeResult DecodeSavedGame(std::string_view bytes)
{
    using namespace savegame;
    if (bytes.substr(0, kTag.size()) != kTag)
        return {std::nullopt, DecodeError::BadTag};
    std::string_view rest = bytes.substr(kTag.size());
    if (rest.size() < kFieldSize)
        return {std::nullopt, DecodeError::BadGridSize};
    const int n = DecodeField(rest);
    if (!IsValidGridSize(n))
        return {std::nullopt, DecodeError::BadGridSize};
    if (bytes.size() < FileSize(n))
        return {std::nullopt, DecodeError::Truncated};

    SavedGame game;
    game.gridSize = n;
    game.cells.resize(static_cast<std::size_t>(n * n));
    for (int& cell : game.cells) {
        rest.remove_prefix(kFieldSize);
        cell = DecodeField(rest);
    }
    rest.remove_prefix(kFieldSize);
    game.seconds = DecodeField(rest);
    return {std::move(game), DecodeError::BadTag};
}

void RestoreBoard(const SavedGame& game, Board& board)
{
    const int n = game.gridSize;
    board.SetGridSize(n);
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column)
            board.SetCell(row, column, game.cells[static_cast<std::size_t>(row * n + column)]);
}

}  // namespace tilora
