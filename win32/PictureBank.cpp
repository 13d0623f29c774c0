#include "PictureBank.h"

#include "Resources.h"

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
static_assert(IDR_BANK_100 == 100 && IDR_BANK_225 == 225 && IDR_BANK_300 == 300);

PictureBank::PictureBank(HINSTANCE instance, int dpi)
    : scale_(PictureScale::forDpi(dpi)), geometry_(scale_.geometry()),
      side_(design::PointGeometry(scale_.percent / 100.0).pictureSide()) {
    const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(scale_.percent), RT_RCDATA);
    const HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    if (loaded)
        read(static_cast<const std::uint8_t*>(::LockResource(loaded)),
             ::SizeofResource(instance, found));
}

// Each picture's record is its index byte, its colours as little-endian ARGB and side × side
// colour indices; the colours are 32-bit BGRA in memory, as a 32-bit DIB holds its pixels.
void PictureBank::read(const std::uint8_t* bank, std::size_t size) {
    const auto side = static_cast<std::size_t>(side_);
    const std::size_t record = 1 + kPaletteBytes + side * side;
    if (size != kPictures * record)
        return;
    for (std::size_t picture = 0; picture < kPictures; ++picture) {
        const std::uint8_t* const data = bank + picture * record;
        std::vector<std::uint32_t>& pixels = pixels_.at(data[0]);
        pixels.resize(side * side);
        const std::uint8_t* const colours = data + 1;
        const std::uint8_t* const indices = colours + kPaletteBytes;
        for (std::size_t i = 0; i < side * side; ++i)
            pixels[i] = littleEndian32(colours + 4 * indices[i]);
    }
}

// Enlarged by a whole factor without blending, each pixel becomes a square of its colour.
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
    const int shown = geometry_.pictureSide();
    const int oldMode = ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchDIBits(dc, x, y, shown, shown, 0, 0, side_, side_, pixels_[index].data(), &info,
                    DIB_RGB_COLORS, SRCCOPY);
    ::SetStretchBltMode(dc, oldMode);
}

} // namespace xiangqi::win32
