// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/BoardAccessible.h"

#include <QAccessibleWidget>

#include "app/boardview/BoardTableAccessible.h"

namespace tilora {
namespace {

constexpr int kOwnChildren = 2;  // the table and the status line with the news

QAccessibleInterface* ViewInterface(BoardView* view)
{
    return QAccessible::queryAccessibleInterface(view);
}

// News that belongs to no cell (a move, a new game, a pause, what the player asked to
// hear). A screen reader speaks an object of this role when it is shown, whether or not
// it has the focus; inside a status line Orca speaks its text alone, without calling it
// a notification first, so that a move's news starts with the block that moved.
class NewsAccessible final : public BoardPart {
public:
    NewsAccessible(BoardView* view, QAccessible::Id status) : BoardPart(view), m_status(status) {}
    QAccessibleInterface* parent() const override { return QAccessible::accessibleInterface(m_status); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_view->Announcement() : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }

private:
    QAccessible::Id m_status;
};

// The status line that holds the news: shown nowhere, read only through its news.
class StatusAccessible final : public BoardPart {
public:
    explicit StatusAccessible(BoardView* view) : BoardPart(view) {}
    ~StatusAccessible() override
    {
        if (m_news != 0)
            QAccessible::deleteAccessibleInterface(m_news);
    }
    QAccessibleInterface* parent() const override { return ViewInterface(m_view); }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index != 0)
            return nullptr;
        if (m_news == 0)
            m_news = QAccessible::registerAccessibleInterface(
                new NewsAccessible(m_view, QAccessible::uniqueId(const_cast<StatusAccessible*>(this))));
        return QAccessible::accessibleInterface(m_news);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return m_news != 0 && QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)) == m_news ? 0 : -1;
    }
    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }

private:
    mutable QAccessible::Id m_news = 0;
};

// The drawing surface: the board's table and the status line, then the controls of the
// side panel. The hidden default button is no part of what is shown.
class BoardViewAccessible final : public QAccessibleWidget {
public:
    explicit BoardViewAccessible(BoardView* view)
        : QAccessibleWidget(view, QAccessible::Client),
          m_table(QAccessible::registerAccessibleInterface(NewBoardTable(view))),
          m_status(QAccessible::registerAccessibleInterface(new StatusAccessible(view)))
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
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(ViewInterface(&view)->child(kStatusIndex)->child(0), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
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
