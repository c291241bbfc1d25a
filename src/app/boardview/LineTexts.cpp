// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/LineTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/boardview/BoardTexts.h"

namespace tilora {
namespace {

// Translated under the board's own context, with its other texts.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BoardView)
};

}  // namespace

QString StepAnnouncement(const Board& board, const std::vector<SlideFrame::Block>& blocks)
{
    if (blocks.empty())
        return {};
    const SlideFrame::Block& first = blocks.front();
    if (blocks.size() == 1)
        return MoveAnnouncement(board, first.from, first.to);
    // The blocks of a step all move the same way: the first one's tells it.
    QStringList tiles;
    for (const SlideFrame::Block& block : blocks)
        tiles << QString::number(board.Cell(block.to.row, block.to.column));
    const QString last = tiles.takeLast();
    const QString list = tiles.join(QStringLiteral(", "));
    if (first.to.column < first.from.column)
        return Text::tr("Blocks %1 and %2 moved left").arg(list, last);
    if (first.to.column > first.from.column)
        return Text::tr("Blocks %1 and %2 moved right").arg(list, last);
    if (first.to.row < first.from.row)
        return Text::tr("Blocks %1 and %2 moved up").arg(list, last);
    return Text::tr("Blocks %1 and %2 moved down").arg(list, last);
}

QString StepNews(const Board& board, const std::vector<SlideFrame::Block>& blocks)
{
    if (blocks.empty())
        return {};
    // The last block to move left the blank where it is now.
    return StepAnnouncement(board, blocks) + QStringLiteral(". ") + AfterMoveText(board, blocks.back().from);
}

}  // namespace tilora
