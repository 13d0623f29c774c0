#include "PointGeometry.h"

#include <algorithm>

namespace xiangqi::drawing {

PointGeometry::PointGeometry(qreal ratio)
    : ratio_(ratio), lineWidth_(std::max(1, qRound(ratio))),
      pictureSide_(qRound(kPitch * ratio) - lineWidth_) {}

int PointGeometry::origin(int index) const {
    return qRound(kPitch * ratio_ * index);
}

} // namespace xiangqi::drawing
