#include "PictureLabel.h"

#include <QPainter>

namespace xiangqi {

PictureLabel::PictureLabel(std::function<QImage(qreal)> picture, QWidget* parent)
    : QLabel(parent), picture_(std::move(picture)) {}

void PictureLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.drawPixmap(contentsRect().topLeft(), shown());
}

const QPixmap& PictureLabel::shown() {
    const qreal ratio = devicePixelRatioF();
    if (shown_.isNull() || shown_.devicePixelRatio() != ratio) {
        shown_ = QPixmap::fromImage(picture_(ratio));
        shown_.setDevicePixelRatio(ratio);
    }
    return shown_;
}

} // namespace xiangqi
