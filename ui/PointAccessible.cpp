#include "PointAccessible.h"

#include "Announcement.h"
#include "BoardPoints.h"

namespace xiangqi {

namespace {
constexpr int kCols = BoardPoints::kCols;
} // namespace

PointAccessible::PointAccessible(BoardPoints* board, int cell)
    : WidgetPartAccessible(board), cell_(cell) {}

BoardPoints* PointAccessible::board() const {
    return static_cast<BoardPoints*>(widget());
}

QString PointAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !board())
        return {};
    // A piece's picture has the piece's code as its bank index; the bare-board drawings have
    // other numbers, some of them above 50, that are no piece codes.
    const int picture = board()->picture(cell_);
    const auto code = static_cast<std::uint8_t>(picture >= 0 && picture <= UINT8_MAX ? picture : 0);
    return QString::fromStdString(announcement::pointName(code, cell_));
}

QRect PointAccessible::rect() const {
    if (!board())
        return {};
    const QRect point = BoardPoints::pointRect(cell_);
    return {board()->mapToGlobal(point.topLeft()), point.size()};
}

QAccessible::State PointAccessible::state() const {
    QAccessible::State state;
    if (!board()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !board()->isVisible();
    state.focusable = true;
    state.focused = board()->hasFocus() && board()->focusPoint() == cell_;
    state.selectable = true;
    state.selected = isSelected();
    return state;
}

void* PointAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool PointAccessible::isSelected() const {
    return board() && board()->isFramed(cell_);
}

int PointAccessible::columnIndex() const {
    return cell_ % kCols;
}

int PointAccessible::rowIndex() const {
    return cell_ / kCols;
}

} // namespace xiangqi
