#pragma once

#include <QIconEngine>
#include <QImage>
#include <QString>

namespace xiangqi::drawing {

// The program's icon at whatever size and device pixel ratio it is asked for: at 32 device
// pixels the shipped 256-colour picture, at any other size drawn afresh with IconDrawing, so
// that a window's icon is sharp on every screen.
class ProgramIconEngine : public QIconEngine {
public:
    static constexpr int kShippedSize = 32;

    // `shippedPicture`: the resource of the shipped 32 px PNG picture.
    explicit ProgramIconEngine(const QString& shippedPicture);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    // The icon `side` device pixels square.
    QImage image(int side) const;

    QString shippedPicture_;
};

} // namespace xiangqi::drawing
