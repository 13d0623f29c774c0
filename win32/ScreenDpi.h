#pragma once

#include <windows.h>

// The screen's resolution and the system's measures at a resolution. A window of this program
// is drawn for the resolution of the monitor it is on, and learns of a change of resolution by
// WM_DPICHANGED (per-monitor awareness, declared in its manifest). The calls that tell these
// came with Windows 10 version 1607; before it, each falls back on the system's resolution.
namespace xiangqi::win32::dpi {

// The resolution `window` is drawn at, in dots per inch.
int ofWindow(HWND window);
// GetSystemMetrics(`index`) at `dpi`.
int systemMetric(int index, int dpi);
// The window rectangle whose client area is `client`, for a window of these styles at `dpi`.
RECT windowRectAround(RECT client, DWORD style, bool menu, DWORD extendedStyle, int dpi);
// The system's font for the texts of dialogs and controls at `dpi`.
LOGFONTW messageFont(int dpi);

} // namespace xiangqi::win32::dpi
