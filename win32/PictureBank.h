#pragma once

#include <array>
#include <cstdint>
#include <vector>
#include <windows.h>

namespace xiangqi::win32 {

// The hidden bank of the 32 pictures every board point takes its picture from: the 18 drawings
// of the bare board under their two-digit numbers and the 14 pieces under their piece codes.
// The pictures are those tools/drawpictures drew ahead for a scale of the screen (100 % to
// 300 %), compiled in as they are in ui/pictures: for each picture its index, 256 colours and
// its colour indices, row by row; the side of a picture follows from the size of the bank.
class PictureBank {
public:
    // The scales that have a bank, in percent.
    static constexpr std::array<int, 7> kScales{100, 125, 150, 175, 200, 250, 300};

    // Reads the bank of `scalePercent`, one of kScales. An unreadable bank has no pictures.
    PictureBank(HINSTANCE instance, int scalePercent);

    // The side of every picture in pixels; 0 when the bank could not be read.
    int side() const { return side_; }
    // Draws picture `index` at its own size from (x, y). Nothing for an index without picture.
    void draw(HDC dc, int index, int x, int y) const;

private:
    bool read(const std::uint8_t* bank, std::size_t size);

    int side_ = 0;
    // By index: each picture's pixels as 32-bit BGRA, top row first.
    std::array<std::vector<std::uint32_t>, 100> pixels_;
};

} // namespace xiangqi::win32
