#pragma once

#include <QtGlobal>

namespace xiangqi::drawing {

// The board points in device pixels at a device pixel ratio. At 1 the points stand on a 48 px
// pitch; each picture is 47 px square, so one pixel of the board's background shows between
// neighbouring pictures, and a line is one pixel wide through a picture's middle pixel. At other
// ratios each of these lengths is scaled and rounded to whole device pixels, alike for every
// point, so that pictures and lines keep to the device pixel grid and a line runs on at the same
// place from one point to the next.
class PointGeometry {
public:
    static constexpr int kPitch = 48;

    explicit PointGeometry(qreal ratio);

    qreal ratio() const { return ratio_; }
    // A line one pixel wide at 1x: round(ratio) device pixels, at least one.
    int lineWidth() const { return lineWidth_; }
    // The side of a picture: the pitch less one line.
    int pictureSide() const { return pictureSide_; }
    // The first device pixel of the lines through a picture's middle.
    int lineStart() const { return (pictureSide_ - lineWidth_) / 2; }
    // The device pixel where row or column `index` of the points begins.
    int origin(int index) const;

private:
    qreal ratio_;
    int lineWidth_;
    int pictureSide_;
};

} // namespace xiangqi::drawing
