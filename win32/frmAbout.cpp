#include "frmAbout.h"

#include "AboutPicture.h"
#include "ChineseFonts.h"
#include "ProgramVersion.h"
#include "SystemFunction.h"
#include "Utf16.h"
#include "Window.h"

#include <commctrl.h>
#include <utility>

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

COLORREF colourOf(design::Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}
} // namespace

frmAbout::frmAbout(int dpi) : dpi_(dpi), icons_(::GetModuleHandleW(nullptr), dpi) {}

void frmAbout::showModal(HWND owner, int dpi) {
    frmAbout dialog(dpi);
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
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(
            colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    default:
        return FALSE;
    }
}

void frmAbout::Form_Load() {
    keepDialogManagerFromScaling();
    ::SetWindowTextW(hwnd_, utf16(about::kCaption).c_str());
    icons_.showOn(hwnd_);
    createControls();
    applyDpi();
    centreOverOwner();
    const ProgramVersion version = programVersion();
    ::SetWindowTextW(
        lblVersion,
        utf16(about::versionLine(version.major, version.minor, version.revision)).c_str());
}

void frmAbout::centreOverOwner() {
    RECT owner;
    RECT frame;
    ::GetWindowRect(::GetWindow(hwnd_, GW_OWNER), &owner);
    ::GetWindowRect(hwnd_, &frame);
    ::SetWindowPos(hwnd_, nullptr, (owner.left + owner.right - (frame.right - frame.left)) / 2,
                   (owner.top + owner.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The dialog lays itself out at a new resolution (dpiChanged). The dialog manager of Windows 10
// version 1703 on would scale it too, from the font of a template it does not have.
void frmAbout::keepDialogManagerFromScaling() {
    static const auto setBehaviour = systemFunction<decltype(::SetDialogDpiChangeBehavior)>(
        L"user32.dll", "SetDialogDpiChangeBehavior");
    if (setBehaviour)
        setBehaviour(hwnd_, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

void frmAbout::dpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ProgramIcons icons(::GetModuleHandleW(nullptr), dpi_);
    icons.showOn(hwnd_);
    icons_ = std::move(icons);
    applyDpi();
}

// The font, the picture and the layout for the resolution dpi_, and the design's client area.
// The picture comes after the layout: a static control may draw its picture at once, centred in
// the size it has then.
void frmAbout::applyDpi() {
    const GdiObject<HFONT> oldFont = std::exchange(font_, ChineseFonts::messageFont(dpi_));
    layOutControls();
    GdiObject<HBITMAP> picture = AboutPicture(::GetModuleHandleW(nullptr), dpi_);
    ::SendMessageW(picIcon, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get()));
    picture_ = std::move(picture);
    const design::Pixels client = design::toPixels(about::kClient, dpi_);
    fitClientArea(hwnd_, client.width, client.height);
}

// In the order of the design, which is also the order of the Tab key: the button is the only
// control it stops at.
void frmAbout::createControls() {
    picIcon =
        createControl(WC_STATICW, about::picIcon, SS_BITMAP | SS_CENTERIMAGE, 0, WS_EX_CLIENTEDGE);
    cmdOK = createControl(WC_BUTTONW, about::cmdOK, BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK);
    Line1[1] = createLine(kLine1Id + 1);
    lblDescription = createControl(WC_STATICW, about::lblDescription, SS_LEFT | SS_NOPREFIX, 0);
    lblTitle = createControl(WC_STATICW, about::lblTitle, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
    Line1[0] = createLine(kLine1Id);
    lblVersion = createControl(WC_STATICW, about::lblVersion, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
    lblDisclaimer =
        createControl(WC_STATICW, about::lblDisclaimer, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0);
}

void frmAbout::layOutControls() {
    for (const auto& [control, designed] : {std::pair{picIcon, &about::picIcon},
                                            {cmdOK, &about::cmdOK},
                                            {lblDescription, &about::lblDescription},
                                            {lblTitle, &about::lblTitle},
                                            {lblVersion, &about::lblVersion},
                                            {lblDisclaimer, &about::lblDisclaimer}})
        layOut(control, *designed, dpi_, font_.get());
    for (std::size_t line = 0; line < Line1.size(); ++line)
        moveTo(Line1[line], about::toPixels(about::Line1[line], dpi_));
}

HWND frmAbout::createControl(const wchar_t* windowClass, const design::Control& control,
                             DWORD style, int id, DWORD extendedStyle) {
    return ::CreateWindowExW(extendedStyle, windowClass, utf16(control.text).c_str(),
                             WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

// A line is an empty static control filled with its colour.
HWND frmAbout::createLine(int id) {
    const auto index = static_cast<std::size_t>(id - kLine1Id);
    lineBrushes_.at(index) =
        GdiObject<HBRUSH>(::CreateSolidBrush(colourOf(about::Line1.at(index).colour)));
    return ::CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_,
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
