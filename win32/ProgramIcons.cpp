#include "ProgramIcons.h"

#include "Resources.h"
#include "ScreenDpi.h"
#include "SystemFunction.h"

#include <commctrl.h>

namespace xiangqi::win32 {

ProgramIcons::ProgramIcons(HINSTANCE instance, int dpi)
    : big_(load(instance, dpi::systemMetric(SM_CXICON, dpi))),
      small_(load(instance, dpi::systemMetric(SM_CXSMICON, dpi))) {}

// LoadIconWithScaleDown makes a size the file lacks from the next larger one, where LoadImageW
// may enlarge a smaller one, blurred. It comes with common controls 6, which the manifest asks
// for, but not in MinGW's import library, so it is looked up.
ProgramIcons::Icon ProgramIcons::load(HINSTANCE instance, int side) {
    static const auto loadScaledDown =
        systemFunction<decltype(::LoadIconWithScaleDown)>(L"comctl32.dll", "LoadIconWithScaleDown");
    HICON icon = nullptr;
    if (loadScaledDown &&
        SUCCEEDED(loadScaledDown(instance, MAKEINTRESOURCEW(IDI_PROGRAM), side, side, &icon)))
        return Icon(icon);
    return Icon(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON,
                                                side, side, LR_DEFAULTCOLOR)));
}

void ProgramIcons::showOn(HWND window) const {
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_.get()));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_.get()));
}

} // namespace xiangqi::win32
