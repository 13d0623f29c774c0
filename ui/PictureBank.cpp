#include "PictureBank.h"

#include <QImageReader>
#include <algorithm>

namespace xiangqi {

const QPixmap& PictureBank::picture(int index) const {
    Q_ASSERT(std::find(kIndices.begin(), kIndices.end(), index) != kIndices.end());
    QPixmap& picture = pictures_.at(static_cast<std::size_t>(index));
    if (picture.isNull())
        picture = decode(index);
    Q_ASSERT(!picture.isNull());
    return picture;
}

QImage PictureBank::readPng(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap PictureBank::decode(int index) {
    return QPixmap::fromImage(
        readPng(QStringLiteral(":/pictures/%1.png").arg(index, 2, 10, QChar('0'))));
}

} // namespace xiangqi
