// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/BoardAccessible.h"

#include <QAccessibleWidget>

#include "app/boardview/BoardTableAccessible.h"

namespace tilora {
namespace {

constexpr int kOwnChildren = 2;  // the table and the news

QAccessibleInterface* ViewInterface(BoardView* view)
{
    return QAccessible::queryAccessibleInterface(view);
}

// News that belongs to no cell (a new game, a pause, what the player asked to hear). A
// screen reader speaks an object of this role when it is shown, whether or not it has
// the focus.
class NewsAccessible final : public BoardPart {
public:
    using BoardPart::BoardPart;
    QAccessibleInterface* parent() const override { return ViewInterface(m_view); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_view->Announcement() : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
};

// The drawing surface: the board's table and the status line, then the controls of the
// side panel. The hidden default button is no part of what is shown.
class BoardViewAccessible final : public QAccessibleWidget {
public:
    explicit BoardViewAccessible(BoardView* view)
        : QAccessibleWidget(view, QAccessible::Client),
          m_table(QAccessible::registerAccessibleInterface(NewBoardTable(view))),
          m_status(QAccessible::registerAccessibleInterface(new NewsAccessible(view)))
    {
    }
    ~BoardViewAccessible() override
    {
        QAccessible::deleteAccessibleInterface(m_table);
        QAccessible::deleteAccessibleInterface(m_status);
    }
    QWidgetList Shown() const
    {
        QWidgetList shown;
        for (QObject* child : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow() && !w->isHidden())
                shown.append(w);
        return shown;
    }
    int childCount() const override { return kOwnChildren + static_cast<int>(Shown().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index == kTableIndex || index == kStatusIndex)
            return QAccessible::accessibleInterface(index == kTableIndex ? m_table : m_status);
        const QWidgetList shown = Shown();
        index -= kOwnChildren;
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        if (id == m_table || id == m_status)
            return id == m_table ? kTableIndex : kStatusIndex;
        const auto index = Shown().indexOf(qobject_cast<QWidget*>(child->object()));
        return index < 0 ? -1 : kOwnChildren + static_cast<int>(index);
    }
    QAccessibleInterface* focusChild() const override
    {
        return widget()->hasFocus() ? child(kTableIndex)->focusChild() : nullptr;
    }

private:
    QAccessible::Id m_table;
    QAccessible::Id m_status;
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(BoardView::staticMetaObject.className()))
        return new BoardViewAccessible(static_cast<BoardView*>(object));
    return nullptr;
}

// Sends `type` for the view's accessible child `index`, when a screen reader listens.
[[maybe_unused]] void Notify(BoardView& view, int index, QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(ViewInterface(&view)->child(index), type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallBoardAccessibility()
{
    QAccessible::installFactory(Factory);
}

void NotifyAnnouncement(BoardView& view)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement reaches every screen reader; the news object still holds the
    // text for reading.
    if (QAccessible::isActive()) {
        QAccessibleAnnouncementEvent event(&view, view.Announcement());
        QAccessible::updateAccessibility(&event);
    }
#else
    Notify(view, kStatusIndex, QAccessible::ObjectShow);
#endif
}

void FocusBoardCell(BoardView& view)
{
    if (!QAccessible::isActive())
        return;
    const CellPos cell = view.FocusCell();
    // A cell outside the board has no interface, and Qt's event needs one.
    QAccessibleInterface* focused = ViewInterface(&view)->child(kTableIndex)->tableInterface()->cellAt(cell.row, cell.column);
    if (!focused)
        return;
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tilora
