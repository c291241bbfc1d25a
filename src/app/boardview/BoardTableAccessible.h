// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "app/boardview/BoardView.h"

namespace tilora {

// The index of the board's table among the view's accessible children; the news
// object follows it.
inline constexpr int kTableIndex = 0;
inline constexpr int kStatusIndex = 1;

// A part of the board that a screen reader sees but that is no widget of its own. It
// lives as long as the view's interface, which drops it.
class BoardPart : public QAccessibleInterface {
public:
    explicit BoardPart(BoardView* view) : m_view(view) {}
    bool isValid() const override { return !m_view.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override { return {}; }

protected:
    QPointer<BoardView> m_view;
};

// The board's table of n x n cells for `view`, to be registered with QAccessible.
QAccessibleInterface* NewBoardTable(BoardView* view);

}  // namespace tilora
