#pragma once

#include "Window.h"

#include <array>
#include <functional>

namespace xiangqi::win32 {

class PictureBank;

// The 90 board points, drawn by one window as the Qt window draws them (design::PointGeometry)
// in the pixels of the bank's scale: each point is a cell one pitch plus a line wide that shows
// its picture at the picture's own size from its top-left corner, optionally framed by a line
// in the window text colour. The pixels between the pictures show the system's face colour. A
// click on a point (the left button pressed and released on it) reports its cell index.
class BoardPoints : public Window {
public:
    BoardPoints(const PictureBank& bank, std::function<void(int)> clicked);

    // A child of `parent`, placed by place().
    void create(HWND parent);
    // Centres the board in `area` at the bank's scale: the area the design gives it at the
    // screen's resolution, which it fills at every scale drawn ahead.
    void place(design::Pixels area);
    void setPicture(int cell, int bankIndex);
    void setFramed(int cell, bool framed);

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT cellRect(int cell) const;
    void paint(HDC dc) const override;

    const PictureBank& bank_;
    std::function<void(int)> clicked_;
    std::array<int, 90> pictures_{};
    std::array<bool, 90> framed_{};
    int pressedCell_ = -1;
};

} // namespace xiangqi::win32
