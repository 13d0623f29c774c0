#include "PictureBank.h"

#include "PieceDrawing.h"
#include "PointDrawing.h"
#include "SongFont.h"

#include <QResource>
#include <QtEndian>
#include <algorithm>

namespace xiangqi {

namespace {
constexpr int kSide = 47;
constexpr int kColours = 256;
// A picture's record in the bank: its index, its colours, its pixels (see tools/drawpictures).
constexpr qsizetype kRecordSize = 1 + 4 * kColours + kSide * kSide;
} // namespace

const QPixmap& PictureBank::picture(int index, qreal ratio) const {
    Q_ASSERT(std::find(kIndices.begin(), kIndices.end(), index) != kIndices.end());
    QPixmap& picture = pictures_[ratio].at(static_cast<std::size_t>(index));
    if (picture.isNull()) {
        picture = QPixmap::fromImage(image(index, ratio));
        picture.setDevicePixelRatio(ratio);
    }
    Q_ASSERT(!picture.isNull());
    return picture;
}

QImage PictureBank::image(int index, qreal ratio) {
    if (ratio == 1 || std::find(kIndices.begin(), kIndices.end(), index) == kIndices.end())
        return image(index);
    return drawnImage(index, ratio);
}

// Pieces have codes 50 to 56 and 60 to 66, the bare board's drawings the other indices.
QImage PictureBank::drawnImage(int index, qreal ratio) {
    if (index / 10 == 5 || index / 10 == 6)
        return drawing::PieceDrawing(index, drawing::songFont()).image(ratio);
    return drawing::PointDrawing(index).image(ratio);
}

// The pictures are compiled in decoded and uncompressed, and read in place: decoding 24 PNG
// pictures took a tenth of what a bare window needs to start.
QImage PictureBank::image(int index) {
    const auto position = std::find(kIndices.begin(), kIndices.end(), index);
    static const QResource bank(QStringLiteral(":/pictures/bank.raw"));
    if (position == kIndices.end() || bank.compressionAlgorithm() != QResource::NoCompression ||
        bank.size() != kRecordSize * qsizetype(kIndices.size()))
        return {};
    const uchar* record = bank.data() + (position - kIndices.begin()) * kRecordSize;
    if (record[0] != index)
        return {};
    QList<QRgb> colours(kColours);
    for (int i = 0; i < kColours; ++i)
        colours[i] = qFromLittleEndian<quint32>(record + 1 + 4 * i);
    QImage image(record + 1 + 4 * kColours, kSide, kSide, kSide, QImage::Format_Indexed8);
    image.setColorTable(colours);
    return image;
}

} // namespace xiangqi
