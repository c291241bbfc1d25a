// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/Board.h"

namespace tilora {

// A game as a saved-game file holds it: the grid size, the n x n cells row by row and the
// elapsed seconds. Nothing else of the game (level, picture, pause) is kept.
struct SavedGame {
    int gridSize = 4;
    std::vector<int> cells;  // n * n tile numbers, row 0 first, each row from column 0
    int seconds = 0;

    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

namespace savegame {

// The file is a row of fixed fields with no separators: the tag "TL" and a zero byte, then
// 5-byte number fields for n, for each cell and for the seconds.
inline constexpr std::string_view kTag{"TL\0", 3};
inline constexpr std::size_t kFieldSize = 5;

// 13 + 5 * n * n bytes: 93, 138, 333 and 513 for the four grid sizes.
constexpr std::size_t FileSize(int gridSize)
{
    const auto n = static_cast<std::size_t>(gridSize);
    return kTag.size() + kFieldSize * (n * n + 2);
}
inline constexpr std::size_t kLargestFileSize = FileSize(Board::kMaxGridSize);

// Only these grid sizes make a valid file.
bool IsValidGridSize(int n);

// A number field: the decimal text of `value` (a minus sign, then the digits), cut to its
// first five characters, and filled up with zero bytes when shorter, so that 123456 is
// stored as "12345" and 125 as "125\0\0".
std::string EncodeField(int value);

// Reads a field as atoi reads text: leading white space, an optional sign, then digits up
// to the first other byte; never beyond the field's fifth byte. No digits give 0.
int DecodeField(std::string_view field);

}  // namespace savegame

// The file's bytes for the board's top-left n x n cells and the seconds.
std::string EncodeSavedGame(const Board& board, int seconds);

// Why a file's bytes were refused.
enum class DecodeError {
    BadTag,       // the tag is not "TL" and a zero byte, or the file ends inside it
    BadGridSize,  // n is not 4, 5, 8 or 10, or the file ends inside its field
    Truncated,    // the file ends before the last cell or the seconds field is complete
};

struct DecodeResult {
    std::optional<SavedGame> game;
    DecodeError error = DecodeError::BadTag;  // meaningful only without a game
};

// Decodes a saved game. Only the tag and the grid size are checked; the cells and the
// seconds are taken as the fields read, whatever their values (repeated tiles, no blank,
// negative seconds). A file too short to hold every field is refused as a whole, so that
// a cut-off copy never turns into a game of zero tiles. Bytes after the seconds field are
// ignored.
DecodeResult DecodeSavedGame(std::string_view bytes);

// Makes the saved game the board's: sets n and the top-left n x n cells; `game.cells`
// holds n * n numbers, as a decoded game does. The rest of the 10 x 10 array keeps what
// it held.
void RestoreBoard(const SavedGame& game, Board& board);

}  // namespace tilora
