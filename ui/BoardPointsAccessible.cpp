#include "BoardPointsAccessible.h"

#include "BoardPointAccessible.h"
#include "BoardPoints.h"

namespace xiangqi {

namespace {
constexpr int kCols = BoardPoints::kCols;
constexpr int kRows = BoardPoints::kRows;
constexpr int kCount = BoardPoints::kPointCount;
} // namespace

BoardPointsAccessible::BoardPointsAccessible(BoardPoints* board)
    : QAccessibleWidget(board, QAccessible::Table) {}

// The points' interfaces belong to no object of their own, so Qt would not delete them.
BoardPointsAccessible::~BoardPointsAccessible() {
    for (const QAccessible::Id id : cellIds_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardPointsAccessible::create(const QString& className, QObject* object) {
    if (className != QLatin1String(BoardPoints::staticMetaObject.className()))
        return nullptr;
    auto* board = qobject_cast<BoardPoints*>(object);
    return board ? new BoardPointsAccessible(board) : nullptr;
}

BoardPoints* BoardPointsAccessible::board() const {
    return static_cast<BoardPoints*>(widget());
}

// The board stands in the frame captioned 棋盘; it takes that name unless given its own.
QString BoardPointsAccessible::text(QAccessible::Text type) const {
    QString text = QAccessibleWidget::text(type);
    if (type == QAccessible::Name && text.isEmpty())
        text = QStringLiteral("棋盘");
    return text;
}

int BoardPointsAccessible::childCount() const {
    return kCount;
}

QAccessibleInterface* BoardPointsAccessible::child(int index) const {
    if (index < 0 || index >= kCount)
        return nullptr;
    QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new BoardPointAccessible(board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardPointsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* point = dynamic_cast<const BoardPointAccessible*>(child);
    return point && point->parent() == this ? point->cell() : -1;
}

QAccessibleInterface* BoardPointsAccessible::childAt(int x, int y) const {
    const QPoint local = board()->mapFromGlobal(QPoint(x, y));
    for (int cell = 0; cell < kCount; ++cell)
        if (BoardPoints::pointRect(cell).contains(local))
            return child(cell);
    return nullptr;
}

QAccessibleInterface* BoardPointsAccessible::focusChild() const {
    return board()->hasFocus() ? child(board()->focusPoint()) : nullptr;
}

void* BoardPointsAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardPointsAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kCols)
        return nullptr;
    return child(row * kCols + column);
}

int BoardPointsAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> BoardPointsAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (int cell = 0; cell < kCount; ++cell)
        if (board()->isFramed(cell))
            cells << child(cell);
    return cells;
}

int BoardPointsAccessible::columnCount() const {
    return kCols;
}

int BoardPointsAccessible::rowCount() const {
    return kRows;
}

} // namespace xiangqi
