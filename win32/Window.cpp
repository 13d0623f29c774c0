#include "Window.h"

namespace xiangqi::win32 {

RECT rectOf(design::Pixels pixels) {
    return {pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

void moveTo(HWND window, design::Pixels place) {
    ::SetWindowPos(window, nullptr, place.left, place.top, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void layOut(HWND control, const design::Control& designed, int dpi, HFONT font) {
    moveTo(control, design::toPixels(designed.place, dpi));
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// Measured rather than computed from the system's metrics: the menu bar may take two lines.
void fitClientArea(HWND window, int width, int height) {
    RECT client;
    RECT frame;
    ::GetClientRect(window, &client);
    ::GetWindowRect(window, &frame);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                   frame.bottom - frame.top + height - client.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Window::~Window() {
    if (hwnd_)
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
}

void Window::create(const Class& windowClass, DWORD style, DWORD extendedStyle, const wchar_t* text,
                    design::Pixels place, HWND parent, HMENU menuOrId) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW registration{};
    if (!::GetClassInfoExW(instance, windowClass.name, &registration)) {
        registration.cbSize = sizeof registration;
        registration.lpfnWndProc = &Window::procedure;
        registration.hInstance = instance;
        registration.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        registration.hbrBackground = windowClass.background;
        registration.lpszClassName = windowClass.name;
        ::RegisterClassExW(&registration);
    }
    ::CreateWindowExW(extendedStyle, windowClass.name, text, style, place.left, place.top,
                      place.width, place.height, parent, menuOrId, instance, this);
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::paintInvalidPart() const {
    PAINTSTRUCT paintStruct;
    const HDC dc = ::BeginPaint(hwnd_, &paintStruct);
    paint(dc);
    ::EndPaint(hwnd_, &paintStruct);
    return 0;
}

// The object comes with WM_NCCREATE; the few messages before it (WM_GETMINMAXINFO) and those
// after the object is gone get the default handling.
LRESULT CALLBACK Window::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        const LRESULT result = window->handle(message, wParam, lParam);
        window->hwnd_ = nullptr;
        return result;
    }
    return window->handle(message, wParam, lParam);
}

} // namespace xiangqi::win32
