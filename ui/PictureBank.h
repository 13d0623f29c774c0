#pragma once

#include <QPixmap>
#include <array>
#include <map>

class QResource;

namespace xiangqi {

// The hidden bank of the 32 pictures every board point takes its picture from: the 18 drawings
// of the bare board under their two-digit numbers and the 14 pieces under their piece codes.
// At a device pixel ratio of 1 the pictures are the shipped ones; at 1.25, 1.5, 1.75, 2, 2.25,
// 2.5 and 3 those drawn ahead for them, and at any other ratio they are drawn afresh, all at the
// screen's resolution with the same drawing (see core/PointGeometry.h for their size). Each
// picture is made when it is first needed for a ratio, and kept: the first frame needs 24 of them.
class PictureBank {
public:
    static constexpr std::array<int, 32> kIndices{0,  1,  4,  6,  9,  10, 11, 15, 19, 24, 26,
                                                  74, 76, 90, 91, 94, 96, 99, 50, 51, 52, 53,
                                                  54, 55, 56, 60, 61, 62, 63, 64, 65, 66};

    // The picture with the device pixel ratio `ratio`. Pre: `index` is one of kIndices.
    const QPixmap& picture(int index, qreal ratio = 1) const;
    // The picture as shipped: 47 × 47 pixels of 256 colours. Null for an index not in kIndices.
    static QImage image(int index);
    // The picture for a device pixel ratio, in device pixels: at 1 the shipped one. Null for an
    // index not in kIndices.
    static QImage image(int index, qreal ratio);

private:
    static QImage bankImage(const QResource& resource, qreal ratio, int index);
    static QImage drawnImage(int index, qreal ratio);

    mutable std::map<qreal, std::array<QPixmap, 100>> pictures_;
};

} // namespace xiangqi
