#pragma once

#include "WindowDesign.h"

#include <windows.h>

namespace xiangqi::win32 {

// The rectangle of Windows with the edges of `pixels`.
RECT rectOf(design::Pixels pixels);
// Moves and sizes child window `window` to `place` in its parent's client area.
void moveTo(HWND window, design::Pixels place);
// Moves and sizes control `control` to its place in the design at `dpi`, and gives it `font`.
void layOut(HWND control, const design::Control& designed, int dpi, HFONT font);
// Sizes top-level window `window` so that its client area is `width` × `height`, whatever its
// frame and menu bar take, keeping its top-left corner.
void fitClientArea(HWND window, int width, int height);

// A window of one of this program's own window classes: its window procedure hands every
// message to the object that created the window.
class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    struct Class {
        const wchar_t* name;
        // A brush or a system colour + 1; none for a window that paints all its pixels.
        HBRUSH background = nullptr;
    };

    Window() = default;
    virtual ~Window();

    // Creates the window, registering its class first if needed. Messages reach handle() from
    // WM_NCCREATE on.
    void create(const Class& windowClass, DWORD style, DWORD extendedStyle, const wchar_t* text,
                design::Pixels place, HWND parent, HMENU menuOrId);
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Answers WM_PAINT by painting the invalid part of the window with paint().
    LRESULT paintInvalidPart() const;
    virtual void paint(HDC) const {}

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

} // namespace xiangqi::win32
