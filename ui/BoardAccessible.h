#pragma once

#include "WidgetWithPartsAccessible.h"

namespace xiangqi {

class BoardPoints;

// The board as assistive technology sees it: a group of the 90 points in index order, row by row
// from the top left, each a cell that knows its row and column, which the board's table
// interface of 10 rows by 9 columns gives too. It is not given the role of a table: a screen
// reader reads a whole row of a table in a desktop program whenever the row changes, and a
// board's rows are no records; moving one point up must read that point alone.
class BoardAccessible : public WidgetWithPartsAccessible, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardPoints* board);

    QString text(QAccessible::Text type) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

protected:
    WidgetPartAccessible* createPart(int index) const override;

private:
    BoardPoints* board() const;
};

} // namespace xiangqi
