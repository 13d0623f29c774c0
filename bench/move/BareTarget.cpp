#include "BareTarget.h"

#include "BoardPoints.h"

namespace bench {

namespace {
// Where the game has its board and its take-back button in the client area.
constexpr QPoint kBoardOrigin(88 + 24, 40 + 24);
constexpr QPoint kTakeBackCentre(584 + 44, 112 + 12);
} // namespace

ClickSpot BareTarget::point(int cell) {
    return {window_.centralWidget(), kBoardOrigin + xiangqi::BoardPoints::pointRect(cell).center()};
}

ClickSpot BareTarget::takeBack() {
    return {window_.centralWidget(), kTakeBackCentre};
}

QRect BareTarget::boardInWindow() {
    const QPoint client = window_.centralWidget()->mapTo(&window_, QPoint(0, 0));
    const QRect board(xiangqi::BoardPoints::pointRect(0).topLeft(),
                      xiangqi::BoardPoints::pointRect(89).bottomRight());
    return board.translated(client + kBoardOrigin);
}

} // namespace bench
