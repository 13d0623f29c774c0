#pragma once

#include "GdiObject.h"

#include <string>
#include <vector>
#include <windows.h>

namespace xiangqi::win32 {

// The fonts of the title and the status: the system's 宋体 and Tahoma where they are installed,
// else the program's own cuts of them, registered for this process only. The program's Song-style
// font holds every Chinese character the program shows; its Tahoma only the printable ASCII.
class ChineseFonts {
public:
    explicit ChineseFonts(HINSTANCE instance);
    ~ChineseFonts();
    ChineseFonts(const ChineseFonts&) = delete;
    ChineseFonts& operator=(const ChineseFonts&) = delete;

    // The system's font for the texts of dialogs and controls, on a screen of `dpi`.
    static GdiObject<HFONT> messageFont(int dpi);
    // The Song-style font in the GB2312 character set, at `points` on a screen of `dpi`.
    GdiObject<HFONT> song(double points, int dpi) const;
    // Tahoma in the Western character set.
    GdiObject<HFONT> tahoma(double points, int dpi) const;

private:
    void registerOwn(HINSTANCE instance, int resource);

    std::vector<HANDLE> registered_;
    std::wstring songFamily_;
};

} // namespace xiangqi::win32
