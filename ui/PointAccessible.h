#pragma once

#include "WidgetPartAccessible.h"

namespace xiangqi {

class BoardPoints;

// One board point as assistive technology sees it: a cell of the board's table, named after
// what stands on the point and where the point is, and selected while the point is framed.
class PointAccessible : public WidgetPartAccessible, public QAccessibleTableCellInterface {
public:
    PointAccessible(BoardPoints* board, int cell);

    int cell() const { return cell_; }

    QString text(QAccessible::Text type) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    BoardPoints* board() const;

    int cell_;
};

} // namespace xiangqi
