// SPDX-License-Identifier: GPL-3.0-or-later
// The board's table and its cells as a screen reader sees them: no widgets of their own,
// made when first asked for and named from the game's state at every query.
#include "app/boardview/BoardTableAccessible.h"

#include <QAccessible>
#include <QCoreApplication>

#include <array>

#include "app/boardview/BoardTexts.h"
#include "display/PaintGeometry.h"

namespace tilora {
namespace {

// The table's name is translated under the context "BoardView".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BoardView)
};

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

class CellAccessible final : public BoardPart, public QAccessibleTableCellInterface, public QAccessibleActionInterface {
public:
    CellAccessible(BoardView* view, CellPos cell) : BoardPart(view), m_cell(cell) {}
    QAccessibleInterface* parent() const override { return ViewInterface(m_view)->child(kTableIndex); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? CellName(m_view->State(), m_cell) : QString();
    }
    // A screen reader follows only an object that says it has the focus.
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = m_view->hasFocus() && m_view->FocusCell() == m_cell;
        return s;
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
            emit m_view->cellChosen(m_cell);
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
    // The reading cursor's cell, else the blank's, where the arrows act.
    QAccessibleInterface* focusChild() const override
    {
        const CellPos cell = m_view->FocusCell();
        return cellAt(cell.row, cell.column);
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

}  // namespace

QAccessibleInterface* NewBoardTable(BoardView* view)
{
    return new TableAccessible(view);
}

}  // namespace tilora
