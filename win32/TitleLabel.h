#pragma once

#include "GdiObject.h"
#include "Window.h"

#include <string>
#include <vector>

namespace xiangqi::win32 {

// The title, whose text mixes Latin letters and Chinese characters: the letters are drawn in
// the label's font, the Chinese characters in a font of their own, on one baseline and from the
// label's top-left corner, as Windows draws a Tahoma label with Chinese in it through font
// linking. The program's own fonts are linked to nothing, so the label does it itself.
class TitleLabel : public Window {
public:
    void create(HWND parent, const std::wstring& text, COLORREF colour);
    // Moves the label to `place` and gives it its fonts, for the screen's resolution. It grows
    // to the right beyond its designed width where its text needs it.
    void place(design::Pixels place, GdiObject<HFONT> font, GdiObject<HFONT> chineseFont);

protected:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Run {
        std::wstring text;
        HFONT font;
    };
    std::vector<Run> runs() const;
    int baseline(HDC dc, const std::vector<Run>& all) const;
    int width(HDC dc, const std::vector<Run>& all) const;
    void paint(HDC dc) const override;

    std::wstring text_;
    GdiObject<HFONT> font_;
    GdiObject<HFONT> chineseFont_;
    COLORREF colour_ = 0;
};

} // namespace xiangqi::win32
