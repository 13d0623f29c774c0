#include "AboutPicture.h"

#include "PictureScale.h"
#include "Resources.h"

#include <wincodec.h>
#include <wrl/client.h>

namespace xiangqi::win32 {

using Microsoft::WRL::ComPtr;

namespace {
// Each About picture's resource is named by 1000 + its scale in percent.
static_assert(IDR_ABOUT_100 == 1000 + 100 && IDR_ABOUT_300 == 1000 + 300);

// The picture's pixels as 32-bit BGRA, enlarged `factor` times, each pixel a square of its colour.
ComPtr<IWICBitmapSource> decode(const void* png, DWORD size, int factor) {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    ComPtr<IWICBitmapScaler> scaler;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(png)), size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad,
                                                &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) ||
        FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)) ||
        FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(converter.Get(), width * factor, height * factor,
                                  WICBitmapInterpolationModeNearestNeighbor)))
        return nullptr;
    return scaler;
}
} // namespace

GdiObject<HBITMAP> AboutPicture(HINSTANCE instance, int dpi) {
    const PictureScale scale = PictureScale::forDpi(dpi);
    const HRSRC found =
        ::FindResourceW(instance, MAKEINTRESOURCEW(1000 + scale.percent), RT_RCDATA);
    const HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const ComPtr<IWICBitmapSource> picture =
        loaded ? decode(::LockResource(loaded), ::SizeofResource(instance, found), scale.factor)
               : nullptr;
    UINT width = 0;
    UINT height = 0;
    if (!picture || FAILED(picture->GetSize(&width, &height)))
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    GdiObject<HBITMAP> bitmap(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap || FAILED(picture->CopyPixels(nullptr, 4 * width, 4 * width * height,
                                              static_cast<BYTE*>(pixels))))
        return nullptr;
    return bitmap;
}

} // namespace xiangqi::win32
