#pragma once

#include "PictureScale.h"

#include <array>
#include <cstdint>
#include <vector>
#include <windows.h>

namespace xiangqi::win32 {

// The hidden bank of the 32 pictures every board point takes its picture from: the 18 drawings
// of the bare board under their two-digit numbers and the 14 pieces under their piece codes.
// The pictures are those tools/drawpictures drew ahead for a scale of the screen (100 % to
// 300 %), compiled in as they are in ui/pictures: for each picture its index, 256 colours and
// its colour indices, row by row. At other scales they are enlarged (see PictureScale).
class PictureBank {
public:
    // Reads the bank for a screen of `dpi` dots per inch. An unreadable bank has no pictures.
    PictureBank(HINSTANCE instance, int dpi);

    // The board points' geometry in these pictures, in the screen's pixels.
    const design::PointGeometry& geometry() const { return geometry_; }
    // Draws picture `index` at its own size from (x, y). Nothing for an index without picture.
    void draw(HDC dc, int index, int x, int y) const;

private:
    void read(const std::uint8_t* bank, std::size_t size);

    PictureScale scale_;
    design::PointGeometry geometry_;
    // The side of a picture as drawn ahead.
    int side_;
    // By index: each picture's pixels as 32-bit BGRA, top row first.
    std::array<std::vector<std::uint32_t>, 100> pixels_;
};

} // namespace xiangqi::win32
