#include "StatusLabel.h"

#include "Utf16.h"

#include <cwctype>
#include <string>
#include <utility>

namespace xiangqi::win32 {

void StatusLabel::create(HWND parent, COLORREF colour) {
    colour_ = colour;
    Window::create({L"XiangqiStatusLabel", ::GetSysColorBrush(COLOR_BTNFACE)},
                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, L"", {0, 0, 0, 0}, parent, nullptr);
}

void StatusLabel::setFont(GdiObject<HFONT> font) {
    font_ = std::move(font);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void StatusLabel::setText(std::string_view text) {
    ::SetWindowTextW(hwnd(), utf16(text).c_str());
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT StatusLabel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_PAINT ? paintInvalidPart() : Window::handle(message, wParam, lParam);
}

void StatusLabel::paint(HDC dc) const {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()))));
    LOGFONTW font{};
    ::GetObjectW(font_.get(), sizeof font, &font);
    const int lineHeight = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    const HGDIOBJ old = ::SelectObject(dc, font_.get());
    ::SetTextColor(dc, colour_);
    ::SetBkMode(dc, TRANSPARENT);
    int top = 0;
    for (wchar_t character : text) {
        if (::iswspace(character))
            continue;
        RECT line{0, top, client.right, top + lineHeight};
        ::DrawTextW(dc, &character, 1, &line, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        top += lineHeight;
    }
    ::SelectObject(dc, old);
}

} // namespace xiangqi::win32
