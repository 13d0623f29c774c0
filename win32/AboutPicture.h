#pragma once

#include "GdiObject.h"

#include <windows.h>

namespace xiangqi::win32 {

// The about box's picture for a screen of `dpi`: about/pictures/about.png or the one drawn ahead
// for the scale (see PictureScale), compiled in as it is and decoded by the Windows Imaging
// Component, which every Windows since Vista has: the pictures are kept in one form for both
// front ends. Needs COM on this thread. No bitmap when it cannot be decoded.
GdiObject<HBITMAP> AboutPicture(HINSTANCE instance, int dpi);

} // namespace xiangqi::win32
