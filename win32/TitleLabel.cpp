#include "TitleLabel.h"

#include <algorithm>

namespace xiangqi::win32 {

namespace {
// The Han ideographs: the CJK unified ideographs with extension A, and the compatibility ones.
bool isChinese(wchar_t character) {
    return (character >= 0x3400 && character <= 0x9FFF) ||
           (character >= 0xF900 && character <= 0xFAFF);
}

SIZE extentOf(HDC dc, HFONT font, const std::wstring& text) {
    const HGDIOBJ old = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, old);
    return extent;
}

int ascentOf(HDC dc, HFONT font) {
    const HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    return metrics.tmAscent;
}
} // namespace

void TitleLabel::create(HWND parent, const std::wstring& text, COLORREF colour) {
    text_ = text;
    colour_ = colour;
    Window::create({L"XiangqiTitleLabel", ::GetSysColorBrush(COLOR_BTNFACE)},
                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, text.c_str(), {0, 0, 0, 0}, parent,
                   nullptr);
}

void TitleLabel::place(design::Pixels place, GdiObject<HFONT> font, GdiObject<HFONT> chineseFont) {
    font_ = std::move(font);
    chineseFont_ = std::move(chineseFont);
    const HDC screen = ::GetDC(nullptr);
    place.width = std::max(place.width, width(screen, runs()));
    ::ReleaseDC(nullptr, screen);
    moveTo(hwnd(), place);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT TitleLabel::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_PAINT ? paintInvalidPart() : Window::handle(message, wParam, lParam);
}

// The text cut where it changes between Chinese characters and the rest.
std::vector<TitleLabel::Run> TitleLabel::runs() const {
    std::vector<Run> all;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= text_.size(); ++i) {
        const bool chinese = isChinese(text_[start]);
        if (i == text_.size() || isChinese(text_[i]) != chinese) {
            all.push_back(
                {text_.substr(start, i - start), chinese ? chineseFont_.get() : font_.get()});
            start = i;
        }
    }
    return all;
}

// All runs stand on one baseline, below the highest ascent of their fonts.
int TitleLabel::baseline(HDC dc, const std::vector<Run>& all) const {
    int ascent = ascentOf(dc, font_.get());
    for (const Run& run : all)
        ascent = std::max(ascent, ascentOf(dc, run.font));
    return ascent;
}

int TitleLabel::width(HDC dc, const std::vector<Run>& all) const {
    int total = 0;
    for (const Run& run : all)
        total += extentOf(dc, run.font, run.text).cx;
    return total;
}

void TitleLabel::paint(HDC dc) const {
    const std::vector<Run> all = runs();
    ::SetTextColor(dc, colour_);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    int left = 0;
    const int top = baseline(dc, all);
    for (const Run& run : all) {
        const HGDIOBJ old = ::SelectObject(dc, run.font);
        ::TextOutW(dc, left, top, run.text.c_str(), static_cast<int>(run.text.size()));
        ::SelectObject(dc, old);
        left += extentOf(dc, run.font, run.text).cx;
    }
}

} // namespace xiangqi::win32
