#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

namespace xiangqi::win32 {

// The program's icon at the two sizes Windows shows a window's icons at, for a screen's
// resolution: the caption's and the taskbar's. Each is the size of the icon file that fits, or
// the next larger one made smaller by Windows.
class ProgramIcons {
public:
    ProgramIcons(HINSTANCE instance, int dpi);

    // Makes these the icons of `window`, which uses them until it is given others.
    void showOn(HWND window) const;

private:
    struct Deleter {
        void operator()(HICON icon) const { ::DestroyIcon(icon); }
    };
    using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, Deleter>;

    static Icon load(HINSTANCE instance, int side);

    Icon big_;
    Icon small_;
};

} // namespace xiangqi::win32
