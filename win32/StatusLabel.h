#pragma once

#include "GdiObject.h"
#include "Window.h"

#include <string_view>

namespace xiangqi::win32 {

// The status text: one character above the other, each on a line as high as the font's size,
// as the designed label one character wide wraps it. Spaces take no line. The text is also the
// window's text, which tools that read windows see.
class StatusLabel : public Window {
public:
    void create(HWND parent, COLORREF colour);
    // The font, for the screen's resolution.
    void setFont(GdiObject<HFONT> font);
    void setText(std::string_view text);

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc) const override;

    GdiObject<HFONT> font_;
    COLORREF colour_ = 0;
};

} // namespace xiangqi::win32
