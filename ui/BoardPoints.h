#pragma once

#include <QWidget>
#include <array>

class QPainter;

namespace xiangqi {

class PictureBank;
namespace drawing {
class PointGeometry;
}

// The 90 board points, drawn by one widget: each point is a 49 × 49 pixel cell on a 48 pixel
// pitch that shows its picture at the picture's own size from its top-left corner, optionally
// framed by a thin line. At any device pixel ratio the pictures and the frame are drawn at the
// screen's resolution. A click on a point reports its cell index.
class BoardPoints : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPitch = 48;
    static constexpr int kPointSize = 49;

    BoardPoints(const PictureBank& bank, QWidget* parent);

    void setPicture(int cell, int bankIndex);
    void setFramed(int cell, bool framed);
    int picture(int cell) const { return pictures_.at(cell); }
    bool isFramed(int cell) const { return framed_.at(cell); }
    // The rectangle of point `cell` in this widget's coordinates.
    static QRect pointRect(int cell);

signals:
    void pointClicked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static int cellAt(QPoint pos);
    QRect frameArea(int cell) const;
    void paintRect(QPainter& painter, QRect rect) const;
    void drawPicture(QPainter& painter, QRect rect, int cell,
                     const drawing::PointGeometry& geometry) const;

    const PictureBank& bank_;
    std::array<int, 90> pictures_{};
    std::array<bool, 90> framed_{};
    int pressedCell_ = -1;
};

} // namespace xiangqi
