#include "BoardPoints.h"

#include "GdiObject.h"
#include "PictureBank.h"

#include <utility>
#include <windowsx.h>

namespace xiangqi::win32 {

BoardPoints::BoardPoints(const PictureBank& bank, std::function<void(int)> clicked)
    : bank_(bank), clicked_(std::move(clicked)) {}

void BoardPoints::create(HWND parent) {
    Window::create({L"XiangqiBoardPoints"}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, L"Image1",
                   {0, 0, 0, 0}, parent, nullptr);
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

LRESULT BoardPoints::handle(UINT message, WPARAM wParam, LPARAM lParam) {
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
    default:
        return Window::handle(message, wParam, lParam);
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
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

} // namespace xiangqi::win32
