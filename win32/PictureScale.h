#pragma once

#include "PointGeometry.h"

#include <array>

namespace xiangqi::win32 {

// The pictures for a screen's resolution. The program carries the pictures drawn ahead for the
// scales Windows offers up to 300 % (tools/drawpictures); it has nothing to draw others with. At
// any scale it takes the largest that fits, a scale drawn ahead enlarged by a whole factor, each
// pixel a square of pixels: 350 % is 175 % twice over, 400 % is 200 % twice over. So the
// pictures' lines stay on the screen's pixel grid and run on from point to point, and the board
// fills its frame at every scale Windows offers; only at a scale of one's own is it smaller.
struct PictureScale {
    static constexpr std::array<int, 8> kDrawnAhead{100, 125, 150, 175, 200, 225, 250, 300};

    // The scale for a screen of `dpi` dots per inch; at least 100 %.
    static PictureScale forDpi(int dpi);

    // The board points' geometry in these pictures, in the screen's pixels.
    design::PointGeometry geometry() const;

    // The scale drawn ahead, in percent, one of kDrawnAhead.
    int percent;
    // How many times over its pictures are enlarged.
    int factor;
};

} // namespace xiangqi::win32
