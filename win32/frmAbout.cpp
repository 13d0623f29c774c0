#include "frmAbout.h"

#include "AboutPicture.h"
#include "ChineseFonts.h"
#include "ProgramVersion.h"
#include "Utf16.h"

#include <commctrl.h>

namespace xiangqi::win32 {

namespace {
namespace about = design::frmAbout;

constexpr DWORD kStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME;
constexpr int kLine1Id = 200;

// A dialog with no controls and no menu, class or title of its own: the dialog lays itself out
// once loaded.
struct alignas(4) EmptyDialog {
    DLGTEMPLATE dialog;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

RECT rectOf(design::Pixels pixels) {
    return {pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

COLORREF colourOf(design::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}
} // namespace

frmAbout::frmAbout(HICON icon, HICON smallIcon) : icon_(icon), smallIcon_(smallIcon) {}

void frmAbout::showModal(HWND owner, HICON icon, HICON smallIcon) {
    frmAbout dialog(icon, smallIcon);
    EmptyDialog empty{{kStyle, kExtendedStyle, 0, 0, 0, 0, 0}};
    ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), &empty.dialog, owner,
                              &frmAbout::procedure, reinterpret_cast<LPARAM>(&dialog));
}

INT_PTR CALLBACK frmAbout::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* about = reinterpret_cast<frmAbout*>(lParam);
        about->hwnd_ = dialog;
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    }
    auto* about = reinterpret_cast<frmAbout*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    return about ? about->handle(message, wParam, lParam) : FALSE;
}

INT_PTR frmAbout::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Form_Load();
        ::SetFocus(cmdOK);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            ::EndDialog(hwnd_, IDOK);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(
            colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    default:
        return FALSE;
    }
}

void frmAbout::Form_Load() {
    ::SetWindowTextW(hwnd_, utf16(about::kCaption).c_str());
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    fitClientArea();
    createControls();
    const ProgramVersion version = programVersion();
    ::SetWindowTextW(
        lblVersion,
        utf16(about::versionLine(version.major, version.minor, version.revision)).c_str());
}

// The client area of the design, the dialog centred over its owner.
void frmAbout::fitClientArea() {
    RECT frame = rectOf(design::toPixels(about::kClient));
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExtendedStyle);
    RECT owner;
    ::GetWindowRect(::GetWindow(hwnd_, GW_OWNER), &owner);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    ::SetWindowPos(hwnd_, nullptr, (owner.left + owner.right - width) / 2,
                   (owner.top + owner.bottom - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// In the order of the design, which is also the order of the Tab key: the button is the only
// control it stops at.
void frmAbout::createControls() {
    font_ = ChineseFonts::messageFont();
    picIcon =
        createControl(WC_STATICW, about::picIcon, SS_BITMAP | SS_CENTERIMAGE, 0, WS_EX_CLIENTEDGE);
    picture_ = AboutPicture(::GetModuleHandleW(nullptr));
    ::SendMessageW(picIcon, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
    cmdOK = createControl(WC_BUTTONW, about::cmdOK, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK);
    Line1[1] = createLine(about::Line1[1], kLine1Id + 1);
    lblDescription = createControl(WC_STATICW, about::lblDescription, SS_LEFT | SS_NOPREFIX, 0);
    lblTitle = createControl(WC_STATICW, about::lblTitle, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
    Line1[0] = createLine(about::Line1[0], kLine1Id);
    lblVersion = createControl(WC_STATICW, about::lblVersion, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
    lblDisclaimer =
        createControl(WC_STATICW, about::lblDisclaimer, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
}

HWND frmAbout::createControl(const wchar_t* windowClass, const design::Control& control,
                             DWORD style, int id, DWORD extendedStyle) {
    const design::Pixels place = design::toPixels(control.place);
    const HWND created = ::CreateWindowExW(
        extendedStyle, windowClass, utf16(control.text).c_str(), WS_CHILD | WS_VISIBLE | style,
        place.left, place.top, place.width, place.height, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return created;
}

// A line is an empty static control filled with its colour.
HWND frmAbout::createLine(const design::Line& line, int id) {
    lineBrushes_.at(static_cast<std::size_t>(id - kLine1Id)) =
        GdiObject<HBRUSH>(::CreateSolidBrush(colourOf(line.colour)));
    const design::Pixels place = about::toPixels(line);
    return ::CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE, place.left, place.top,
                             place.width, place.height, hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

// The lines take their colours; the title, the author and the rights warning are black.
HBRUSH frmAbout::colourStatic(HDC dc, HWND control) {
    const int id = ::GetDlgCtrlID(control);
    if (id == kLine1Id || id == kLine1Id + 1)
        return lineBrushes_.at(static_cast<std::size_t>(id - kLine1Id)).get();
    if (control == lblDescription || control == lblTitle || control == lblDisclaimer)
        ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace xiangqi::win32
