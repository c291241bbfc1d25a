// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/DealClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/game/Game.h"
#include "app/prompts/DealMessages.h"
#include "app/prompts/Messages.h"
#include "board/DealText.h"

namespace tilora {
namespace {

Message RefusalMessage(deal_text::Refusal refusal)
{
    switch (refusal) {
    case deal_text::Refusal::WrongCount: return messages::DealWrongCount();
    case deal_text::Refusal::WrongNumbers: return messages::DealWrongNumbers();
    case deal_text::Refusal::Unsolvable: return messages::DealUnsolvable();
    case deal_text::Refusal::WrongSize: return messages::DealWrongSize();
    case deal_text::Refusal::NotABoard: break;
    }
    return messages::DealNotABoard();
}

}  // namespace

QString DealTextToCopy(const Game& game)
{
    // The start board of a game of an earlier size is no longer the game on show.
    const Board& start = game.StartBoard();
    const Board& shown = start.GridSize() == game.GetBoard().GridSize() ? start : game.GetBoard();
    return QString::fromStdString(deal_text::Format(shown));
}

PastedDeal ReadPastedDeal(const QString& text)
{
    // A text far longer than any deal is not converted whole.
    if (text.size() > static_cast<qsizetype>(deal_text::kMaxLength))
        return {std::nullopt, messages::DealNotABoard()};
    const deal_text::Parsed parsed = deal_text::Parse(text.toStdString());
    if (!parsed.board)
        return {std::nullopt, RefusalMessage(parsed.refusal)};
    const Board& board = *parsed.board;
    SavedGame game;
    game.gridSize = board.GridSize();
    for (int r = 0; r < board.GridSize(); ++r)
        for (int c = 0; c < board.GridSize(); ++c)
            game.cells.push_back(board.Cell(r, c));
    return {game, {}};
}

void CopyDeal(const Game& game)
{
    QGuiApplication::clipboard()->setText(DealTextToCopy(game));
}

std::optional<SavedGame> PasteDeal(const Game& game, Prompter& prompter, QWidget* owner)
{
    PastedDeal deal = ReadPastedDeal(QGuiApplication::clipboard()->text());
    if (!deal.game) {
        prompter.Ask(owner, deal.refusal);
        return std::nullopt;
    }
    if (game.Playing() && prompter.Ask(owner, messages::ConfirmNewGame()) != QMessageBox::Yes)
        return std::nullopt;
    return deal.game;
}

}  // namespace tilora
