#include "PictureBank.h"

#include <QImageReader>

namespace xiangqi {

const QPixmap& PictureBank::picture(int index) const {
    if (pictures_[kIndices[0]].isNull())
        decodeAll();
    Q_ASSERT(index >= 0 && index < static_cast<int>(pictures_.size()));
    Q_ASSERT(!pictures_[index].isNull());
    return pictures_[index];
}

QImage PictureBank::readPng(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void PictureBank::decodeAll() const {
    for (int index : kIndices)
        pictures_[index] = QPixmap::fromImage(
            readPng(QStringLiteral(":/pictures/%1.png").arg(index, 2, 10, QChar('0'))));
}

} // namespace xiangqi
