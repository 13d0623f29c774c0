#include "GameTarget.h"

#include "BoardPoints.h"

#include <QPushButton>

namespace bench {

namespace {
template <typename T> T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
} // namespace

GameTarget::GameTarget() = default;

ClickSpot GameTarget::point(int cell) {
    return {control<xiangqi::BoardPoints>(window_, "Image1"),
            xiangqi::BoardPoints::pointRect(cell).center()};
}

ClickSpot GameTarget::takeBack() {
    auto* button = control<QPushButton>(window_, "cmdUndo");
    return {button, button->rect().center()};
}

QRect GameTarget::boardInWindow() {
    QWidget* board = control<xiangqi::BoardPoints>(window_, "Image1");
    return {board->mapTo(&window_, QPoint(0, 0)), board->size()};
}

QString GameTarget::check(int moves) {
    const xiangqi::GameState& state = window_.game().state();
    if (state.MoveCount != moves)
        return QStringLiteral("the game has %1 moves, expected %2").arg(state.MoveCount).arg(moves);
    return {};
}

} // namespace bench
