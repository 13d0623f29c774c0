#include "BoardPoints.h"

#include "BoardAccessible.h"
#include "PictureBank.h"
#include "PointGeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace xiangqi {

namespace {
constexpr int kCols = BoardPoints::kCols;
constexpr int kRows = BoardPoints::kRows;

// The first and last of `count` rows or columns whose cells overlap pixels `first` to `last`.
std::pair<int, int> spanOf(int first, int last, int count) {
    return {std::max(0, (first - 1) / BoardPoints::kPitch),
            std::min(count - 1, last / BoardPoints::kPitch)};
}

// Calls `paint` for every point whose cell overlaps `rect`, in index order, looking only at the
// points near it: a move repaints two points, not ninety.
template <typename Paint> void forEachPointIn(QRect rect, Paint paint) {
    const auto [left, right] = spanOf(rect.left(), rect.right(), kCols);
    const auto [top, bottom] = spanOf(rect.top(), rect.bottom(), kRows);
    for (int row = top; row <= bottom; ++row)
        for (int col = left; col <= right; ++col)
            paint(row * kCols + col);
}

QRect deviceRect(design::Pixels pixels) {
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

// A point's cell in device pixels.
QRect deviceCell(int cell, const design::PointGeometry& geometry) {
    return deviceRect(geometry.cell(cell));
}

// The widget's coordinates of a rectangle of device pixels, which the painter maps back to
// exactly those pixels.
QRectF logical(QRect deviceRect, const design::PointGeometry& geometry) {
    const qreal ratio = geometry.ratio();
    return {deviceRect.x() / ratio, deviceRect.y() / ratio, deviceRect.width() / ratio,
            deviceRect.height() / ratio};
}

void drawFrame(QPainter& painter, int cell, const design::PointGeometry& geometry,
               const QColor& colour) {
    for (const design::Pixels& side : geometry.frame(cell))
        painter.fillRect(logical(deviceRect(side), geometry), colour);
}

// How far the keyboard's cursor stands inside its point's cell, clear of the selection frame.
constexpr int kCursorInset = 4;
} // namespace

BoardPoints::BoardPoints(const PictureBank& bank, QWidget* parent) : QWidget(parent), bank_(bank) {
    pictures_.fill(0);
    // Every pixel is painted here, so Qt need not repaint the frame beneath on each update.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize((kCols - 1) * kPitch + kPointSize, (kRows - 1) * kPitch + kPointSize);
    // Tab reaches the board; a click does not take the focus, so the mouse leaves no cursor.
    setFocusPolicy(Qt::TabFocus);
    QAccessible::installFactory(&WidgetWithPartsAccessible::create<BoardPoints, BoardAccessible>);
}

QRect BoardPoints::pointRect(int cell) {
    return {(cell % kCols) * kPitch, (cell / kCols) * kPitch, kPointSize, kPointSize};
}

// A picture, framed or not, lies within the pitch square at the cell's corner: the cell's last
// row and column belong to its neighbours' pictures.
void BoardPoints::setPicture(int cell, int bankIndex) {
    if (pictures_.at(cell) == bankIndex)
        return;
    pictures_[cell] = bankIndex;
    update(QRect(pointRect(cell).topLeft(), QSize(kPitch, kPitch)));
    tellAssistiveTechnology(cell, QAccessible::NameChanged);
}

void BoardPoints::setFramed(int cell, bool framed) {
    if (framed_.at(cell) == framed)
        return;
    framed_[cell] = framed;
    update(frameArea(cell));
    tellAssistiveTechnology(cell,
                            framed ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
}

void BoardPoints::setFocusPoint(int cell) {
    if (focusPoint_ == cell)
        return;
    const int old = std::exchange(focusPoint_, cell);
    if (!hasFocus())
        return;
    update(pointRect(old));
    update(pointRect(cell));
    tellFocusPoint();
}

// Only the few listeners of an assistive technology care; without one, nothing is built.
void BoardPoints::tellAssistiveTechnology(int cell, QAccessible::Event change) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, change);
    event.setChild(cell);
    QAccessible::updateAccessibility(&event);
}

// The pixels of the widget a point's frame falls on: its cell, and at ratios such as 1.5, where
// the frame's far lines end half a pixel of the widget past the cell, one row and column more.
QRect BoardPoints::frameArea(int cell) const {
    const design::PointGeometry geometry(devicePixelRatioF());
    return logical(deviceCell(cell, geometry), geometry).toAlignedRect();
}

// The region to repaint is painted one rectangle at a time, each under a clip of its own: with
// a plain rectangle to clip to, Qt's raster engine fills and copies by its fast paths, where a
// region of several rectangles would send every pixel through its span clipping.
void BoardPoints::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& rect : event->region())
        paintRect(painter, rect);
}

// A framed point shows its picture inside the frame, one line in, as a bordered image control
// does; the frame fills the point's 49 × 49 cell exactly. The pictures and frames are placed in
// device pixels, so that at any device pixel ratio they keep to the screen's pixel grid.
void BoardPoints::paintRect(QPainter& painter, QRect rect) const {
    const design::PointGeometry geometry(devicePixelRatioF());
    painter.setClipRect(rect);
    painter.fillRect(rect, palette().window());
    forEachPointIn(rect, [&](int cell) { drawPicture(painter, rect, cell, geometry); });
    forEachPointIn(rect, [&](int cell) {
        if (framed_[cell])
            drawFrame(painter, cell, geometry, palette().windowText().color());
    });
    if (hasFocus())
        drawCursor(painter, rect);
}

void BoardPoints::drawPicture(QPainter& painter, QRect rect, int cell,
                              const design::PointGeometry& geometry) const {
    const QPixmap& picture = bank_.picture(pictures_[cell], geometry.ratio());
    const int inset = framed_[cell] ? geometry.lineWidth() : 0;
    const QRectF shown =
        logical(QRect(deviceCell(cell, geometry).topLeft() + QPoint(inset, inset), picture.size()),
                geometry);
    if (QRectF(rect).intersects(shown))
        painter.drawPixmap(shown.topLeft(), picture);
}

// The cursor is a dashed square in the highlight colour, two pixels wide, inside the cell: it
// differs from the thin solid frame of a selected point and shows beside it. Each side starts
// at a corner with a dash, so all four corners show.
void BoardPoints::drawCursor(QPainter& painter, QRect rect) const {
    const QRect cursor =
        pointRect(focusPoint_).adjusted(kCursorInset, kCursorInset, -kCursorInset, -kCursorInset);
    if (!rect.intersects(cursor))
        return;
    QPen pen(palette().highlight().color(), 2, Qt::CustomDashLine, Qt::SquareCap);
    pen.setDashPattern({3, 3});
    painter.setPen(pen);
    const QRectF line = QRectF(cursor).adjusted(1, 1, -1, -1);
    const QPointF corners[] = {line.topLeft(), line.topRight(), line.bottomRight(),
                               line.bottomLeft(), line.topLeft()};
    for (int side = 0; side < 4; ++side)
        painter.drawLine(corners[side], corners[side + 1]);
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

// Space and Return click the point under the cursor, once for each press of the key; S alone
// asks for the status. The keypad's Enter is left alone: a screen reader's where-am-I, which Qt
// hands on to the program as well when the screen reader is slow to claim it. So are S with a
// modifier, other programs' commands.
void BoardPoints::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        return moveFocusPoint(0, -1);
    case Qt::Key_Right:
        return moveFocusPoint(0, 1);
    case Qt::Key_Up:
        return moveFocusPoint(-1, 0);
    case Qt::Key_Down:
        return moveFocusPoint(1, 0);
    case Qt::Key_Space:
    case Qt::Key_Return:
        if (!event->isAutoRepeat())
            emit pointClicked(focusPoint_);
        return;
    case Qt::Key_S:
        if (event->modifiers() != Qt::NoModifier)
            break;
        if (!event->isAutoRepeat())
            emit statusAsked();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The cursor stops at the board's edges.
void BoardPoints::moveFocusPoint(int rowStep, int colStep) {
    const int row = std::clamp(focusPoint_ / kCols + rowStep, 0, kRows - 1);
    const int col = std::clamp(focusPoint_ % kCols + colStep, 0, kCols - 1);
    setFocusPoint(row * kCols + col);
}

// Only the cursor's point is repainted, not the whole board as QWidget would. Qt tells
// assistive technology that the board took the focus after this event; the point under the
// cursor is named afterwards, so that it is what a screen reader reads.
void BoardPoints::focusInEvent(QFocusEvent*) {
    update(pointRect(focusPoint_));
    if (QAccessible::isActive())
        QMetaObject::invokeMethod(this, &BoardPoints::tellFocusPoint, Qt::QueuedConnection);
}

void BoardPoints::tellFocusPoint() {
    if (hasFocus())
        tellAssistiveTechnology(focusPoint_, QAccessible::Focus);
}

void BoardPoints::focusOutEvent(QFocusEvent*) {
    update(pointRect(focusPoint_));
}

} // namespace xiangqi
