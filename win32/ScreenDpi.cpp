#include "ScreenDpi.h"

#include "SystemFunction.h"

namespace xiangqi::win32::dpi {

namespace {
template <typename Function> Function* user32(const char* name) {
    return systemFunction<Function>(L"user32.dll", name);
}

int systemDpi() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}
} // namespace

int ofWindow(HWND window) {
    static const auto getDpiForWindow = user32<decltype(::GetDpiForWindow)>("GetDpiForWindow");
    const int dpi = getDpiForWindow ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : systemDpi();
}

int systemMetric(int index, int dpi) {
    static const auto forDpi = user32<decltype(::GetSystemMetricsForDpi)>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, static_cast<UINT>(dpi))
                  : ::MulDiv(::GetSystemMetrics(index), dpi, systemDpi());
}

RECT windowRectAround(RECT client, DWORD style, bool menu, DWORD extendedStyle, int dpi) {
    static const auto forDpi =
        user32<decltype(::AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&client, style, menu, extendedStyle, static_cast<UINT>(dpi));
    else
        ::AdjustWindowRectEx(&client, style, menu, extendedStyle);
    return client;
}

LOGFONTW messageFont(int dpi) {
    static const auto forDpi =
        user32<decltype(::SystemParametersInfoForDpi)>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi) {
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi));
        return metrics.lfMessageFont;
    }
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, systemDpi());
    return metrics.lfMessageFont;
}

} // namespace xiangqi::win32::dpi
