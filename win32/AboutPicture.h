#pragma once

#include "GdiObject.h"

#include <windows.h>

namespace xiangqi::win32 {

// The about box's picture, about/pictures/about.png compiled in as it is and decoded by the
// Windows Imaging Component, which every Windows since Vista has: the picture is kept in one
// form for both front ends. Needs COM on this thread. No bitmap when it cannot be decoded.
GdiObject<HBITMAP> AboutPicture(HINSTANCE instance);

} // namespace xiangqi::win32
