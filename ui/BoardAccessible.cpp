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
    : QAccessibleWidget(board, QAccessible::Grouping) {}

// The points' interfaces belong to no object of their own, so Qt would not delete them.
BoardAccessible::~BoardAccessible() {
    for (const QAccessible::Id id : cellIds_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* BoardAccessible::create(const QString& className, QObject* object) {
    if (className != QLatin1String(BoardPoints::staticMetaObject.className()))
        return nullptr;
    auto* board = qobject_cast<BoardPoints*>(object);
    return board ? new BoardAccessible(board) : nullptr;
}

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

int BoardAccessible::childCount() const {
    return kCount;
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    if (index < 0 || index >= kCount)
        return nullptr;
    QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new PointAccessible(board(), index));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* point = dynamic_cast<const PointAccessible*>(child);
    return point && point->parent() == this ? point->cell() : -1;
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
