#include "PointGeometry.h"

#include <algorithm>

namespace xiangqi::design {

namespace {
// Halves up, as Qt's qRound does for the lengths here, none of which is negative: the Qt front
// end drew its pictures with qRound before this was shared, and its pixels stay the same.
int rounded(double length) {
    return static_cast<int>(length + 0.5);
}
} // namespace

PointGeometry::PointGeometry(double ratio)
    : PointGeometry(ratio, std::max(1, rounded(ratio)),
                    rounded(kPitch * ratio) - std::max(1, rounded(ratio))) {}

PointGeometry::PointGeometry(double ratio, int lineWidth, int pictureSide)
    : ratio_(ratio), lineWidth_(lineWidth), pictureSide_(pictureSide) {}

PointGeometry PointGeometry::enlarged(int factor) const {
    return {ratio_ * factor, lineWidth_ * factor, pictureSide_ * factor};
}

int PointGeometry::origin(int index) const {
    return rounded(kPitch * ratio_ * index);
}

Pixels PointGeometry::cell(int cell) const {
    const int col = cell % kCols;
    const int row = cell / kCols;
    return {origin(col), origin(row), origin(col + 1) - origin(col) + lineWidth_,
            origin(row + 1) - origin(row) + lineWidth_};
}

std::array<Pixels, 4> PointGeometry::frame(int cell) const {
    const Pixels outline = this->cell(cell);
    const int line = lineWidth_;
    return {{{outline.left, outline.top, outline.width, line},
             {outline.left, outline.top + outline.height - line, outline.width, line},
             {outline.left, outline.top, line, outline.height},
             {outline.left + outline.width - line, outline.top, line, outline.height}}};
}

int PointGeometry::cellAt(int x, int y) const {
    const int col = indexAt(x, kCols);
    const int row = indexAt(y, kRows);
    return col < 0 || row < 0 ? -1 : row * kCols + col;
}

// The last row or column of `count` that begins at or before `pixel` and whose cell reaches it.
int PointGeometry::indexAt(int pixel, int count) const {
    if (pixel < 0)
        return -1;
    int index = count - 1;
    while (origin(index) > pixel)
        --index;
    return pixel < origin(index + 1) + lineWidth_ ? index : -1;
}

} // namespace xiangqi::design
