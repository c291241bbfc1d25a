// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/BestScores.h"

#include <vector>

#include "common/CrtNumbers.h"
#include "scores/IniText.h"
#include "scores/ProfileStore.h"
#include "scores/ScoreFileText.h"
#include "scores/ScoreKeys.h"
#include "scores/ScoreValues.h"

namespace tilora {
namespace {

double BestIn(std::string_view fileText, const keys::GridKeys& keys)
{
    return AtoF(ProfileStore::ValueIn(fileText, keys::kHighSection, keys.score, keys::kScoreDefault));
}

// Compared as floating-point numbers, as the stored best is one.
bool Beats(int seconds, double best)
{
    return static_cast<double>(seconds) < best;
}

}  // namespace

BestScoreTable ReadBestScores(const ProfileStore& scores)
{
    std::string text;
    ReadScoreFile(scores.Path(), text);  // unreadable: every value reads as its default
    BestScoreTable table;
    for (std::size_t row = 0; row < table.size(); ++row) {
        const int gridSize = keys::kGridSizes[row];
        const keys::GridKeys keys = keys::KeysForGrid(gridSize);
        table[row].gridSize = gridSize;
        table[row].score = ProfileStore::ValueIn(text, keys::kHighSection, keys.score, keys::kScoreDefault);
        table[row].name = ProfileStore::ValueIn(text, keys::kHighSection, keys.name, keys::kNameDefault);
        table[row].level = ProfileStore::ValueIn(text, keys::kHighSection, keys.level, keys::kScoreLevelDefault);
    }
    return table;
}

bool ResetBestScores(const ProfileStore& scores)
{
    // Kept alive for the write: the list below refers to these texts.
    std::vector<keys::GridKeys> grids;
    for (const int gridSize : keys::kGridSizes)
        grids.push_back(keys::KeysForGrid(gridSize));
    std::vector<ProfileStore::KeyValue> values;
    for (const auto& grid : grids)
        values.push_back({grid.score, keys::kScoreDefault});
    for (const auto& grid : grids)
        values.push_back({grid.name, keys::kNameDefault});
    for (const auto& grid : grids)
        values.push_back({grid.level, keys::kScoreLevelDefault});
    return scores.WriteStrings(keys::kHighSection, values);
}

double StoredBest(const ProfileStore& scores, int gridSize)
{
    const keys::GridKeys keys = keys::KeysForGrid(gridSize);
    return AtoF(scores.GetString(keys::kHighSection, keys.score, keys::kScoreDefault));
}

BestScoreOutcome RecordBestScore(const ProfileStore& scores, int gridSize, int seconds, int dealtLevel,
                                 const std::function<std::string()>& askName)
{
    if (!Beats(seconds, StoredBest(scores, gridSize)))
        return BestScoreOutcome::NotABest;

    const std::string name = NameValue(askName());
    const std::string score = ScoreText(seconds);
    const std::string level = ItoA(dealtLevel);
    const keys::GridKeys keys = keys::KeysForGrid(gridSize);

    // The name was asked with no lock held; another copy of the program may have stored a
    // better time meanwhile, and that one must not be overwritten by a worse one.
    bool overtaken = false;
    const bool written = scores.Update([&](std::string_view current) -> std::optional<std::string> {
        if (!Beats(seconds, BestIn(current, keys))) {
            overtaken = true;
            return std::nullopt;
        }
        std::string text = ini::SetValue(current, keys::kHighSection, keys.score, score);
        text = ini::SetValue(text, keys::kHighSection, keys.name, name);
        return ini::SetValue(text, keys::kHighSection, keys.level, level);
    });
    if (!written)
        return BestScoreOutcome::WriteFailed;
    return overtaken ? BestScoreOutcome::Overtaken : BestScoreOutcome::Recorded;
}

}  // namespace tilora
