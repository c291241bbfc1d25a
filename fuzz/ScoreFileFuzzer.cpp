// SPDX-License-Identifier: GPL-3.0-or-later
// The score file comes from outside: any bytes must read without a crash, an overrun or
// a hang, must read as UTF-8 text, and setting a key must leave a file in which that key
// reads back as set.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "scores/IniText.h"
#include "scores/ProfileStore.h"
#include "scores/ScoreFileText.h"
#include "scores/ScoreKeys.h"
#include "scores/ScoreValues.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The text as the score file's reader hands it on: always UTF-8, whatever the bytes.
    const std::string utf8 = tilora::AsUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    if (tilora::AsUtf8(utf8) != utf8)
        std::abort();
    const std::string_view text(utf8);
    using tilora::ProfileStore;
    namespace keys = tilora::keys;

    for (const int gridSize : keys::kGridSizes) {
        const keys::GridKeys grid = keys::KeysForGrid(gridSize);
        const std::string score = ProfileStore::ValueIn(text, keys::kHighSection, grid.score, keys::kScoreDefault);
        if (tilora::CharacterCount(score) > ProfileStore::kValueBufferSize - 1)
            std::abort();
        // The number form the best-score step writes, including its rounding of ties.
        (void)tilora::GcvtText(tilora::AtoF(score), 5);
        (void)tilora::NameValue(ProfileStore::ValueIn(text, keys::kHighSection, grid.name, keys::kNameDefault));
    }
    (void)ProfileStore::ValueIn(text, keys::kLevelSection, keys::kLevelKey, keys::kLevelDefaultText);

    // The file as the best-score step leaves it.
    const std::string name = tilora::NameValue(text.substr(0, 40));
    std::string changed = tilora::ini::SetValue(text, keys::kHighSection, "4", "437.");
    changed = tilora::ini::SetValue(changed, keys::kHighSection, "40", name);
    if (tilora::ini::FindValue(changed, keys::kHighSection, "4") != "437.")
        std::abort();
    return 0;
}
