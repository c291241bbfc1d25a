// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <array>

#include "app/motion/MotionChoice.h"

class QAction;
class QMenuBar;

namespace tilora {

class BoardView;
class PortalMotion;
class ProfileStore;

// View > Animate Slides: the blocks slide as the desktop wishes (the default), always, or
// never; the choice is kept in the score file for the next start. Following the desktop,
// the board animates unless the desktop asks for less motion, and follows the desktop's
// changes as they come.
class SlideMotion final : public QObject {
    Q_OBJECT
public:
    // `allowed`: off, the board never animates, whatever the choice (the tests' windows).
    SlideMotion(QMenuBar& bar, ProfileStore& scores, BoardView& board, bool allowed, QObject* parent);

    AnimateSlides Choice() const { return m_choice; }
    void Choose(AnimateSlides choice);
    // Starts listening to the desktop, on the bus at `address` (empty: the session's).
    void FollowDesktop(const QString& address = {});
    const PortalMotion& Desktop() const { return *m_portal; }

private:
    void Apply();

    ProfileStore& m_scores;
    BoardView& m_board;
    bool m_bAllowed;
    AnimateSlides m_choice = AnimateSlides::FollowDesktop;
    PortalMotion* m_portal = nullptr;
    // Follow the desktop, Always, Never.
    std::array<QAction*, 3> m_actions{};
};

}  // namespace tilora
