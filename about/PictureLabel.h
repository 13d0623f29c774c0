#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>

namespace xiangqi {

// A label that shows, within its frame at the top left, a picture made for the device pixel
// ratio it is painted at: moved to a screen of another ratio, it shows the picture made for that.
class PictureLabel : public QLabel {
    Q_OBJECT

public:
    // `picture` gives the picture for a device pixel ratio, in device pixels.
    PictureLabel(std::function<QImage(qreal ratio)> picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& shown();

    std::function<QImage(qreal)> picture_;
    QPixmap shown_;
};

} // namespace xiangqi
