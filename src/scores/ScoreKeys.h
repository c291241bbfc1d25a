// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/CrtNumbers.h"

namespace tilora::keys {

// The one place that names the score file, its sections, keys and defaults.

inline constexpr std::string_view kFileName = "Tilora.hi";

// "Level": the difficulty level last accepted in the Difficulty Level dialog.
inline constexpr std::string_view kLevelSection = "Level";
inline constexpr std::string_view kLevelKey = "number";
inline constexpr std::string_view kLevelDefaultText = "10";  // read as text at start-up
inline constexpr int kLevelDefault = 10;                     // read as an integer by the dialog

// "View": the window's zoom in percent, last used; none at the very first start.
inline constexpr std::string_view kViewSection = "View";
inline constexpr std::string_view kZoomKey = "zoom";
// "View": 1 when each block shows its number, 0 or none when not.
inline constexpr std::string_view kNumbersKey = "numbers";
// "View": 1 when the window's title shows the moves of the game, 0 or none when not.
inline constexpr std::string_view kShowMovesKey = "moves";
// "View": whether blocks slide: "desktop" (as the desktop wishes; also when none), "always"
// or "never".
inline constexpr std::string_view kAnimateKey = "animate";

// "High": best time, name and level for each grid size.
inline constexpr std::string_view kHighSection = "High";
inline constexpr std::string_view kScoreDefault = "20000";
inline constexpr std::string_view kNameDefault = "Slow";
inline constexpr std::string_view kScoreLevelDefault = "1";

// The grid sizes in the order of the table's rows.
inline constexpr std::array<int, 4> kGridSizes{4, 5, 8, 10};

// The three "High" keys of a grid of n blocks per side: the decimal texts of n, 10 x n
// and 100 x n.
struct GridKeys {
    std::string score;
    std::string name;
    std::string level;
};

inline GridKeys KeysForGrid(int gridSize)
{
    return {ItoA(gridSize), ItoA(10 * gridSize), ItoA(100 * gridSize)};
}

}  // namespace tilora::keys
