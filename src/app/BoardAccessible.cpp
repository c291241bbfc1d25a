// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

#include <array>

#include "app/BoardView.h"
#include "display/PaintGeometry.h"

namespace tilora {
namespace {

// The board's texts are translated under the context "BoardView".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BoardView)
};

// The index of the table among the view's accessible children; the status follows it.
constexpr int kTableIndex = 0;
constexpr int kStatusIndex = 1;
constexpr int kOwnChildren = 2;

QAccessibleInterface* ViewInterface(BoardView* view)
{
    return QAccessible::queryAccessibleInterface(view);
}

// The game rectangle `rect` on the screen, in the view's zoom.
QRect OnScreen(const BoardView& view, const QRect& rect)
{
    const QRect shown = view.WindowScale().Rect(rect);
    return {view.mapToGlobal(shown.topLeft()), shown.size()};
}

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

class CellAccessible final : public BoardPart, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    CellAccessible(BoardView* view, CellPos cell) : BoardPart(view), m_cell(cell) {}
    QAccessibleInterface* parent() const override { return ViewInterface(m_view)->child(kTableIndex); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? CellName(m_view->State(), m_cell) : QString();
    }
    QRect rect() const override
    {
        return OnScreen(*m_view, geometry::CellFrame(m_view->State().board->GridSize(), m_cell.row, m_cell.column));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_cell.column; }
    int rowIndex() const override { return m_cell.row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Only a block that can slide now offers the action.
    QStringList actionNames() const override
    {
        return m_view->CanSlide(m_cell) ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && m_view->CanSlide(m_cell))
            emit m_view->blockChosen(m_view->CellCentre(m_cell));
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    CellPos m_cell;
};

class TableAccessible final : public BoardPart, public QAccessibleTableInterface {
public:
    using BoardPart::BoardPart;
    ~TableAccessible() override
    {
        for (const auto& row : m_cells)
            for (const QAccessible::Id id : row)
                if (id != 0)
                    QAccessible::deleteAccessibleInterface(id);
    }
    int Size() const { return m_view->State().board->GridSize(); }

    QAccessibleInterface* parent() const override { return ViewInterface(m_view); }
    QAccessibleInterface* child(int index) const override
    {
        const int n = Size();
        return index >= 0 && index < n * n ? cellAt(index / n, index % n) : nullptr;
    }
    int childCount() const override { return Size() * Size(); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        return cell ? cell->rowIndex() * Size() + cell->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint game = m_view->WindowScale().ToGame(QPointF(m_view->mapFromGlobal(QPoint(x, y))));
        const auto cell = m_view->State().board->CellAt(game.x(), game.y());
        return cell ? cellAt(cell->row, cell->column) : nullptr;
    }
    // The cell of the blank: the arrows act around it.
    QAccessibleInterface* focusChild() const override
    {
        const Board& board = *m_view->State().board;
        for (int i = 0; i < Size() * Size(); ++i)
            if (board.Cell(i / Size(), i % Size()) == board.BlankTile())
                return child(i);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? Text::tr("Board") : QString(); }
    QRect rect() const override
    {
        const int n = Size();
        return OnScreen(*m_view, geometry::CellFrame(n, 0, 0).united(geometry::CellFrame(n, n - 1, n - 1)));
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = m_view->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || column < 0 || row >= Size() || column >= Size())
            return nullptr;
        QAccessible::Id& id = m_cells[row][column];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new CellAccessible(m_view, {row, column}));
        return QAccessible::accessibleInterface(id);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return Size(); }
    int rowCount() const override { return Size(); }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<std::array<QAccessible::Id, Board::kMaxGridSize>, Board::kMaxGridSize> m_cells{};
};

// The line a screen reader is told after a move or at the victory.
class StatusAccessible final : public BoardPart {
public:
    using BoardPart::BoardPart;
    QAccessibleInterface* parent() const override { return ViewInterface(m_view); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_view->Announcement() : QString();
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
};

// The drawing surface: the board's table and the status line, then the controls of the
// side panel. The hidden default button is no part of what is shown.
class BoardViewAccessible final : public QAccessibleWidget {
public:
    explicit BoardViewAccessible(BoardView* view)
        : QAccessibleWidget(view, QAccessible::Client),
          m_table(QAccessible::registerAccessibleInterface(new TableAccessible(view))),
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

// The game's window reads as the application's window, not as a dialog; the
// Pause/Restart button, which sits on the menu bar beside its menus, is one of its
// children, so that a screen reader can reach and press it.
class MainWindowAccessible final : public QAccessibleWidget {
public:
    explicit MainWindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
    QWidget* PauseButton() const { return widget()->findChild<QWidget*>(QStringLiteral("pauseRestartButton")); }
    int childCount() const override { return QAccessibleWidget::childCount() + (PauseButton() ? 1 : 0); }
    QAccessibleInterface* child(int index) const override
    {
        return index == QAccessibleWidget::childCount() ? QAccessible::queryAccessibleInterface(PauseButton())
                                                        : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child->object() == PauseButton() ? QAccessibleWidget::childCount()
                                                : QAccessibleWidget::indexOfChild(child);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tilora::BoardView"))
        return new BoardViewAccessible(static_cast<BoardView*>(object));
    if (className == QLatin1String("tilora::CPuzzleDlg"))
        return new MainWindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Sends `type` for the view's accessible child `index`, when a screen reader listens.
void Notify(BoardView& view, int index, QAccessible::Event type)
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

QString CellName(const PaintState& state, CellPos cell)
{
    switch (ScreenFor(state)) {
    case Screen::Title:
        return Text::tr("No game");
    case Screen::Pause:
        return Text::tr("Game paused");
    default:
        break;
    }
    const Board& board = *state.board;
    const int tile = board.Cell(cell.row, cell.column);
    if (tile == board.BlankTile())
        return Text::tr("Blank, row %1, column %2").arg(cell.row + 1).arg(cell.column + 1);
    return Text::tr("Block %1, row %2, column %3").arg(tile).arg(cell.row + 1).arg(cell.column + 1);
}

QString MoveAnnouncement(const Board& board, CellPos from, CellPos to)
{
    const int tile = board.Cell(to.row, to.column);
    if (to.column < from.column)
        return Text::tr("Block %1 moved left").arg(tile);
    if (to.column > from.column)
        return Text::tr("Block %1 moved right").arg(tile);
    if (to.row < from.row)
        return Text::tr("Block %1 moved up").arg(tile);
    return Text::tr("Block %1 moved down").arg(tile);
}

QString SolvedAnnouncement()
{
    return Text::tr("Solved");
}

void NotifyAnnouncement(BoardView& view)
{
    Notify(view, kStatusIndex, QAccessible::NameChanged);
}

void FocusBoardTable(BoardView& view)
{
    Notify(view, kTableIndex, QAccessible::Focus);
}

}  // namespace tilora
