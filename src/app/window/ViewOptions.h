// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMenuBar;
class QWidget;

namespace tilora {

class BoardView;
class Game;
class ProfileStore;
class SlideMotion;

// View > Numbers on Blocks and View > Show Moves, read at the start and remembered in the
// score file; with Show Moves, the window's title counts the moves of the game, so that no
// control of the window moves.
class ViewOptions final : public QObject {
    Q_OBJECT
public:
    ViewOptions(QAction& numbers, QAction& showMoves, ProfileStore& scores, BoardView& view, QWidget& window);
    void ReadStart();
    // View > Animate Slides, last in the View menu of `bar`; with `allowed` off (the tests'
    // windows) the board never animates. The desktop is asked once the window is on the
    // screen; its answer comes when it comes.
    void FollowMotion(QMenuBar& bar, bool allowed);
    SlideMotion& Motion() const { return *m_motion; }
    void OnNumbersOnBlocks(bool on);
    void OnShowMoves(bool on);
    // The title, after each move and each new game.
    void ShowMoves();

private:
    QAction& m_numbers;
    QAction& m_showMoves;
    ProfileStore& m_scores;
    BoardView& m_view;
    QWidget& m_window;
    SlideMotion* m_motion = nullptr;
};

}  // namespace tilora
