#include "BoardPoints.h"

#include "PictureBank.h"

#include <QMouseEvent>
#include <QPainter>

namespace xiangqi {

namespace {
constexpr int kCols = 9;
constexpr int kRows = 10;
} // namespace

BoardPoints::BoardPoints(const PictureBank& bank, QWidget* parent) : QWidget(parent), bank_(bank) {
    pictures_.fill(0);
    // Every pixel is painted here, so Qt need not repaint the frame beneath on each update.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize((kCols - 1) * kPitch + kPointSize, (kRows - 1) * kPitch + kPointSize);
}

QRect BoardPoints::pointRect(int cell) {
    return {(cell % kCols) * kPitch, (cell / kCols) * kPitch, kPointSize, kPointSize};
}

void BoardPoints::setPicture(int cell, int bankIndex) {
    if (pictures_.at(cell) == bankIndex)
        return;
    pictures_[cell] = bankIndex;
    update(pointRect(cell));
}

void BoardPoints::setFramed(int cell, bool framed) {
    if (framed_.at(cell) == framed)
        return;
    framed_[cell] = framed;
    update(pointRect(cell));
}

// A framed point shows its picture inside the frame, one pixel in, as a bordered image control
// does; the frame fills the point's 49 × 49 cell exactly.
void BoardPoints::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    for (int cell = 0; cell < kCols * kRows; ++cell) {
        const QRect rect = pointRect(cell);
        if (!event->region().intersects(rect))
            continue;
        const int inset = framed_[cell] ? 1 : 0;
        painter.drawPixmap(rect.topLeft() + QPoint(inset, inset), bank_.picture(pictures_[cell]));
    }
    painter.setPen(palette().windowText().color());
    for (int cell = 0; cell < kCols * kRows; ++cell)
        if (framed_[cell] && event->region().intersects(pointRect(cell)))
            painter.drawRect(pointRect(cell).adjusted(0, 0, -1, -1));
}

int BoardPoints::cellAt(QPoint pos) {
    if (pos.x() < 0 || pos.y() < 0)
        return -1;
    const int col = std::min(pos.x() / kPitch, kCols - 1);
    const int row = std::min(pos.y() / kPitch, kRows - 1);
    if (pos.x() >= col * kPitch + kPointSize || pos.y() >= row * kPitch + kPointSize)
        return -1;
    return row * kCols + col;
}

void BoardPoints::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressedCell_ = cellAt(event->position().toPoint());
}

// Like a button, a point is clicked when the left button goes down and up on the same point.
void BoardPoints::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = cellAt(event->position().toPoint());
    const int pressed = pressedCell_;
    pressedCell_ = -1;
    if (cell >= 0 && cell == pressed)
        emit pointClicked(cell);
}

} // namespace xiangqi
