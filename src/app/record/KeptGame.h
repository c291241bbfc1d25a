// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tilora {

// One finished game as the record keeps it.
struct KeptGame {
    static constexpr int kUnknown = -1;

    std::int64_t finished = 0;  // when it ended, in seconds since 1970-01-01 UTC
    int size = 4;               // blocks per side
    int level = 0;
    int seconds = 0;
    int moves = 0;              // every slide, undo and redo included
    // The fewest moves that solve the board the game started on: exact, or a proven lower
    // bound when `atLeast`; kUnknown while not worked out.
    int shortest = kUnknown;
    bool atLeast = false;
    bool helped = false;        // a hint moved a block
    bool won = false;           // false: abandoned
    // The 4 x 4 board the game started on while its length is still to work out, so that
    // a later session fills it in: tile - 1 in each 4-bit place, the top-left cell lowest.
    // 0 (no board has it) for none.
    std::uint64_t start = 0;
    // The game began on a deal pasted from elsewhere (not one this program dealt on this
    // machine): it counts as played and won, but sets no best.
    bool pasted = false;
    // The game kept whole, in the record's compact text (see GameTrace.h): the board it
    // began on and its moves with their seconds. Empty for a game kept before the record
    // held them, or one whose moves were not all told. The moves live in a file of their
    // own beside the record, at `movesAt` for `movesLength` bytes, so that reading the
    // record reads none of them; `played` holds them once they are read (ReadPlayed) or
    // while the game is new.
    std::string board{};
    std::string played{};
    std::uint64_t movesAt = 0;
    std::uint32_t movesLength = 0;

    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

}  // namespace tilora
