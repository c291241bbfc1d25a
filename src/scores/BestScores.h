// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>

namespace tilora {

class ProfileStore;

// The table of best times in the score file: reading it, resetting it, and the rule
// that enters a new best time after a solved game.

// One row of the table, each value as the file holds it (cut to 9 characters), or its
// default.
struct BestScoreRow {
    int gridSize = 0;
    std::string name;
    std::string score;
    std::string level;
};
using BestScoreTable = std::array<BestScoreRow, 4>;

// The four rows, 4 x 4 to 10 x 10, from one reading of the file.
BestScoreTable ReadBestScores(const ProfileStore& scores);

// Writes the twelve defaults at once: "20000" to the scores, "Slow" to the names, "1" to
// the levels. The difficulty level is not touched.
bool ResetBestScores(const ProfileStore& scores);

// The stored best time of a grid size: its score text, as read with the 9-character
// limit, converted as atof does. Text without a number gives 0, which nothing beats.
double StoredBest(const ProfileStore& scores, int gridSize);

enum class BestScoreOutcome {
    NotABest,    // not strictly below the stored best: nothing asked, nothing written
    Recorded,    // time, name value and level written
    Overtaken,   // while the name was asked, another running copy stored a time at least as good
    WriteFailed  // the file could not be read or replaced; it is left as it was
};

// The best-score step. A time strictly below the stored best of the grid is a new best:
// then `askName` runs (it returns the name typed, UTF-8, or an empty text when the player
// dismissed the question) and the grid's score text, name value and level are written in
// that order, in one replacement of the file. The other grids' keys stay as they are.
BestScoreOutcome RecordBestScore(const ProfileStore& scores, int gridSize, int seconds, int dealtLevel,
                                 const std::function<std::string()>& askName);

}  // namespace tilora
