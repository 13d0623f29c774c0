#include "BoardPoints.h"

#include "GdiObject.h"
#include "PictureBank.h"

#include <algorithm>
#include <utility>
#include <windowsx.h>

namespace xiangqi::win32 {

namespace {
constexpr int kLine = 1;
} // namespace

BoardPoints::BoardPoints(const PictureBank& bank, std::function<void(int)> clicked)
    : bank_(bank), clicked_(std::move(clicked)) {}

void BoardPoints::create(HWND parent, int left, int top) {
    const int width = kCols * pitch() + kLine;
    const int height = kRows * pitch() + kLine;
    Window::create({L"XiangqiBoardPoints"}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, L"Image1",
                   {left, top, width, height}, parent, nullptr);
}

// Pictures stand one line apart.
int BoardPoints::pitch() const {
    return bank_.side() + kLine;
}

// A point's cell: its picture and, right and below, the first line of its neighbours'.
RECT BoardPoints::cellRect(int cell) const {
    const int left = cell % kCols * pitch();
    const int top = cell / kCols * pitch();
    return {left, top, left + pitch() + kLine, top + pitch() + kLine};
}

void BoardPoints::setPicture(int cell, int bankIndex) {
    if (std::exchange(pictures_.at(cell), bankIndex) == bankIndex)
        return;
    const RECT cellArea = cellRect(cell);
    ::InvalidateRect(hwnd(), &cellArea, FALSE);
}

void BoardPoints::setFramed(int cell, bool framed) {
    if (std::exchange(framed_.at(cell), framed) == framed)
        return;
    const RECT cellArea = cellRect(cell);
    ::InvalidateRect(hwnd(), &cellArea, FALSE);
}

int BoardPoints::cellAt(int x, int y) const {
    if (x < 0 || y < 0)
        return -1;
    const int col = std::min(x / pitch(), kCols - 1);
    const int row = std::min(y / pitch(), kRows - 1);
    const RECT cell = cellRect(row * kCols + col);
    return x < cell.right && y < cell.bottom ? row * kCols + col : -1;
}

LRESULT BoardPoints::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return paintInvalidPart();
    case WM_LBUTTONDOWN:
        pressedCell_ = cellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        ::SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        // Releasing the capture resets the pressed point, so it is taken first.
        const int pressed = std::exchange(pressedCell_, -1);
        ::ReleaseCapture();
        const int cell = cellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        if (cell >= 0 && cell == pressed)
            clicked_(cell);
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressedCell_ = -1;
        return 0;
    default:
        return Window::handle(message, wParam, lParam);
    }
}

// Drawn off screen and copied at once, so nothing flickers. A framed point shows its picture
// one line in, inside the frame; the frames go over the pictures, as their right and bottom
// lines fall on the neighbours' first pixels.
void BoardPoints::paint(HDC dc) const {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const HDC memory = ::CreateCompatibleDC(dc);
    const GdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
    const HGDIOBJ old = ::SelectObject(memory, bitmap.get());
    ::FillRect(memory, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    for (int cell = 0; cell < kRows * kCols; ++cell) {
        const RECT area = cellRect(cell);
        const int inset = framed_[cell] ? kLine : 0;
        bank_.draw(memory, pictures_[cell], area.left + inset, area.top + inset);
    }
    const HBRUSH frame = ::GetSysColorBrush(COLOR_WINDOWTEXT);
    for (int cell = 0; cell < kRows * kCols; ++cell) {
        if (!framed_[cell])
            continue;
        const RECT area = cellRect(cell);
        for (const RECT& side : {RECT{area.left, area.top, area.right, area.top + kLine},
                                 RECT{area.left, area.bottom - kLine, area.right, area.bottom},
                                 RECT{area.left, area.top, area.left + kLine, area.bottom},
                                 RECT{area.right - kLine, area.top, area.right, area.bottom}})
            ::FillRect(memory, &side, frame);
    }
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

} // namespace xiangqi::win32
