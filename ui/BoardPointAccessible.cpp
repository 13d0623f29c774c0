#include "BoardPointAccessible.h"

#include "BoardPoints.h"

#include <QWidget>
#include <QWindow>

namespace xiangqi {

namespace {
constexpr int kCols = BoardPoints::kCols;
// A piece's picture has the piece's code as its bank index: the side's digit, 5 red or 6 black,
// then its kind, 0 to 6. The bare-board drawings have other numbers, some of them above 50.
constexpr int kRedSide = 5;
constexpr int kBlackSide = 6;
constexpr int kKinds = 7;

// What stands on a point showing bank picture `bankIndex`, as the pieces read: "红 炮".
QString occupantName(int bankIndex) {
    static const QString kRedKinds = QStringLiteral("帅士相马车炮兵");
    static const QString kBlackKinds = QStringLiteral("将士象马车炮卒");
    const int side = bankIndex / 10;
    const int kind = bankIndex % 10;
    if ((side != kRedSide && side != kBlackSide) || kind >= kKinds)
        return QStringLiteral("空位");
    const bool red = side == kRedSide;
    return (red ? QStringLiteral("红 ") : QStringLiteral("黑 ")) +
           (red ? kRedKinds : kBlackKinds).at(kind);
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
