#include "frmMain.h"

#include "ChineseMessageBox.h"
#include "PointGeometry.h"
#include "RecordFile.h"
#include "ScreenDpi.h"
#include "Utf16.h"
#include "frmAbout.h"

#include <algorithm>
#include <array>
#include <commctrl.h>
#include <initializer_list>
#include <utility>

namespace xiangqi::win32 {

namespace {
namespace form = design::frmMain;

// Not WS_CLIPCHILDREN: the frame paints only its line and caption, the window the face inside it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The commands' identifiers, above those the dialog manager sends (IDOK, IDCANCEL, ...).
enum Id : int {
    cmdStart = 100,
    cmdAbort,
    cmdUndo,
    cmdSave,
    mnStart = 200,
    mnAbort,
    mnUndo,
    mnSave,
    mnExit,
    mnAbout,
};

// The keyboard's cursor starts on red's king.
constexpr int kRedKingPoint = 85;

// Posted as the window becomes active, to tell the announcements that waited for it after the
// system has told screen readers of the window and its focused control.
constexpr UINT kTellWaitingAnnouncements = WM_APP;

constexpr std::string_view kCtrl = "Ctrl+";
static_assert(form::kStartShortcut.starts_with(kCtrl) &&
              form::kStartShortcut.size() == kCtrl.size() + 1);

COLORREF colourOf(const design::Font& font) {
    return RGB(font.colour.red, font.colour.green, font.colour.blue);
}

HMENU commandId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

void appendItem(HMENU menu, const design::MenuItem& item, int id, std::string_view shortcut = {}) {
    const std::string caption = shortcut.empty()
                                    ? std::string(item.caption)
                                    : std::string(item.caption) + '\t' + std::string(shortcut);
    ::AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), utf16(caption).c_str());
}

// Puts the controls in this order for the Tab key, which follows the order of the windows.
void setTabOrder(std::initializer_list<HWND> controls) {
    HWND previous = HWND_TOP;
    for (const HWND control : controls) {
        ::SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control;
    }
}
} // namespace

// The window is made at the standard resolution and laid out at its monitor's once it exists.
frmMain::frmMain(HINSTANCE instance, UiAutomation& uia)
    : instance_(instance), uia_(uia), icons_(instance, dpi_), fonts_(instance),
      Image1(
          Image2, uia, [this](int index) { Image1_Click(index); },
          [this] { game_.announceStatus(); }),
      Label2(uia), Image2(instance, dpi_) {
    const design::Pixels client = design::toPixels(form::kClient, dpi_);
    create({L"XiangqiMainWindow", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)}, kStyle, 0,
           utf16(design::kTitle).c_str(),
           {CW_USEDEFAULT, CW_USEDEFAULT, client.width, client.height}, nullptr, createMenus());
}

frmMain::~frmMain() {
    if (accelerators_)
        ::DestroyAcceleratorTable(accelerators_);
}

int frmMain::run(int show) {
    ::ShowWindow(hwnd(), show);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (translate(message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// Ctrl+N, Return on a button and the keys of a dialog: Tab from control to control, Space to
// press a button, the arrows for the board.
bool frmMain::translate(MSG& message) {
    return ::TranslateAcceleratorW(hwnd(), accelerators_, &message) ||
           pressFocusedButton(message) || ::IsDialogMessageW(hwnd(), &message);
}

// Return presses a focused button, once for each press, as Space does; Windows would press the
// window's default button, which this one has none of. The keypad's Enter is a screen reader's,
// as on the board: it does nothing.
bool frmMain::pressFocusedButton(const MSG& message) {
    const auto buttons = buttonsInTabOrder();
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN ||
        std::ranges::find(buttons, message.hwnd) == buttons.end())
        return false;
    if (!(HIWORD(message.lParam) & (KF_EXTENDED | KF_REPEAT)))
        command(::GetDlgCtrlID(message.hwnd));
    return true;
}

LRESULT frmMain::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        Form_Load();
        return 0;
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case WM_SETCURSOR:
        if (!busy_)
            break;
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            lastFocus_ = ::GetFocus();
            break;
        }
        waitingAnnouncements_.windowActivated();
        if (!waitingAnnouncements_.empty())
            ::PostMessageW(hwnd(), kTellWaitingAnnouncements, 0, 0);
        break;
    case WM_ACTIVATEAPP:
        if (!wParam)
            waitingAnnouncements_.leftForAnotherProgram();
        break;
    case kTellWaitingAnnouncements:
        tellWaitingAnnouncements();
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_GETDPISCALEDSIZE:
        *reinterpret_cast<SIZE*>(lParam) = windowSizeAt(static_cast<int>(wParam));
        return TRUE;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return Window::handle(message, wParam, lParam);
}

void frmMain::Form_Load() {
    createControls();
    dpi_ = dpi::ofWindow(hwnd());
    applyDpi();
    const ACCEL startShortcut{FCONTROL | FVIRTKEY, static_cast<WORD>(form::kStartShortcut.back()),
                              Id::mnStart};
    accelerators_ = ::CreateAcceleratorTableW(const_cast<ACCEL*>(&startShortcut), 1);
    game_.Form_Load();
}

// The size Windows is to give the window on a monitor of `dpi`, before it says so with
// WM_DPICHANGED: the one whose client area is the design's there, which a window scaled as a
// whole would miss, since its caption and menu bar grow by their own measures.
SIZE frmMain::windowSizeAt(int dpi) const {
    const RECT frame =
        dpi::windowRectAround(rectOf(design::toPixels(form::kClient, dpi)), kStyle, true, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Windows suggests the window's place on the new monitor; everything inside is laid out anew.
void frmMain::dpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    ::SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    applyDpi();
}

// The pictures, fonts and icons for the resolution dpi_, and the layout in its pixels. The
// window has the design's client area, whatever the system's frame and menu bar take.
void frmMain::applyDpi() {
    Image2 = PictureBank(instance_, dpi_);
    ProgramIcons icons(instance_, dpi_);
    icons.showOn(hwnd());
    icons_ = std::move(icons);
    const GdiObject<HFONT> oldFont = std::exchange(controlFont_, ChineseFonts::messageFont(dpi_));
    layOutControls();
    const design::Pixels client = design::toPixels(form::kClient, dpi_);
    fitClientArea(hwnd(), client.width, client.height);
    ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// In the order of the design; the Tab key then goes through the buttons from 开局 down.
void frmMain::createControls() {
    cmdSave = createButton(form::cmdSave, Id::cmdSave);
    cmdUndo = createButton(form::cmdUndo, Id::cmdUndo);
    cmdAbort = createButton(form::cmdAbort, Id::cmdAbort);
    cmdStart = createButton(form::cmdStart, Id::cmdStart);
    // The Tab key goes into the frame, on to the board.
    Frame1 =
        ::CreateWindowExW(WS_EX_CONTROLPARENT, WC_BUTTONW, utf16(form::Frame1.text).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | BS_GROUPBOX,
                          0, 0, 0, 0, hwnd(), nullptr, instance_, nullptr);
    Image1.create(Frame1);
    Image1.setFocusPoint(kRedKingPoint);
    Label2.create(hwnd(), colourOf(form::kStatusFont));
    Label2.setText(form::Label2.text);
    Label1.create(hwnd(), utf16(form::Label1.text), colourOf(form::kTitleFont));
    const auto buttons = buttonsInTabOrder();
    setTabOrder({buttons[0], buttons[1], buttons[2], buttons[3], Frame1});
}

std::array<HWND, 4> frmMain::buttonsInTabOrder() const {
    return {cmdStart, cmdAbort, cmdUndo, cmdSave};
}

// The board points take the area of their cells at the standard resolution, scaled.
void frmMain::layOutControls() {
    for (const auto& [button, control] : {std::pair{cmdSave, &form::cmdSave},
                                          {cmdUndo, &form::cmdUndo},
                                          {cmdAbort, &form::cmdAbort},
                                          {cmdStart, &form::cmdStart},
                                          {Frame1, &form::Frame1}})
        layOut(button, *control, dpi_, controlFont_.get());
    const design::PointGeometry standard(1);
    Image1.place(design::toPixels({form::kPointsLeft, form::kPointsTop,
                                   standard.width() * design::kTwipsPerPixel,
                                   standard.height() * design::kTwipsPerPixel},
                                  dpi_));
    moveTo(Label2.hwnd(), design::toPixels(form::Label2.place, dpi_));
    Label2.setFont(fonts_.song(form::kStatusFont.points, dpi_));
    Label1.place(design::toPixels(form::Label1.place, dpi_),
                 fonts_.tahoma(form::kTitleFont.points, dpi_),
                 fonts_.song(form::kTitleFont.points, dpi_));
}

HWND frmMain::createButton(const design::Control& control, int id) {
    return ::CreateWindowExW(0, WC_BUTTONW, utf16(control.text).c_str(),
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON,
                             0, 0, 0, 0, hwnd(), commandId(id), instance_, nullptr);
}

HMENU frmMain::createMenus() {
    const HMENU mnChess = ::CreatePopupMenu();
    appendItem(mnChess, form::mnStart, Id::mnStart, form::kStartShortcut);
    appendItem(mnChess, form::mnAbort, Id::mnAbort);
    appendItem(mnChess, form::mnUndo, Id::mnUndo);
    ::AppendMenuW(mnChess, MF_SEPARATOR, 0, nullptr); // mnSep11
    appendItem(mnChess, form::mnSave, Id::mnSave);
    ::AppendMenuW(mnChess, MF_SEPARATOR, 0, nullptr); // mnSep12
    appendItem(mnChess, form::mnExit, Id::mnExit);
    const HMENU mnHelp = ::CreatePopupMenu();
    appendItem(mnHelp, form::mnAbout, Id::mnAbout);

    menu_ = ::CreateMenu();
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(mnChess),
                  utf16(form::mnChess.caption).c_str());
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(mnHelp),
                  utf16(form::mnHelp.caption).c_str());
    return menu_;
}

void frmMain::command(int id) {
    switch (id) {
    case Id::cmdStart:
        return cmdStart_Click();
    case Id::cmdAbort:
        return cmdAbort_Click();
    case Id::cmdUndo:
        return cmdUndo_Click();
    case Id::cmdSave:
        return cmdSave_Click();
    case Id::mnStart:
        return game_.mnStart_Click();
    case Id::mnAbort:
        return game_.mnAbort_Click();
    case Id::mnUndo:
        return game_.mnUndo_Click();
    case Id::mnSave:
        return game_.mnSave_Click();
    case Id::mnExit:
        return game_.mnExit_Click();
    case Id::mnAbout:
        return game_.mnAbout_Click();
    default:
        return;
    }
}

// The control that had the keyboard focus when the window was left gets it back; at first,
// 开局.
void frmMain::restoreFocus() {
    const bool usable = lastFocus_ && ::IsWindow(lastFocus_) && ::IsWindowEnabled(lastFocus_);
    ::SetFocus(usable ? lastFocus_ : cmdStart);
}

void frmMain::Image1_Click(int index) {
    game_.Image1_Click(index);
}
void frmMain::cmdStart_Click() {
    game_.mnStart_Click();
}
void frmMain::cmdAbort_Click() {
    game_.mnAbort_Click();
}
void frmMain::cmdUndo_Click() {
    game_.mnUndo_Click();
}
void frmMain::cmdSave_Click() {
    game_.mnSave_Click();
}

void frmMain::setPointPicture(int cell, int bankIndex) {
    Image1.setPicture(cell, bankIndex);
}

int frmMain::pointTag(int cell) const {
    return form::pointTag(cell);
}

void frmMain::setPointBorder(int cell, bool framed) {
    Image1.setFramed(cell, framed);
}

void frmMain::setStatusText(std::string_view text) {
    Label2.setText(text);
}

// A question's box takes the activation from the window, which gets it back as the box closes:
// a screen reader then reads the window and its focused control anew, and would talk over an
// announcement made before. So what the game announces while the window is not active waits,
// behind whatever already waits, until it is.
void frmMain::announce(const std::function<std::string()>& text) {
    if (!uia_.clientsAreListening())
        return;
    if (waitingAnnouncements_.add(text()) && active())
        tellWaitingAnnouncements();
}

void frmMain::tellWaitingAnnouncements() {
    if (!waitingAnnouncements_.empty() && active())
        Label2.announce(waitingAnnouncements_.take());
}

bool frmMain::active() const {
    return ::GetActiveWindow() == hwnd();
}

void frmMain::enableCommand(Command command, bool enabled) {
    const auto enableButton = [&](HWND button) { this->enableButton(button, enabled); };
    const auto enableItem = [&](int id) {
        ::EnableMenuItem(menu_, static_cast<UINT>(id),
                         MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    };
    switch (command) {
    case Command::cmdAbort:
        return enableButton(cmdAbort);
    case Command::mnAbort:
        return enableItem(Id::mnAbort);
    case Command::cmdUndo:
        return enableButton(cmdUndo);
    case Command::mnUndo:
        return enableItem(Id::mnUndo);
    case Command::cmdSave:
        return enableButton(cmdSave);
    case Command::mnSave:
        return enableItem(Id::mnSave);
    }
}

// A button that holds the focus as it is disabled hands it on to the next enabled button, so
// the keyboard keeps working; not to the board, which the Tab key would reach: a click on a
// button leaves no cursor on the board. 开局 is always enabled.
void frmMain::enableButton(HWND button, bool enabled) {
    if (!enabled && ::GetFocus() == button) {
        const auto buttons = buttonsInTabOrder();
        auto next = std::ranges::find(buttons, button);
        do
            next = next + 1 == buttons.end() ? buttons.begin() : next + 1;
        while (!::IsWindowEnabled(*next));
        ::SetFocus(*next);
    }
    ::EnableWindow(button, enabled);
}

void frmMain::setBusyPointer(bool busy) {
    busy_ = busy;
    ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

MessageAnswer frmMain::messageBox(std::string_view text, MessageButtons buttons) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    const int answer =
        ChineseMessageBox(hwnd(), utf16(text), utf16(design::kTitle), yesNo ? MB_YESNO : MB_OK);
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

void frmMain::setSaveDialogCancelError(bool armed) {
    cdl1.setCancelError(armed);
}

std::optional<std::string> frmMain::showSaveDialog(std::string_view filter) {
    return cdl1.show(hwnd(), filter);
}

bool frmMain::writeTextFile(const std::string& path, std::string_view contents) {
    return RecordFile::write(path, contents);
}

void frmMain::showAboutDialog() {
    frmAbout::showModal(hwnd(), dpi_);
}

void frmMain::end() {
    ::DestroyWindow(hwnd());
}

} // namespace xiangqi::win32
