#pragma once

#include "GdiObject.h"
#include "ProgramIcons.h"
#include "WindowDesign.h"

#include <array>
#include <windows.h>

namespace xiangqi::win32 {

// The about box: the program's picture, title, version, author and rights warning, and the
// button 确定, the default and the cancel button: Enter, Esc and the close box all close it. A
// fixed dialog laid out in twips, in the system's font, at the resolution of the monitor it is
// on, and again when it moves to a monitor of another resolution.
class frmAbout {
public:
    // Builds the dialog afresh, shows it modally over `owner`, which is on a screen of `dpi`,
    // and returns once it has been closed.
    static void showModal(HWND owner, int dpi);

private:
    explicit frmAbout(int dpi);

    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    void createControls();
    HWND createControl(const wchar_t* windowClass, const design::Control& control, DWORD style,
                       int id, DWORD extendedStyle = 0);
    HWND createLine(int id);
    void keepDialogManagerFromScaling();
    void centreOverOwner();
    void dpiChanged(int dpi, const RECT& suggested);
    void applyDpi();
    void layOutControls();
    HBRUSH colourStatic(HDC dc, HWND control);

    HWND hwnd_ = nullptr;
    int dpi_;
    ProgramIcons icons_;
    GdiObject<HFONT> font_;
    GdiObject<HBITMAP> picture_;
    std::array<GdiObject<HBRUSH>, 2> lineBrushes_;

    HWND picIcon = nullptr;
    HWND cmdOK = nullptr;
    std::array<HWND, 2> Line1{};
    HWND lblDescription = nullptr;
    HWND lblTitle = nullptr;
    HWND lblVersion = nullptr;
    HWND lblDisclaimer = nullptr;
};

} // namespace xiangqi::win32
