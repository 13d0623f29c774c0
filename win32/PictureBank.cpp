#include "PictureBank.h"

#include "Resources.h"

#include <cmath>

namespace xiangqi::win32 {

namespace {
constexpr std::size_t kPictures = 32;
constexpr std::size_t kColours = 256;
constexpr std::size_t kPaletteBytes = 4 * kColours;

std::uint32_t littleEndian32(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}
} // namespace

// Each bank's resource is named by its scale in percent.
static_assert(IDR_BANK_100 == 100 && IDR_BANK_300 == 300);

PictureBank::PictureBank(HINSTANCE instance, int scalePercent) {
    const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(scalePercent), RT_RCDATA);
    const HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    if (!loaded || !read(static_cast<const std::uint8_t*>(::LockResource(loaded)),
                         ::SizeofResource(instance, found)))
        side_ = 0;
}

// Each picture's record is its index byte, its colours as little-endian ARGB and side × side
// colour indices; the colours are 32-bit BGRA in memory, as a 32-bit DIB holds its pixels.
bool PictureBank::read(const std::uint8_t* bank, std::size_t size) {
    const std::size_t record = size / kPictures;
    if (size % kPictures != 0 || record <= 1 + kPaletteBytes)
        return false;
    const auto side = static_cast<std::size_t>(
        std::lround(std::sqrt(static_cast<double>(record - 1 - kPaletteBytes))));
    if (1 + kPaletteBytes + side * side != record)
        return false;
    side_ = static_cast<int>(side);
    for (std::size_t picture = 0; picture < kPictures; ++picture) {
        const std::uint8_t* const data = bank + picture * record;
        std::vector<std::uint32_t>& pixels = pixels_.at(data[0]);
        pixels.resize(side * side);
        const std::uint8_t* const colours = data + 1;
        const std::uint8_t* const indices = colours + kPaletteBytes;
        for (std::size_t i = 0; i < side * side; ++i)
            pixels[i] = littleEndian32(colours + 4 * indices[i]);
    }
    return true;
}

void PictureBank::draw(HDC dc, int index, int x, int y) const {
    if (index < 0 || index >= static_cast<int>(pixels_.size()) || pixels_[index].empty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = side_;
    info.bmiHeader.biHeight = -side_; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(dc, x, y, side_, side_, 0, 0, 0, side_, pixels_[index].data(), &info,
                        DIB_RGB_COLORS);
}

} // namespace xiangqi::win32
