// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>

#include "scores/ProfileStore.h"

namespace tilora {

class Prompter;
class RandomSource;

// What the main window takes from outside, so that tests can substitute each part.
struct PuzzleEnvironment {
    Prompter& prompter;
    ProfileStore scores;
    RandomSource& random;
    std::function<std::time_t()> now;  // seeds each deal; dates each kept game
    // The file of kept games; none keeps them for the session only.
    std::filesystem::path record = {};
    // Blocks may slide into place; off, every move shows its end at once, whatever View >
    // Animate Slides says (the tests' windows, which check each move's pixels).
    bool slides = true;
};

}  // namespace tilora
