#include "BoardAccessible.h"

#include "BoardPoints.h"
#include "PointAccessible.h"

namespace xiangqi {

namespace {
constexpr int kCols = BoardPoints::kCols;
constexpr int kRows = BoardPoints::kRows;
constexpr int kCount = BoardPoints::kPointCount;
} // namespace

BoardAccessible::BoardAccessible(BoardPoints* board)
    : WidgetWithPartsAccessible(board, QAccessible::Grouping, kCount) {}

BoardPoints* BoardAccessible::board() const {
    return static_cast<BoardPoints*>(widget());
}

// The board stands in the frame captioned 棋盘; it takes that name unless given its own.
QString BoardAccessible::text(QAccessible::Text type) const {
    QString text = QAccessibleWidget::text(type);
    if (type == QAccessible::Name && text.isEmpty())
        text = QStringLiteral("棋盘");
    return text;
}

WidgetPartAccessible* BoardAccessible::createPart(int index) const {
    return new PointAccessible(board(), index);
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const QPoint local = board()->mapFromGlobal(QPoint(x, y));
    for (int cell = 0; cell < kCount; ++cell)
        if (BoardPoints::pointRect(cell).contains(local))
            return child(cell);
    return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
    return board()->hasFocus() ? child(board()->focusPoint()) : nullptr;
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kCols)
        return nullptr;
    return child(row * kCols + column);
}

int BoardAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> BoardAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int cell = 0; cell < kCount; ++cell)
        if (board()->isFramed(cell))
            cells << child(cell);
    return cells;
}

int BoardAccessible::columnCount() const {
    return kCols;
}

int BoardAccessible::rowCount() const {
    return kRows;
}

} // namespace xiangqi
