#pragma once

#include "WindowDesign.h"

#include <array>

namespace xiangqi::design {

// The board points in device pixels at a device pixel ratio, for every front end. At 1 the points
// stand on a 48 px pitch; each picture is 47 px square, so one pixel of the board's background
// shows between neighbouring pictures, and a line is one pixel wide through a picture's middle
// pixel. At other ratios each of these lengths is scaled and rounded to whole device pixels,
// alike for every point, so that pictures and lines keep to the device pixel grid and a line runs
// on at the same place from one point to the next.
class PointGeometry {
public:
    static constexpr int kPitch = 48;
    static constexpr int kRows = 10;
    static constexpr int kCols = 9;

    explicit PointGeometry(double ratio);

    // The geometry of these pictures enlarged `factor` times, each pixel a square of pixels: the
    // lines stay on the device pixel grid and run on from point to point. Pre: factor >= 1.
    PointGeometry enlarged(int factor) const;

    double ratio() const { return ratio_; }
    // A line one pixel wide at 1x: round(ratio) device pixels, at least one.
    int lineWidth() const { return lineWidth_; }
    // The side of a picture: the pitch less one line.
    int pictureSide() const { return pictureSide_; }
    // The first device pixel of the lines through a picture's middle.
    int lineStart() const { return (pictureSide_ - lineWidth_) / 2; }
    // The device pixel where row or column `index` of the points begins.
    int origin(int index) const;

    // Point `cell`'s cell (0 to 89, row by row): from where its picture begins to the end of the
    // first line of the next point's, as the 49 × 49 cell is at 1x.
    Pixels cell(int cell) const;
    // The frame of a selected point: its cell's outline, one line wide; top, bottom, left, right.
    std::array<Pixels, 4> frame(int cell) const;
    // The device pixels of all the points' cells.
    int width() const { return origin(kCols) + lineWidth_; }
    int height() const { return origin(kRows) + lineWidth_; }
    // The point whose cell holds device pixel (x, y); -1 for none. Where two cells overlap, the
    // later point's, whose picture begins there.
    int cellAt(int x, int y) const;

private:
    PointGeometry(double ratio, int lineWidth, int pictureSide);
    int indexAt(int pixel, int count) const;

    double ratio_;
    int lineWidth_;
    int pictureSide_;
};

} // namespace xiangqi::design
