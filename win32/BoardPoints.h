#pragma once

#include "Window.h"

#include <array>
#include <functional>

namespace xiangqi::win32 {

class PictureBank;

// The 90 board points, drawn by one window: each point is a cell one pitch plus a line wide
// that shows its picture at the picture's own size from its top-left corner, optionally framed
// by a thin line in the window text colour. The pixels between the pictures show the system's
// face colour. A click on a point (the left button pressed and released on it) reports its cell
// index.
class BoardPoints : public Window {
public:
    static constexpr int kRows = 10;
    static constexpr int kCols = 9;

    BoardPoints(const PictureBank& bank, std::function<void(int)> clicked);

    // A child of `parent` with its top-left corner at (left, top).
    void create(HWND parent, int left, int top);
    void setPicture(int cell, int bankIndex);
    void setFramed(int cell, bool framed);

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int pitch() const;
    int cellAt(int x, int y) const;
    RECT cellRect(int cell) const;
    void paint(HDC dc) const override;

    const PictureBank& bank_;
    std::function<void(int)> clicked_;
    std::array<int, 90> pictures_{};
    std::array<bool, 90> framed_{};
    int pressedCell_ = -1;
};

} // namespace xiangqi::win32
