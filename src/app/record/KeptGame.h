// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

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

    friend bool operator==(const KeptGame&, const KeptGame&) = default;
};

}  // namespace tilora
