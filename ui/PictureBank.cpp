#include "PictureBank.h"

#include "PieceDrawing.h"
#include "PointDrawing.h"
#include "PointGeometry.h"
#include "SongFont.h"

#include <QResource>
#include <QtEndian>
#include <algorithm>

namespace xiangqi {

namespace {
constexpr int kColours = 256;

// The banks drawn ahead by tools/drawpictures, with the ratios they are read at: the shipped one
// at 1, and those at the usual ratios of desktops, where drawing the first frame's pictures would
// take twice what a bare window needs to start.
struct Bank {
    qreal ratio;
    QResource resource;
};

const std::array<Bank, 8>& banks() {
    static const std::array<Bank, 8> all{
        {{1, QResource(QStringLiteral(":/pictures/bank.raw"))},
         {1.25, QResource(QStringLiteral(":/pictures/bank-125.raw"))},
         {1.5, QResource(QStringLiteral(":/pictures/bank-150.raw"))},
         {1.75, QResource(QStringLiteral(":/pictures/bank-175.raw"))},
         {2, QResource(QStringLiteral(":/pictures/bank-200.raw"))},
         {2.25, QResource(QStringLiteral(":/pictures/bank-225.raw"))},
         {2.5, QResource(QStringLiteral(":/pictures/bank-250.raw"))},
         {3, QResource(QStringLiteral(":/pictures/bank-300.raw"))}}};
    return all;
}

bool isIndex(int index) {
    return std::find(PictureBank::kIndices.begin(), PictureBank::kIndices.end(), index) !=
           PictureBank::kIndices.end();
}
} // namespace

const QPixmap& PictureBank::picture(int index, qreal ratio) const {
    Q_ASSERT(isIndex(index));
    QPixmap& picture = pictures_[ratio].at(static_cast<std::size_t>(index));
    if (picture.isNull()) {
        picture = QPixmap::fromImage(image(index, ratio));
        picture.setDevicePixelRatio(ratio);
    }
    Q_ASSERT(!picture.isNull());
    return picture;
}

QImage PictureBank::image(int index) {
    return image(index, 1);
}

QImage PictureBank::image(int index, qreal ratio) {
    if (!isIndex(index))
        return {};
    for (const Bank& bank : banks())
        if (bank.ratio == ratio)
            return bankImage(bank.resource, bank.ratio, index);
    return drawnImage(index, ratio);
}

// Pieces have codes 50 to 56 and 60 to 66, the bare board's drawings the other indices.
QImage PictureBank::drawnImage(int index, qreal ratio) {
    if (index / 10 == 5 || index / 10 == 6)
        return drawing::PieceDrawing(index, drawing::songFont()).image(ratio);
    return drawing::PointDrawing(index).image(ratio);
}

// The pictures are compiled in decoded and uncompressed, and read in place: decoding 24 PNG
// pictures took a tenth of what a bare window needs to start. A picture's record holds its index,
// its colours and its pixels (see tools/drawpictures).
QImage PictureBank::bankImage(const QResource& resource, qreal ratio, int index) {
    const int side = design::PointGeometry(ratio).pictureSide();
    const qsizetype recordSize = 1 + 4 * kColours + side * side;
    const auto position = std::find(kIndices.begin(), kIndices.end(), index) - kIndices.begin();
    if (resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != recordSize * qsizetype(kIndices.size()))
        return {};
    const uchar* record = resource.data() + position * recordSize;
    if (record[0] != index)
        return {};
    QList<QRgb> colours(kColours);
    for (int i = 0; i < kColours; ++i)
        colours[i] = qFromLittleEndian<quint32>(record + 1 + 4 * i);
    QImage image(record + 1 + 4 * kColours, side, side, side, QImage::Format_Indexed8);
    image.setColorTable(colours);
    return image;
}

} // namespace xiangqi
