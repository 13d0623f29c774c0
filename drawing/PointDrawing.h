#pragma once

#include "PointGeometry.h"

#include <QImage>

namespace xiangqi::drawing {

// The picture of one empty board point, named by a two-digit code. The tens digit
// tells the row: 0 top edge, 9 bottom edge, 1 inside, 2 and 7 inside with a palace
// diagonal going up or down. The units digit tells the column: 0 left edge, 9 right
// edge, 1 inside, 4 and 6 with a diagonal going right or left, 5 with both. Black lines on the
// board grey, as many device pixels wide as PointGeometry says, in a 256-colour picture.
class PointDrawing {
public:
    explicit PointDrawing(int code);
    QImage image(qreal ratio = 1) const;

private:
    struct Reach {
        bool up = false;
        bool down = false;
        bool left = false;
        bool right = false;
        bool diagonalsUp = false;
        bool diagonalsDown = false;
        bool diagonalsLeft = false;
        bool diagonalsRight = false;
    };

    static Reach reachOf(int code);
    static void drawArm(QImage& picture, const design::PointGeometry& geometry, int stepX,
                        int stepY);

    Reach reach_;
};

} // namespace xiangqi::drawing
