#include "PictureScale.h"

#include "WindowDesign.h"

namespace xiangqi::win32 {

// Of the scales that fit, the largest; of equal ones, the one drawn ahead at the larger scale,
// with the finer detail.
PictureScale PictureScale::forDpi(int dpi) {
    const int wanted = dpi * 100 / design::kStandardDpi;
    PictureScale best{kDrawnAhead.front(), 1};
    for (int factor = 1; factor * kDrawnAhead.front() <= wanted; ++factor)
        for (const int percent : kDrawnAhead)
            if (percent * factor <= wanted && percent * factor > best.percent * best.factor)
                best = {percent, factor};
    return best;
}

design::PointGeometry PictureScale::geometry() const {
    return design::PointGeometry(percent / 100.0).enlarged(factor);
}

} // namespace xiangqi::win32
