// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/record/KeptGame.h"

namespace tilora {

// The file of kept games: a version line, then one line per game, oldest first:
//
//   tilora-games 2
//   1796712345,4,50,123,3,52,w,,0123456789abcdfe,2048+5
//
// finished (seconds since 1970 UTC), size, level, seconds, moves, shortest ("" unknown,
// "N" exact, ">=N" a lower bound), and the result: "w" won or "a" abandoned, followed by
// "h" when a hint helped and "p" when the deal was pasted from elsewhere; a 4 x 4 game whose length is still to work out has its start
// board in the next field of 16 hexadecimal digits (empty otherwise). Then the game kept
// whole: its start board in GameTrace's text, and where its moves are in the moves file
// beside the record ("games.moves": each game's moves in GameTrace's text on a line of
// their own), as offset+length; both empty for a game of an older record. About 50 bytes
// a game in the record, and a byte or two a move in the moves file, which only a replay
// and the export read.
// Version 1 had neither field, and its start field only when there was a board; a file of
// version 1 is converted at its first write, its old text kept beside it once as "games.1". The seconds are
// any whole number a saved game can carry, negative ones too. A game is added by appending
// its line, so that a record of years is not rewritten for each game; a line cut short by
// a crash (no line end) is no game and is cut off before the next one is added. A whole
// line that is no game (edited by hand, or of a later kind) is kept byte for byte in its
// place through every rewrite, and left out of the games.
namespace record_file {

inline constexpr int kVersion = 2;
// A record larger than this is left unread and untouched: some three million games of
// a hundred moves and more.
inline constexpr std::uint64_t kSizeLimit = 512ULL << 20;

enum class State {
    Missing,  // no file yet (or an empty one)
    Fine,
    Damaged,  // not a record: its first line is not the version line
    Newer,    // a later version's: its games read as far as they are understood
    Unreadable,  // not a regular file, larger than kSizeLimit, or a read failed
};

// A whole line that is no game, without its line end, and how many games come before it.
struct UnreadLine {
    std::size_t gamesBefore = 0;
    std::string text;

    friend bool operator==(const UnreadLine&, const UnreadLine&) = default;
};

struct Contents {
    State state = State::Missing;
    int version = kVersion;  // of the file's first line
    std::vector<KeptGame> games;
    std::vector<UnreadLine> unread;
    std::string error;  // why it could not be read
};

std::string Header();
// The version a file's first line names, without its line end; 0 when it is no record's.
int HeaderVersion(std::string_view line);
std::string FormatLine(const KeptGame& game);
// Appends the game's line to `out`.
void AppendLine(std::string& out, const KeptGame& game);
// Reads the fields of a line of a file of `version`; false when they are not a game. With
// `laterFields` (a newer version's file, never written) fields after those this version
// knows are allowed and left unread; without, such a line is no game, so that a rewrite
// keeps it whole.
bool ParseLine(std::string_view line, KeptGame& game, int version = kVersion, bool laterFields = false);
Contents Parse(std::string_view text);
// The file's text for `games` with the `unread` lines in their places.
std::string Format(const std::vector<KeptGame>& games, const std::vector<UnreadLine>& unread);
Contents Read(const std::filesystem::path& file);

// Adds one game at the end of the file, under the file's lock, first cutting off a torn
// last line; a missing or empty file is created whole, with its folder, in one step.
// Returns an empty text, or why it failed: then the file is as it was.
std::string Append(const std::filesystem::path& file, const KeptGame& game);
// Replaces the whole file in one step (reset, a length filled in later). Under the file's
// lock, `change` receives the games the file holds now, so that games another running
// copy added are kept; the lines that are no game stay as they are, each after the games
// that came before it. A file that is no record, or one that cannot be read, is never
// replaced. Returns an empty text, or why it failed.
std::string Rewrite(const std::filesystem::path& file, const std::function<void(std::vector<KeptGame>&)>& change);
// Moves a damaged file aside to a free name beside it ("games.damaged", "games.damaged-2",
// ...); returns that name, or an empty path when it could not be moved.
std::filesystem::path SetAside(const std::filesystem::path& file);

// The moves file beside the record: "games.moves".
std::filesystem::path MovesPath(const std::filesystem::path& file);
// Fills in `played` of each game whose moves are in the moves file and not in memory;
// a game whose moves cannot be read keeps none.
void ReadPlayed(const std::filesystem::path& file, std::vector<KeptGame>& games);

// Where a file of an older version is kept when it is converted: "games.1".
std::filesystem::path OldVersionPath(const std::filesystem::path& file, int version);

// $XDG_DATA_HOME/tilora/games, by default ~/.local/share/tilora/games.
std::filesystem::path DefaultPath();

}  // namespace record_file
}  // namespace tilora
