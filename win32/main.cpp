#include "UiAutomationCore.h"
#include "frmMain.h"

#include <commctrl.h>
#include <objbase.h>

// COM serves the common Save-As dialog, the decoding of the about box's picture and UI
// Automation.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    const bool com = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    int exitCode = 0;
    {
        xiangqi::win32::UiAutomationCore uia;
        xiangqi::win32::frmMain window(instance, uia);
        exitCode = window.run(show);
    }
    if (com)
        ::CoUninitialize();
    return exitCode;
}
