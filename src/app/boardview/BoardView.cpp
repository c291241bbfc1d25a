// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/BoardView.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

#include "app/boardview/BoardAccessible.h"
#include "app/boardview/BoardTexts.h"
#include "app/boardview/LineTexts.h"
#include "app/boardview/SlideAnimation.h"
#include "app/game/Game.h"
#include "display/BoardPainter.h"
#include "display/PaintGeometry.h"

namespace tilora {

BoardView::BoardView(PictureCache& pictures, const PictureRecord& loaded, const Game& game, QWidget* parent)
    : QWidget(parent), m_pictures(pictures), m_loaded(loaded), m_game(game)
{
    InstallBoardAccessibility();
    // The arrows are the board's keys: it takes the focus from a click or Tab, and the
    // window hands it on whenever the window itself is given the focus.
    setFocusPolicy(Qt::StrongFocus);
    m_slides = new SlideAnimation(this);
    // The frames come at the screen's refresh; only the cells a slide crosses are drawn.
    const qreal refresh = screen() != nullptr ? screen()->refreshRate() : 60.0;
    m_slides->SetFrameInterval(std::chrono::milliseconds(static_cast<int>(1000.0 / std::max<qreal>(refresh, 30.0))));
    connect(m_slides, &SlideAnimation::frameDue, this, [this] { update(SlideRegion(m_slides->Frame().blocks)); });
    connect(m_slides, &SlideAnimation::ended, this,
            [this](const std::vector<SlideFrame::Block>& blocks) { update(SlideRegion(blocks)); });
}

BoardView::BoardView(const BoardView& like, const Game& game, QWidget* parent)
    : BoardView(like.m_pictures, like.m_loaded, game, parent)
{
    m_bCustomPicture = like.m_bCustomPicture;
    m_nPicture = like.m_nPicture;
    m_nZoom = like.m_nZoom;
    m_bNumbers = like.m_bNumbers;
    m_bAnimate = like.m_bAnimate;
}

void BoardView::SetAnimate(bool animate)
{
    if (!animate)
        EndSlide();
    m_bAnimate = animate;
}

void BoardView::EndSlide()
{
    m_slides->End();
}

DeviceScale BoardView::PaintScale() const
{
    return DeviceScale(m_nZoom / 100.0 * devicePixelRatioF());
}

void BoardView::SetZoom(int percent)
{
    EndSlide();
    m_nZoom = percent;
}

void BoardView::SetNumbers(bool numbers)
{
    EndSlide();
    m_bNumbers = numbers;
    update();
}

void BoardView::SetPicture(bool custom, int picture)
{
    EndSlide();
    m_bCustomPicture = custom;
    m_nPicture = picture;
}

PaintState BoardView::State() const
{
    return {m_game.Playing(), m_game.ShowFinished(), m_game.Paused(), m_bCustomPicture, m_nPicture,
            &m_game.GetBoard(), m_bNumbers};
}

bool BoardView::CanSlide(CellPos cell) const
{
    return m_game.CanSlide(cell);
}

void BoardView::SizeChanged()
{
    EndSlide();
    m_step.clear();
    m_cursor.reset();
}

void BoardView::paintEvent(QPaintEvent* event)
{
    PaintState state = State();
    BoardPainter painter(m_pictures, m_loaded, PaintScale(), m_bStandIn);
    // A picture that cannot be drawn is given up by the game at once: the paint goes on
    // with the state the game has then.
    if (!painter.CanDraw(state)) {
        emit pictureFailed();
        state = State();
    }
    if (m_slides->Running())
        state.slide = &m_slides->Frame();
    // The screen is drawn in device pixels into an image of the part to paint, then
    // copied one to one: every line and block then covers whole device pixels, which a
    // painter scaled by a fractional ratio would not promise. Pixels the painter leaves
    // alone stay transparent, showing the window's background as before.
    const qreal ratio = devicePixelRatioF();
    const QRectF dirty = event->region().boundingRect();
    const QPoint topLeft(static_cast<int>(std::floor(dirty.left() * ratio)),
                         static_cast<int>(std::floor(dirty.top() * ratio)));
    const QPoint bottomRight(static_cast<int>(std::ceil((dirty.left() + dirty.width()) * ratio)),
                             static_cast<int>(std::ceil((dirty.top() + dirty.height()) * ratio)));
    const QRect area(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
    if (area.isEmpty())
        return;
    QImage screen(area.size(), QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::transparent);
    {
        QPainter device(&screen);
        device.translate(-area.topLeft());
        painter.Paint(device, state, QRegion(area));
        PaintCursor(device, state);
    }
    screen.setDevicePixelRatio(ratio);
    QPainter window(this);
    window.drawImage(QPointF(area.topLeft()) / ratio, screen);
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    // A new size lays the cells out anew: the slide ends first. (A hidden view gets its
    // first size when it is first drawn, which changes nothing on the screen.)
    if (event->oldSize().isValid() && event->oldSize() != event->size())
        EndSlide();
    QWidget::resizeEvent(event);
    emit resized(event->size());
}

void BoardView::hideEvent(QHideEvent* event)
{
    EndSlide();
    QWidget::hideEvent(event);
}

QRegion BoardView::CellRegion(CellPos cell) const
{
    // On a screen with a fractional pixel ratio a cell's device pixels may reach past its
    // window pixels by one.
    const int margin = devicePixelRatioF() == 1.0 ? 0 : 1;
    const QMargins more(margin, margin, margin, margin);
    return WindowScale().Rect(geometry::CellFrame(State().board->GridSize(), cell.row, cell.column)) + more;
}

QRegion BoardView::SlideRegion(const std::vector<SlideFrame::Block>& blocks) const
{
    QRegion cells;
    for (const SlideFrame::Block& block : blocks)
        cells += CellRegion(block.from) + CellRegion(block.to);
    return cells;
}

void BoardView::RedrawMove(CellPos from, CellPos to)
{
    // The blocks of one step (a whole line) slide together; a new step ends the slide
    // before it, so that its blocks stand in place before the next ones move.
    const bool sameStep = !m_step.empty();
    QRegion cells = CellRegion(from) + CellRegion(to);
    if (m_cursor)
        cells += CellRegion(*m_cursor);
    m_cursor.reset();
    if (m_bAnimate) {
        // The board has changed already: the frames show the block on its way, from the
        // display's next refresh on. Only the reading cursor's frame goes at once.
        if (sameStep)
            m_slides->Extend({from, to});
        else
            m_slides->Start({from, to});
        const QRegion sliding = SlideRegion(m_slides->Frame().blocks);
        repaint(cells - sliding);
        update(sliding);
    } else {
        // Only the two cells are painted, at once: the rest of the window stays as it is.
        repaint(cells);
    }
    m_step.push_back({from, to});
    if (m_game.MovesToCome() == 0)
        TellStep();
}

void BoardView::TellStep()
{
    // The move's news, told at once and before the slide ends: the block or blocks that
    // moved where, then where the blank is now or that the picture is complete. The focus
    // stays where it was: a screen reader would read a whole row for a blank that changed
    // rows.
    const QString news = StepNews(*State().board, m_step);
    m_step.clear();
    Announce(m_lead.isEmpty() ? news : m_lead + QStringLiteral(": ") + news);
    m_lead.clear();
}

void BoardView::FocusBlank()
{
    EndSlide();
    m_cursor.reset();
    update();
    TellFocus();
}

CellPos BoardView::FocusCell() const
{
    if (m_cursor)
        return *m_cursor;
    return State().board->Blank().value_or(CellPos{0, 0});
}

QString BoardView::FocusCellName() const
{
    return CellName(State(), FocusCell());
}

void BoardView::TellFocus()
{
    if (hasFocus())
        FocusBoardCell(*this);
}

void BoardView::Announce(const QString& text)
{
    m_news = text;
    // News while a dialog is closing (a save, an opened game) would come to a screen
    // reader amid the dialog's own events, among which Orca drops it: it waits until the
    // keys are back and the board's place is said, and is said with it.
    if (m_bReturning || (isVisible() && !window()->isActiveWindow())) {
        m_held = text;
        return;
    }
    m_held.clear();
    NotifyAnnouncement(*this);
}

QPoint BoardView::GamePoint(const QMouseEvent& event) const
{
    return PaintScale().ToGame(event.position() * devicePixelRatioF());
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_ptDragStart = GamePoint(*event);
    else
        QWidget::mousePressEvent(event);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    // A drag ends on the blank: the block where it started is chosen.
    const QPoint point = GamePoint(*event);
    const Board& board = *State().board;
    const auto cell = board.CellAt(point.x(), point.y());
    if (cell && board.Cell(cell->row, cell->column) == board.BlankTile())
        emit pointChosen(m_ptDragStart);
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit pointChosen(GamePoint(*event));
    else
        QWidget::mouseDoubleClickEvent(event);
}

void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Back from a dialog or a menu (and at the start), a screen reader has just named the
    // window: where the player is on the board is said in one phrase, where the cell's
    // focus would bring the table and its whole row. The reading cursor takes a cell
    // again at its first step.
    // It is said a moment later: a closing dialog floods a screen reader with events,
    // among which Orca drops news, and a menu command that opens a dialog gives the board
    // the keys for that moment only. News told meanwhile comes first; nothing is said
    // while a dialog or a menu has the keys.
    if (BackFromElsewhere(event->reason())) {
        m_bReturning = true;
        QTimer::singleShot(kReturnDelay, this, [this] {
            m_bReturning = false;
            if (!hasFocus() || QApplication::activePopupWidget() != nullptr)
                return;
            const QString place = FocusCellName();
            const QString held = std::exchange(m_held, QString());
            Announce(held.isEmpty() || held.contains(place) ? (held.isEmpty() ? place : held)
                                                            : held + QStringLiteral(". ") + place);
        });
        return;
    }
    // Qt tells a screen reader of the view's own focus after this handler; the cell's
    // focus follows it, so that the cell, not the nameless view, is what is read.
    QMetaObject::invokeMethod(this, &BoardView::TellFocus, Qt::QueuedConnection);
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    // A dialog shows the board as it is behind it.
    EndSlide();
    QWidget::focusOutEvent(event);
}

bool BoardView::BackFromElsewhere(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

void BoardView::childEvent(QChildEvent* event)
{
    // A click on any control of the panel gives the board the keys back.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWidget::childEvent(event);
}

bool BoardView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        setFocus(Qt::MouseFocusReason);
    return QWidget::eventFilter(watched, event);
}

}  // namespace tilora
