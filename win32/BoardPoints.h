#pragma once

#include "BoardProvider.h"
#include "PointGeometry.h"
#include "Window.h"
#include "WindowElement.h"

#include <array>
#include <functional>

namespace xiangqi::win32 {

class PictureBank;

// The 90 board points, drawn by one window as the Qt window draws them (design::PointGeometry)
// in the pixels of the bank's scale: each point is a cell one pitch plus a line wide that shows
// its picture at the picture's own size from its top-left corner, optionally framed by a line
// in the window text colour. The pixels between the pictures show the system's face colour. A
// click on a point (the left button pressed and released on it) reports its cell index. From
// the keyboard, the arrow keys move a cursor from point to point and Space or Return clicks the
// point under it; the cursor shows while the board has the keyboard focus, which Tab gives it
// and the mouse does not, and S asks for the status. Screen readers see the board through UI
// Automation as a group of the points (BoardProvider) and are told of every change.
class BoardPoints : public Window {
public:
    static constexpr int kRows = design::PointGeometry::kRows;
    static constexpr int kCols = design::PointGeometry::kCols;
    static constexpr int kPointCount = kRows * kCols;

    BoardPoints(const PictureBank& bank, UiAutomation& uia, std::function<void(int)> clicked,
                std::function<void()> statusAsked);

    // A child of `parent`, placed by place().
    void create(HWND parent);
    // Centres the board in `area` at the bank's scale: the area the design gives it at the
    // screen's resolution, which it fills at every scale drawn ahead.
    void place(design::Pixels area);
    void setPicture(int cell, int bankIndex);
    void setFramed(int cell, bool framed);
    int picture(int cell) const { return pictures_.at(cell); }
    // The point under the keyboard's cursor.
    int focusPoint() const { return focusPoint_; }
    // Puts the keyboard's cursor on point `cell`.
    void setFocusPoint(int cell);
    bool hasFocus() const;
    // The screen's rectangle of point `cell`, and the point at a place of the screen, or -1.
    RECT screenRect(int cell) const;
    int cellAtScreen(POINT place) const;

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT cellRect(int cell) const;
    void invalidateCell(int cell) const;
    void paint(HDC dc) const override;
    void drawCursor(HDC dc) const;
    LRESULT dialogCode(const MSG* message) const;
    bool keyDown(WPARAM key, LPARAM flags);
    void moveFocusPoint(int rowStep, int colStep);
    void tellFocusPoint();

    const PictureBank& bank_;
    UiAutomation& uia_;
    WindowElement<BoardPoints, BoardProvider> element_{*this, uia_};
    std::function<void(int)> clicked_;
    std::function<void()> statusAsked_;
    std::array<int, kPointCount> pictures_{};
    std::array<bool, kPointCount> framed_{};
    int pressedCell_ = -1;
    int focusPoint_ = 0;
};

} // namespace xiangqi::win32
