#include "BoardPointAccessible.h"

#include "BoardPoints.h"
#include "PieceDrawing.h"

#include <QWidget>
#include <QWindow>

namespace xiangqi {

namespace {
constexpr int kCols = BoardPoints::kCols;
// What stands on a point showing bank picture `bankIndex`, as the pieces read: "红 炮". A piece's
// picture has the piece's code as its bank index; the bare-board drawings have other numbers,
// some of them above 50, for which there is no piece character.
QString occupantName(int bankIndex) {
    const QString character = drawing::PieceDrawing::characterOf(bankIndex);
    if (character.isEmpty())
        return QStringLiteral("空位");
    return (bankIndex / 10 == 5 ? QStringLiteral("红 ") : QStringLiteral("黑 ")) + character;
}

// Where a point is, as seen on the screen, counted from the top left: "第8行，第2列".
QString placeName(int cell) {
    return QStringLiteral("第%1行，第%2列").arg(cell / kCols + 1).arg(cell % kCols + 1);
}
} // namespace

BoardPointAccessible::BoardPointAccessible(BoardPoints* board, int cell)
    : board_(board), cell_(cell) {}

bool BoardPointAccessible::isValid() const {
    return !board_.isNull();
}

QWindow* BoardPointAccessible::window() const {
    return board_ ? board_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* BoardPointAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(board_.data());
}

QString BoardPointAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !board_)
        return {};
    return occupantName(board_->picture(cell_)) + QStringLiteral("，") + placeName(cell_);
}

QRect BoardPointAccessible::rect() const {
    if (!board_)
        return {};
    const QRect point = BoardPoints::pointRect(cell_);
    return {board_->mapToGlobal(point.topLeft()), point.size()};
}

QAccessible::State BoardPointAccessible::state() const {
    QAccessible::State state;
    if (!board_) {
        state.invalid = true;
        return state;
    }
    state.invisible = !board_->isVisible();
    state.focusable = true;
    state.focused = board_->hasFocus() && board_->focusPoint() == cell_;
    state.selectable = true;
    state.selected = isSelected();
    return state;
}

void* BoardPointAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool BoardPointAccessible::isSelected() const {
    return board_ && board_->isFramed(cell_);
}

int BoardPointAccessible::columnIndex() const {
    return cell_ % kCols;
}

int BoardPointAccessible::rowIndex() const {
    return cell_ / kCols;
}

} // namespace xiangqi
