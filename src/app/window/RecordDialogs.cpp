// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/RecordDialogs.h"

#include "app/dialogs/StatisticsDlg.h"

#include "app/prompts/RecordMessages.h"
#include "app/record/PlayerRecord.h"
#include "app/replay/ReplayDlg.h"

namespace tilora {

void ShowStatistics(PlayerRecord& record, const BoardView& view, Prompter& prompter, QWidget* owner)
{
    // The replay opens over Statistics, which is there again when it closes.
    QWidget* statistics = nullptr;
    CStatisticsDlg dialog(record, prompter, owner,
                          [&](const KeptGame& game) { ReplayGame(game, record, view, prompter, statistics); });
    statistics = &dialog;
    prompter.Exec(dialog);
}

void ReplayGame(KeptGame game, const PlayerRecord& record, const BoardView& view, Prompter& prompter, QWidget* owner)
{
    game = record.Whole(std::move(game));
    auto recorded = ReadRecordedGame(game);
    if (!recorded) {
        prompter.Ask(owner, messages::GameNotReplayable());
        return;
    }
    CReplayDlg dialog(view, std::move(*recorded), game, owner);
    prompter.Exec(dialog);
}

void ReplayLastGame(PlayerRecord& record, const BoardView& view, Prompter& prompter, QWidget* owner)
{
    const std::vector<KeptGame>& games = record.Games();
    if (games.empty()) {
        prompter.Ask(owner, messages::NoGameToReplay());
        return;
    }
    ReplayGame(games.back(), record, view, prompter, owner);
}

}  // namespace tilora
