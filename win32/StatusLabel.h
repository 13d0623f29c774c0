#pragma once

#include "GdiObject.h"
#include "StatusProvider.h"
#include "Window.h"
#include "WindowElement.h"

#include <string>
#include <string_view>

namespace xiangqi::win32 {

// The status text: one character above the other, each on a line as high as the font's size,
// as the designed label one character wide wraps it. Spaces take no line. The text is also the
// window's text, which tools that read windows see. Screen readers see the label through UI
// Automation as a status bar (StatusProvider), and hear from it what the game announces.
class StatusLabel : public Window {
public:
    explicit StatusLabel(UiAutomation& uia);

    void create(HWND parent, COLORREF colour);
    // The font, for the screen's resolution.
    void setFont(GdiObject<HFONT> font);
    void setText(std::string_view text);
    std::wstring text() const;
    // Has a screen reader tell `text`, where a client listens.
    void announce(const std::string& text);

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint(HDC dc) const override;

    UiAutomation& uia_;
    WindowElement<StatusLabel, StatusProvider> element_{*this, uia_};
    GdiObject<HFONT> font_;
    COLORREF colour_ = 0;
};

} // namespace xiangqi::win32
