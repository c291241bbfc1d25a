// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/SlideMotion.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <string>

#include "app/boardview/BoardView.h"
#include "app/motion/PortalMotion.h"
#include "scores/ProfileStore.h"
#include "scores/ScoreKeys.h"

namespace tilora {
namespace {

constexpr int kFirstCommand = 32805;
constexpr std::array kChoices{AnimateSlides::FollowDesktop, AnimateSlides::Always, AnimateSlides::Never};

}  // namespace

SlideMotion::SlideMotion(QMenuBar& bar, ProfileStore& scores, BoardView& board, bool allowed, QObject* parent)
    : QObject(parent), m_scores(scores), m_board(board), m_bAllowed(allowed), m_portal(new PortalMotion(this))
{
    // The entry comes last in the View menu, so that every other entry keeps its place.
    QMenu* view = bar.findChild<QMenu*>(QStringLiteral("menuView"));
    QMenu* menu = view != nullptr ? view->addMenu(tr("Animate &Slides")) : new QMenu(tr("Animate &Slides"), &bar);
    menu->setObjectName(QStringLiteral("menuAnimateSlides"));
    auto* group = new QActionGroup(menu);
    const std::array<QString, 3> texts{tr("As the &Desktop Wishes"), tr("&Always"), tr("&Never")};
    const std::array<const char*, 3> names{"actionAnimateDesktop", "actionAnimateAlways", "actionAnimateNever"};
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        QAction* action = menu->addAction(texts[i]);
        action->setObjectName(QString::fromLatin1(names[i]));
        // Command ids after the View menu's others, as every menu command has one.
        action->setData(kFirstCommand + static_cast<int>(i));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { Choose(kChoices[i]); });
        m_actions[i] = action;
    }
    m_choice = AnimateSlidesFromText(
        m_scores.GetString(keys::kViewSection, keys::kAnimateKey, AnimateSlidesText(AnimateSlides::FollowDesktop)));
    connect(m_portal, &PortalMotion::changed, this, &SlideMotion::Apply);
    Apply();
}

void SlideMotion::Choose(AnimateSlides choice)
{
    m_choice = choice;
    m_scores.WriteString(keys::kViewSection, keys::kAnimateKey, AnimateSlidesText(choice));
    Apply();
}

void SlideMotion::FollowDesktop(const QString& address)
{
    m_portal->Start(address);
}

void SlideMotion::Apply()
{
    for (std::size_t i = 0; i < kChoices.size(); ++i)
        m_actions[i]->setChecked(kChoices[i] == m_choice);
    m_board.SetAnimate(m_bAllowed && ShouldAnimate(m_choice, m_portal->Motion()));
}

}  // namespace tilora
