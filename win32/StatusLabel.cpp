#include "StatusLabel.h"

#include "Utf16.h"

#include <cwctype>
#include <string>
#include <utility>

namespace xiangqi::win32 {

StatusLabel::StatusLabel(UiAutomation& uia) : uia_(uia) {}

void StatusLabel::create(HWND parent, COLORREF colour) {
    colour_ = colour;
    Window::create({L"XiangqiStatusLabel", ::GetSysColorBrush(COLOR_BTNFACE)},
                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, L"", {0, 0, 0, 0}, parent, nullptr);
}

void StatusLabel::setFont(GdiObject<HFONT> font) {
    font_ = std::move(font);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

// A client that has never asked for the label has not read its text.
void StatusLabel::setText(std::string_view text) {
    const std::wstring old = this->text();
    ::SetWindowTextW(hwnd(), utf16(text).c_str());
    ::InvalidateRect(hwnd(), nullptr, TRUE);
    if (element_.madeProvider() && uia_.clientsAreListening())
        uia_.raiseNameChanged(element_.madeProvider(), old, this->text());
}

std::wstring StatusLabel::text() const {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void StatusLabel::announce(const std::string& text) {
    if (uia_.clientsAreListening())
        uia_.raiseNotification(element_.provider(), utf16(text));
}

LRESULT StatusLabel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT)
        return paintInvalidPart();
    if (const std::optional<LRESULT> answer = element_.handle(message, wParam, lParam))
        return *answer;
    return Window::handle(message, wParam, lParam);
}

void StatusLabel::paint(HDC dc) const {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const std::wstring text = this->text();
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
