#include "PictureBank.h"

#include <QImageReader>

namespace xiangqi {

PictureBank::PictureBank() : decoding_(std::async(std::launch::async, &PictureBank::decodeAll)) {}

const QPixmap& PictureBank::picture(int index) const {
    if (decoding_.valid())
        takeDecoded();
    Q_ASSERT(index >= 0 && index < static_cast<int>(pictures_.size()));
    Q_ASSERT(!pictures_[index].isNull());
    return pictures_[index];
}

// Images may be made on any thread; pixmaps only on the GUI thread, so they are made here.
PictureBank::Images PictureBank::decodeAll() {
    Images images;
    for (int index : kIndices)
        images[index] = readPng(QStringLiteral(":/pictures/%1.png").arg(index, 2, 10, QChar('0')));
    return images;
}

QImage PictureBank::readPng(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void PictureBank::takeDecoded() const {
    const Images images = decoding_.get();
    for (int index : kIndices)
        pictures_[index] = QPixmap::fromImage(images[index]);
}

} // namespace xiangqi
