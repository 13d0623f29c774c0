#include "BoardPoints.h"

#include "GdiObject.h"
#include "PictureBank.h"
#include "PointProvider.h"

#include <algorithm>
#include <utility>
#include <windowsx.h>

namespace xiangqi::win32 {

namespace {
// The keyboard's cursor, in the lines of a point's 49-line cell at 100 %.
constexpr int kCellLines = 49;
constexpr int kCursorInset = 4;
constexpr int kCursorWidth = 2;
constexpr int kCursorDash = 8;
constexpr int kCursorGap = 4;

// Posted as the board takes the focus, to tell screen readers of the cursor's point after the
// system has told them of the board.
constexpr UINT kTellFocusPoint = WM_APP;

bool anyModifierDown() {
    for (const int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN})
        if (::GetKeyState(key) < 0)
            return true;
    return false;
}
} // namespace

BoardPoints::BoardPoints(const PictureBank& bank, UiAutomation& uia,
                         std::function<void(int)> clicked, std::function<void()> statusAsked)
    : bank_(bank), uia_(uia), clicked_(std::move(clicked)), statusAsked_(std::move(statusAsked)) {}

void BoardPoints::create(HWND parent) {
    Window::create({L"XiangqiBoardPoints"}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0,
                   L"Image1", {0, 0, 0, 0}, parent, nullptr);
}

void BoardPoints::place(design::Pixels area) {
    const design::PointGeometry& geometry = bank_.geometry();
    ::SetWindowPos(hwnd(), nullptr, area.left + (area.width - geometry.width()) / 2,
                   area.top + (area.height - geometry.height()) / 2, geometry.width(),
                   geometry.height(), SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

RECT BoardPoints::cellRect(int cell) const {
    return rectOf(bank_.geometry().cell(cell));
}

void BoardPoints::invalidateCell(int cell) const {
    const RECT cellArea = cellRect(cell);
    ::InvalidateRect(hwnd(), &cellArea, FALSE);
}

// A client that has never asked for the board knows none of its points' names.
void BoardPoints::setPicture(int cell, int bankIndex) {
    const int old = std::exchange(pictures_.at(cell), bankIndex);
    if (old == bankIndex)
        return;
    invalidateCell(cell);
    if (element_.madeProvider() && uia_.clientsAreListening())
        uia_.raiseNameChanged(element_.madeProvider()->point(cell), PointProvider::name(old, cell),
                              PointProvider::name(bankIndex, cell));
}

void BoardPoints::setFramed(int cell, bool framed) {
    if (std::exchange(framed_.at(cell), framed) != framed)
        invalidateCell(cell);
}

void BoardPoints::setFocusPoint(int cell) {
    const int old = std::exchange(focusPoint_, cell);
    if (old == cell || !hasFocus())
        return;
    invalidateCell(old);
    invalidateCell(cell);
    tellFocusPoint();
}

// Asked of the window's thread, as UI Automation calls the providers on a thread of its own under
// Wine, where GetFocus would answer for that thread.
bool BoardPoints::hasFocus() const {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(hwnd(), nullptr), &thread) &&
           thread.hwndFocus == hwnd();
}

void BoardPoints::tellFocusPoint() {
    if (hasFocus() && uia_.clientsAreListening())
        uia_.raiseFocusChanged(element_.provider()->point(focusPoint_));
}

RECT BoardPoints::screenRect(int cell) const {
    RECT place = cellRect(cell);
    ::MapWindowPoints(hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

int BoardPoints::cellAtScreen(POINT place) const {
    ::ScreenToClient(hwnd(), &place);
    return bank_.geometry().cellAt(place.x, place.y);
}

// The cursor stops at the board's edges.
void BoardPoints::moveFocusPoint(int rowStep, int colStep) {
    const int row = std::clamp(focusPoint_ / kCols + rowStep, 0, kRows - 1);
    const int col = std::clamp(focusPoint_ % kCols + colStep, 0, kCols - 1);
    setFocusPoint(row * kCols + col);
}

LRESULT BoardPoints::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::optional<LRESULT> answer = element_.handle(message, wParam, lParam))
        return *answer;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paintInvalidPart();
    case WM_LBUTTONDOWN:
        pressedCell_ = bank_.geometry().cellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ::SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        // Releasing the capture resets the pressed point, so it is taken first.
        const int pressed = std::exchange(pressedCell_, -1);
        ::ReleaseCapture();
        const int cell = bank_.geometry().cellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (cell >= 0 && cell == pressed)
            clicked_(cell);
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressedCell_ = -1;
        return 0;
    case WM_GETDLGCODE:
        return dialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
        if (keyDown(wParam, lParam))
            return 0;
        break;
    case WM_SETFOCUS:
        invalidateCell(focusPoint_);
        ::PostMessageW(hwnd(), kTellFocusPoint, 0, 0);
        return 0;
    case WM_KILLFOCUS:
        invalidateCell(focusPoint_);
        return 0;
    case kTellFocusPoint:
        tellFocusPoint();
        return 0;
    default:
        break;
    }
    return Window::handle(message, wParam, lParam);
}

// The arrow keys and the letters come here rather than to the dialog keys of the window, and so
// does Return, which would press the window's default button; the keypad's Enter does not.
LRESULT BoardPoints::dialogCode(const MSG* message) const {
    const bool returnKey = message && message->message == WM_KEYDOWN &&
                           message->wParam == VK_RETURN && !(HIWORD(message->lParam) & KF_EXTENDED);
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (returnKey ? DLGC_WANTMESSAGE : 0);
}

// Space and Return click the point under the cursor, once for each press of the key; S alone
// asks for the status. The keypad's Enter is left alone: a screen reader's where-am-I. So is S
// with a modifier, other programs' commands.
bool BoardPoints::keyDown(WPARAM key, LPARAM flags) {
    const bool repeated = HIWORD(flags) & KF_REPEAT;
    switch (key) {
    case VK_LEFT:
        moveFocusPoint(0, -1);
        return true;
    case VK_RIGHT:
        moveFocusPoint(0, 1);
        return true;
    case VK_UP:
        moveFocusPoint(-1, 0);
        return true;
    case VK_DOWN:
        moveFocusPoint(1, 0);
        return true;
    case VK_RETURN:
        if (HIWORD(flags) & KF_EXTENDED)
            return false;
        [[fallthrough]];
    case VK_SPACE:
        if (!repeated)
            clicked_(focusPoint_);
        return true;
    case 'S':
        if (anyModifierDown())
            return false;
        if (!repeated)
            statusAsked_();
        return true;
    default:
        return false;
    }
}

// Drawn off screen and copied at once, so nothing flickers. A framed point shows its picture
// one line in, inside the frame; the frames go over the pictures, as their right and bottom
// lines fall on the neighbours' first pixels.
void BoardPoints::paint(HDC dc) const {
    const design::PointGeometry& geometry = bank_.geometry();
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const HDC memory = ::CreateCompatibleDC(dc);
    const GdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
    const HGDIOBJ old = ::SelectObject(memory, bitmap.get());
    ::FillRect(memory, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    for (int cell = 0; cell < static_cast<int>(pictures_.size()); ++cell) {
        const design::Pixels area = geometry.cell(cell);
        const int inset = framed_[cell] ? geometry.lineWidth() : 0;
        bank_.draw(memory, pictures_[cell], area.left + inset, area.top + inset);
    }
    const HBRUSH frame = ::GetSysColorBrush(COLOR_WINDOWTEXT);
    for (int cell = 0; cell < static_cast<int>(framed_.size()); ++cell) {
        if (!framed_[cell])
            continue;
        for (const design::Pixels& side : geometry.frame(cell)) {
            const RECT line = rectOf(side);
            ::FillRect(memory, &line, frame);
        }
    }
    if (hasFocus())
        drawCursor(memory);
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

// The cursor is a dashed square in the highlight colour, two lines wide, inside the cell: it
// differs from the thin solid frame of a selected point and shows beside it. Each side runs from
// a corner, clockwise, in dashes twice as long as the gaps between them, so all four corners
// show. Its lines scale with the cell.
void BoardPoints::drawCursor(HDC dc) const {
    RECT square = cellRect(focusPoint_);
    const int cell = square.right - square.left;
    const auto lines = [cell](int count) { return ::MulDiv(count, cell, kCellLines); };
    ::InflateRect(&square, -lines(kCursorInset), -lines(kCursorInset));
    const int side = square.right - square.left;
    const int width = lines(kCursorWidth);
    const HBRUSH highlight = ::GetSysColorBrush(COLOR_HIGHLIGHT);
    for (int from = 0; from < side; from += lines(kCursorDash) + lines(kCursorGap)) {
        const int to = std::min(from + lines(kCursorDash), side);
        const RECT top{square.left + from, square.top, square.left + to, square.top + width};
        const RECT right{square.right - width, square.top + from, square.right, square.top + to};
        const RECT bottom{square.right - to, square.bottom - width, square.right - from,
                          square.bottom};
        const RECT left{square.left, square.bottom - to, square.left + width, square.bottom - from};
        for (const RECT& dash : {top, right, bottom, left})
            ::FillRect(dc, &dash, highlight);
    }
}

} // namespace xiangqi::win32
