// SPDX-License-Identifier: GPL-3.0-or-later
// The board's keys: the arrows slide a block into the blank; Shift with an arrow moves
// the reading cursor over the cells without sliding anything, Space or Enter slides the
// block under it, Home takes it back to the blank; R, B and T read the cursor's row, the
// blocks around the blank, and the time and moves so far.
#include "app/boardview/BoardView.h"

#include <QKeyEvent>
#include <QPainter>

#include "app/boardview/BoardTexts.h"
#include "app/game/Game.h"
#include "display/PaintGeometry.h"

namespace tilora {
namespace {

struct Step {
    int dRow = 0;
    int dColumn = 0;
};

std::optional<Step> ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left: return Step{0, -1};
    case Qt::Key_Right: return Step{0, 1};
    case Qt::Key_Up: return Step{-1, 0};
    case Qt::Key_Down: return Step{1, 0};
    default: return std::nullopt;
    }
}

}  // namespace

void BoardView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const auto step = ArrowStep(event->key());
    if (step && modifiers == Qt::ShiftModifier)
        return MoveCursor(step->dRow, step->dColumn);
    if (modifiers != Qt::NoModifier || (!step && !ReadingKey(*event)))
        return QWidget::keyPressEvent(event);
    if (!step)
        return;
    // An arrow slides the block on the arrow's far side of the blank into it: the block
    // moves in the arrow's direction. The first blank in reading order is the one the
    // arrows act on.
    const PaintState state = State();
    if (const auto blank = state.board->Blank()) {
        const CellPos block{blank->row - step->dRow, blank->column - step->dColumn};
        if (state.board->Contains(block))
            emit cellChosen(block);
    }
}

bool BoardView::ReadingKey(const QKeyEvent& event)
{
    // Enter is the board's while it has the keys; the window's hidden default button
    // keeps it elsewhere.
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ChooseFocusCell();
        return true;
    case Qt::Key_Home:
        CursorToBlank();
        return true;
    case Qt::Key_R:
        Announce(RowText(State(), FocusCell().row));
        return true;
    case Qt::Key_B:
        Announce(AroundBlankText(State()));
        return true;
    case Qt::Key_T:
        Announce(TallyText(m_game.Seconds(), m_game.Moves()));
        return true;
    default:
        return false;
    }
}

void BoardView::MoveCursor(int dRow, int dColumn)
{
    const CellPos from = FocusCell();
    const CellPos to{from.row + dRow, from.column + dColumn};
    // At the edge the cell is said again: the cursor goes no further.
    if (!State().board->Contains(to))
        return Announce(CellName(State(), from));
    m_cursor = to;
    update();
    TellFocus();
}

void BoardView::CursorToBlank()
{
    const CellPos before = FocusCell();
    m_cursor.reset();
    update();
    // A screen reader says nothing of a focus it already has: the blank is said instead.
    if (FocusCell() == before)
        return Announce(CellName(State(), before));
    TellFocus();
}

void BoardView::ChooseFocusCell()
{
    const CellPos cell = FocusCell();
    if (CanSlide(cell))
        emit cellChosen(cell);
    else
        Announce(CannotSlideText(State(), cell));
}

void BoardView::PaintCursor(QPainter& device, const PaintState& state) const
{
    const Screen screen = ScreenFor(state);
    if (!m_cursor || screen == Screen::Title || screen == Screen::Pause)
        return;
    // A black frame with a white line inside it, seen on any picture, as thick as the
    // grid's lines at every zoom.
    const DeviceScale scale = PaintScale();
    const int line = scale.LineWidth();
    const QRect cell = scale.Rect(geometry::CellFrame(state.board->GridSize(), m_cursor->row, m_cursor->column));
    for (const auto& [inset, colour] : {std::pair{0, Qt::black}, std::pair{line, Qt::black}, std::pair{2 * line, Qt::white}}) {
        const QRect r = cell.adjusted(inset, inset, -inset, -inset);
        device.fillRect(r.left(), r.top(), r.width(), line, colour);
        device.fillRect(r.left(), r.bottom() - line + 1, r.width(), line, colour);
        device.fillRect(r.left(), r.top(), line, r.height(), colour);
        device.fillRect(r.right() - line + 1, r.top(), line, r.height(), colour);
    }
}

}  // namespace tilora
