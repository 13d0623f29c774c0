#pragma once

#include <QAccessible>
#include <QWidget>
#include <array>

class QPainter;

namespace xiangqi {

class PictureBank;
namespace design {
class PointGeometry;
}

// The 90 board points, drawn by one widget: each point is a 49 × 49 pixel cell on a 48 pixel
// pitch that shows its picture at the picture's own size from its top-left corner, optionally
// framed by a thin line. At any device pixel ratio the pictures and the frame are drawn at the
// screen's resolution. A click on a point reports its cell index. From the keyboard, the arrow
// keys move a cursor from point to point and Space or Return clicks the point under it; the
// cursor shows while the board has the keyboard focus, and S asks for the status. Assistive
// technology sees the board as a group of the points (BoardAccessible) and is told of every
// change.
class BoardPoints : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPitch = 48;
    static constexpr int kPointSize = 49;
    static constexpr int kRows = 10;
    static constexpr int kCols = 9;
    static constexpr int kPointCount = kRows * kCols;

    BoardPoints(const PictureBank& bank, QWidget* parent);

    void setPicture(int cell, int bankIndex);
    void setFramed(int cell, bool framed);
    int picture(int cell) const { return pictures_.at(cell); }
    bool isFramed(int cell) const { return framed_.at(cell); }
    // The rectangle of point `cell` in this widget's coordinates.
    static QRect pointRect(int cell);

    // The point under the keyboard's cursor.
    int focusPoint() const { return focusPoint_; }
    void setFocusPoint(int cell);

signals:
    void pointClicked(int cell);
    // S was pressed: the player asks whose move it is.
    void statusAsked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static int cellAt(QPoint pos);
    QRect frameArea(int cell) const;
    void paintRect(QPainter& painter, QRect rect) const;
    void drawPicture(QPainter& painter, QRect rect, int cell,
                     const design::PointGeometry& geometry) const;
    void drawCursor(QPainter& painter, QRect rect) const;
    void moveFocusPoint(int rowStep, int colStep);
    void tellAssistiveTechnology(int cell, QAccessible::Event change);
    void tellFocusPoint();

    const PictureBank& bank_;
    std::array<int, 90> pictures_{};
    std::array<bool, 90> framed_{};
    int pressedCell_ = -1;
    int focusPoint_ = 0;
};

} // namespace xiangqi
