#include "ProgramIconEngine.h"

#include "IconDrawing.h"
#include "SongFont.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace xiangqi::drawing {

ProgramIconEngine::ProgramIconEngine(const QString& shippedPicture)
    : shippedPicture_(shippedPicture) {}

void ProgramIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatioF();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

QPixmap ProgramIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1);
}

// A square as large as fits the size asked for.
QPixmap ProgramIconEngine::scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) {
    QPixmap pixmap = QPixmap::fromImage(image(std::min(size.width(), size.height())));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QList<QSize> ProgramIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {QSize(kShippedSize, kShippedSize)};
}

QString ProgramIconEngine::key() const {
    return QStringLiteral("ProgramIconEngine");
}

QIconEngine* ProgramIconEngine::clone() const {
    return new ProgramIconEngine(*this);
}

// The shipped picture is read with Qt's own PNG reader named: left to find a reader itself, Qt
// would first load every image format plugin on the system to ask each whether it reads PNG.
QImage ProgramIconEngine::image(int side) const {
    if (side == kShippedSize) {
        QImageReader reader(shippedPicture_, "png");
        reader.setAutoDetectImageFormat(false);
        return reader.read();
    }
    return IconDrawing(songFont()).image(side);
}

} // namespace xiangqi::drawing
