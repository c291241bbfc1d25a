// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <optional>

#include "board/Board.h"
#include "display/DeviceScale.h"
#include "display/PaintState.h"
#include "display/SlideFrame.h"

class QPainter;

namespace tilora {

class Game;
class PictureCache;
class SlideAnimation;
struct PictureRecord;

// The game's drawing surface: the board, the thumbnail and the title and pause screens,
// as large as the window's zoom makes them. It paints what the game window's state calls
// for, turns the mouse and the arrow keys into the block the player chose, and tells a
// screen reader what it shows. The game's rules stay with the game: the view says which
// point or cell was chosen, and asks the game whether a block may slide.
class BoardView final : public QWidget {
    Q_OBJECT
public:
    // The view reads the game it shows at every paint, key and accessibility query, so
    // that it always shows the game as it is, whichever handler changed it.
    BoardView(PictureCache& pictures, const PictureRecord& loaded, const Game& game, QWidget* parent);
    // A second view, of `game`, drawn as `like` draws its own: the same pictures, picture,
    // zoom, numbers and slides (a replay beside the game).
    BoardView(const BoardView& like, const Game& game, QWidget* parent);
    const Game& GetGame() const { return m_game; }
    // The picture to draw the board from: the loaded one, or built-in picture `picture`.
    void SetPicture(bool custom, int picture);

    // Game pixels to window pixels, and to the screen's device pixels. The view holds the
    // window's zoom: the window reads it from here.
    void SetZoom(int percent);
    int Zoom() const { return m_nZoom; }
    DeviceScale WindowScale() const { return DeviceScale(m_nZoom / 100.0); }
    DeviceScale PaintScale() const;
    // While a resize goes on, pictures not made for the new scale stand in.
    void SetStandIn(bool standIn) { m_bStandIn = standIn; }
    // Blocks show their numbers in a corner.
    void SetNumbers(bool numbers);
    bool Numbers() const { return m_bNumbers; }

    // Each move slides its blocks into place (about 120 ms) instead of jumping there.
    void SetAnimate(bool animate);
    bool Animate() const { return m_bAnimate; }
    // The running slide jumps to its end: before anything else changes the screen.
    void EndSlide();
    SlideAnimation& Slides() const { return *m_slides; }

    PaintState State() const;
    // The quick redraw after a slide from `from` into `to`: only the two cells (and the
    // reading cursor's, which the slide puts away), at once, or the slide of the block
    // across them; then a screen reader is told which block moved where, where the blank
    // is now, and when it solved the board. The blocks of a whole line are one slide and
    // are told once, after the last of them. The focus stays where it was: a screen
    // reader would read a whole row for a blank that changed rows before the move.
    void RedrawMove(CellPos from, CellPos to);
    // The next move's news starts with `lead` ("Hint").
    void LeadNextMove(const QString& lead) { m_lead = lead; }
    // How long after the keys come back from a dialog or a menu the board's place is
    // told, in milliseconds.
    static constexpr int kReturnDelay = 300;
    // Tells a screen reader `text`, news that belongs to no cell (a new game, a pause).
    void Announce(const QString& text);
    QString Announcement() const { return m_news; }
    // A new board: the reading cursor goes, and a screen reader is taken to the blank.
    void FocusBlank();

    // The cell a screen reader has the focus on while the view has the keys: the reading
    // cursor's, else the blank's; and its name.
    CellPos FocusCell() const;
    QString FocusCellName() const;
    // The reading cursor, while the player uses it; it is drawn as a thin frame.
    std::optional<CellPos> Cursor() const { return m_cursor; }

    // The block on `cell` may slide now, by the game's rule.
    bool CanSlide(CellPos cell) const;
    // The board has a new size: the reading cursor and the step being told, which
    // belonged to the old one, go. Nothing is repainted: the next game shows the size.
    void SizeChanged();

signals:
    // The mouse chose the block at a game point: a double click there, or a drag from
    // there that ended on the blank.
    void pointChosen(QPoint point);
    // The keys or a screen reader chose the block on `cell`.
    void cellChosen(CellPos cell);
    // The loaded picture cannot be drawn; the paint went on from the built-in one.
    void pictureFailed();
    // The player or the window manager gave the view a new size.
    void resized(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The keys of the reading cursor and of the status on request.
    bool ReadingKey(const QKeyEvent& event);
    void MoveCursor(int dRow, int dColumn);
    void CursorToBlank();
    void ChooseFocusCell();
    // Sends the focus cell to a screen reader, when the view has the keys.
    void TellFocus();
    // The keys come back to the board for `reason` from a dialog or a menu (or at the
    // start): the board's place is then told as news, not by a cell's focus.
    static bool BackFromElsewhere(Qt::FocusReason reason);
    // The reading cursor's frame, drawn over the board in device pixels.
    void PaintCursor(QPainter& device, const PaintState& state) const;
    QRegion CellRegion(CellPos cell) const;
    // The cells the blocks of a slide cross.
    QRegion SlideRegion(const std::vector<SlideFrame::Block>& blocks) const;
    // Tells a screen reader the step whose last block has just moved.
    void TellStep();

    // The game pixel under a mouse event: rounded down, so a point short of a cell's edge
    // stays in that cell at every zoom.
    QPoint GamePoint(const QMouseEvent& event) const;

    PictureCache& m_pictures;
    const PictureRecord& m_loaded;
    const Game& m_game;
    bool m_bCustomPicture = false;
    int m_nPicture = 1;
    int m_nZoom = 100;
    bool m_bStandIn = false;
    bool m_bNumbers = false;
    // Starts off the board, so that a release with no press before it moves nothing.
    QPoint m_ptDragStart{-1, -1};
    std::optional<CellPos> m_cursor;
    // The latest news, and what the next move's news starts with.
    QString m_news;
    SlideAnimation* m_slides = nullptr;
    bool m_bAnimate = false;
    // The blocks of the step being told, in the order they moved.
    std::vector<SlideFrame::Block> m_step;
    // News told while the window was not active or the keys were coming back, said with
    // the board's place once they are back.
    QString m_held;
    bool m_bReturning = false;
    QString m_lead;
};

}  // namespace tilora
