// Reads the windows of another program from outside, as a spy tool does, for the tests that run
// the Windows program under Wine. Each command prints what it reads, in UTF-8, and exits 1 when
// it cannot:
//   probe wait-window TITLE [CLASS]  waits (a minute at most) for a visible top-level window
//                                    of that title (and class); prints its handle
//   probe wait-gone HANDLE           waits (a minute at most) until the window is gone
//   probe window HANDLE              prints, as shell assignments, its title, the screen
//                                    position and size of its client area, its frame, and
//                                    its whole place on the screen as an ImageMagick geometry
//   probe controls HANDLE            prints its child windows, one a line, in the order of the
//                                    Tab key: class, enabled or disabled, screen left, top,
//                                    width, height, text; separated by tabs
//   probe wait-focus HANDLE TEXT     waits (a minute at most) until the keyboard focus of the
//                                    window's thread is on a window of that text
//   probe elements HANDLE CLASS      prints what UI Automation clients read of the window of
//                                    class CLASS inside window HANDLE: its element, then each
//                                    of the element's children, one a line: control type,
//                                    "focused" or "-", name; separated by tabs
//   probe render-text FONT FACE PIXELS CHARSET RRGGBB TEXT BMP
//                                    draws TEXT in the font FACE of the font file FONT, PIXELS
//                                    high, on the system's face colour, into the 24-bit BMP file
//   probe system-colour INDEX        prints the system colour of that COLOR_ index as RRGGBB
//   probe program HANDLE             prints the path of the program the window belongs to
//   probe dpi-changed HANDLE DPI     tells the window, as Windows does when it has moved to a
//                                    monitor of DPI dots per inch, with WM_GETDPISCALEDSIZE and
//                                    WM_DPICHANGED, suggesting the size it asked for
//   probe dpi-awareness PROGRAM      prints, as shell assignments, the DPI awareness that the
//                                    manifest of PROGRAM declares, as Windows reads it
#include <cstdio>
#include <cwchar>
#include <ole2.h>
#include <oleauto.h>
#include <string>
#include <uiautomationclient.h>
#include <uiautomationcore.h>
#include <vector>
#include <windows.h>

namespace {

constexpr DWORD kPatienceMs = 60000;
constexpr DWORD kPollMs = 50;

std::string utf8(const std::wstring& text) {
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), length, nullptr, nullptr);
    bytes.pop_back();
    return bytes;
}

void print(const std::wstring& line) {
    const std::string bytes = utf8(line + L"\n");
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
                &written, nullptr);
}

int fail(const std::wstring& why) {
    const std::string bytes = utf8(L"probe: " + why + L"\n");
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
                &written, nullptr);
    return 1;
}

// Asked of the window itself, since an edit field keeps its text where no other program reads
// it.
std::wstring textOf(HWND window) {
    constexpr UINT kAnswerMs = 5000;
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs,
                               &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, kAnswerMs, &copied);
    text.resize(copied);
    return text;
}

std::wstring classOf(HWND window) {
    wchar_t name[256] = L"";
    ::GetClassNameW(window, name, 256);
    return name;
}

HWND handleOf(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(text, nullptr, 0)));
}

// Calls `found` until it gives a window or the patience runs out.
template <typename Find> HWND waitFor(Find found) {
    for (DWORD waited = 0; waited < kPatienceMs; waited += kPollMs) {
        if (const HWND window = found())
            return window;
        ::Sleep(kPollMs);
    }
    return nullptr;
}

struct Search {
    const wchar_t* title;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK matchTitle(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    if (::IsWindowVisible(window) && textOf(window) == search->title &&
        (!search->windowClass || classOf(window) == search->windowClass)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

int waitWindow(const wchar_t* title, const wchar_t* windowClass) {
    const HWND window = waitFor([title, windowClass] {
        Search search{title, windowClass, nullptr};
        ::EnumWindows(&matchTitle, reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
    if (!window)
        return fail(std::wstring(L"no window ") + title);
    print(std::to_wstring(reinterpret_cast<INT_PTR>(window)));
    return 0;
}

int waitGone(HWND window) {
    const HWND gone = waitFor([window] {
        return !::IsWindow(window) || !::IsWindowVisible(window) ? HWND_BOTTOM : nullptr;
    });
    return gone ? 0 : fail(L"the window stays");
}

std::wstring quoted(std::wstring text) {
    for (std::size_t at = text.find(L'\''); at != std::wstring::npos; at = text.find(L'\'', at + 4))
        text.replace(at, 1, L"'\\''");
    return L"'" + text + L"'";
}

int describeWindow(HWND window) {
    if (!::IsWindow(window))
        return fail(L"no such window");
    RECT client;
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    std::wstring frame;
    for (const auto& [flag, word] : {std::pair{WS_CAPTION, L"caption"},
                                     {WS_SYSMENU, L"sysmenu"},
                                     {WS_MINIMIZEBOX, L"minimizebox"},
                                     {WS_MAXIMIZEBOX, L"maximizebox"},
                                     {WS_THICKFRAME, L"thickframe"}})
        if ((style & flag) == static_cast<DWORD>(flag))
            frame += frame.empty() ? word : std::wstring(L" ") + word;
    print(L"title=" + quoted(textOf(window)));
    print(L"client_x=" + std::to_wstring(origin.x) + L" client_y=" + std::to_wstring(origin.y));
    print(L"client_width=" + std::to_wstring(client.right) + L" client_height=" +
          std::to_wstring(client.bottom));
    print(L"frame=" + quoted(frame));
    RECT outline;
    ::GetWindowRect(window, &outline);
    print(L"window_geometry=" + std::to_wstring(outline.right - outline.left) + L"x" +
          std::to_wstring(outline.bottom - outline.top) + L"+" + std::to_wstring(outline.left) +
          L"+" + std::to_wstring(outline.top));
    return 0;
}

BOOL CALLBACK describeControl(HWND control, LPARAM) {
    RECT place;
    ::GetWindowRect(control, &place);
    print(classOf(control) + L"\t" + (::IsWindowEnabled(control) ? L"enabled" : L"disabled") +
          L"\t" + std::to_wstring(place.left) + L"\t" + std::to_wstring(place.top) + L"\t" +
          std::to_wstring(place.right - place.left) + L"\t" +
          std::to_wstring(place.bottom - place.top) + L"\t" + textOf(control));
    return TRUE;
}

int describeControls(HWND window) {
    if (!::IsWindow(window))
        return fail(L"no such window");
    ::EnumChildWindows(window, &describeControl, 0);
    return 0;
}

std::wstring focusText(HWND window) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread) ||
        !thread.hwndFocus)
        return {};
    return textOf(thread.hwndFocus);
}

int waitFocus(HWND window, const wchar_t* text) {
    if (waitFor([window, text] { return focusText(window) == text ? window : nullptr; }))
        return 0;
    return fail(std::wstring(L"the focus is on '") + focusText(window) + L"', not on '" + text +
                L"'");
}

// UI Automation's client calls on nodes, which Wine 8 implements where it lacks the COM client
// (CUIAutomation); looked up by name, as Debian's MinGW-w64 neither declares them in C++ nor has
// their import library.
DECLARE_HANDLE(HUIANODE);
struct UiaCondition {
    int conditionType; // ConditionType_True is 0
};
struct UiaCacheRequest {
    UiaCondition* viewCondition;
    int scope; // TreeScope_Element is 1
    PROPERTYID* properties;
    int propertyCount;
    PATTERNID* patterns;
    int patternCount;
    int elementMode;
};

class UiaClient {
public:
    // The nodes of another program's elements come through COM.
    UiaClient() : library_(::LoadLibraryW(L"uiautomationcore.dll")) {
        ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    }

    HUIANODE nodeFromHandle(HWND window) const {
        HUIANODE node = nullptr;
        const auto fromHandle = function<HRESULT(WINAPI*)(HWND, HUIANODE*)>("UiaNodeFromHandle");
        return fromHandle && SUCCEEDED(fromHandle(window, &node)) ? node : nullptr;
    }

    // The node next to `node` in `direction`, which `node` is released for; none at the end.
    HUIANODE navigate(HUIANODE node, NavigateDirection direction) const {
        UiaCondition all{0};
        UiaCacheRequest request{&all, 1, nullptr, 0, nullptr, 0, 0};
        SAFEARRAY* found = nullptr;
        BSTR structure = nullptr;
        const auto navigate =
            function<HRESULT(WINAPI*)(HUIANODE, NavigateDirection, UiaCondition*, UiaCacheRequest*,
                                      SAFEARRAY**, BSTR*)>("UiaNavigate");
        const auto fromVariant =
            function<HRESULT(WINAPI*)(VARIANT*, HUIANODE*)>("UiaHUiaNodeFromVariant");
        HUIANODE next = nullptr;
        if (navigate(node, direction, &all, &request, &found, &structure) == S_OK && found) {
            LONG first[] = {0, 0};
            VARIANT value;
            ::VariantInit(&value);
            if (SUCCEEDED(::SafeArrayGetElement(found, first, &value)))
                fromVariant(&value, &next);
            ::SafeArrayDestroy(found);
        }
        ::SysFreeString(structure);
        release(node);
        return next;
    }

    void release(HUIANODE node) const {
        if (const auto free = function<BOOL(WINAPI*)(HUIANODE)>("UiaNodeRelease"))
            free(node);
    }

    // Control type, focused or not, name.
    std::wstring describe(HUIANODE node) const {
        VARIANT type = property(node, UIA_ControlTypePropertyId);
        VARIANT focused = property(node, UIA_HasKeyboardFocusPropertyId);
        VARIANT name = property(node, UIA_NamePropertyId);
        std::wstring line = std::to_wstring(type.vt == VT_I4 ? type.lVal : 0) + L"\t" +
                            (focused.vt == VT_BOOL && focused.boolVal ? L"focused" : L"-") + L"\t" +
                            (name.vt == VT_BSTR ? name.bstrVal : L"");
        for (VARIANT* value : {&type, &focused, &name})
            ::VariantClear(value);
        return line;
    }

private:
    template <typename Function> Function function(const char* name) const {
        return reinterpret_cast<Function>(
            reinterpret_cast<void*>(::GetProcAddress(library_, name)));
    }

    VARIANT property(HUIANODE node, PROPERTYID id) const {
        VARIANT value;
        ::VariantInit(&value);
        function<HRESULT(WINAPI*)(HUIANODE, PROPERTYID, VARIANT*)>("UiaGetPropertyValue")(node, id,
                                                                                          &value);
        return value;
    }

    HMODULE library_;
};

struct ClassSearch {
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK matchClass(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ClassSearch*>(lParam);
    if (classOf(window) != search->windowClass)
        return TRUE;
    search->found = window;
    return FALSE;
}

int describeElements(HWND window, const wchar_t* windowClass) {
    ClassSearch search{windowClass, nullptr};
    ::EnumChildWindows(window, &matchClass, reinterpret_cast<LPARAM>(&search));
    const UiaClient client;
    const HUIANODE element = search.found ? client.nodeFromHandle(search.found) : nullptr;
    if (!element)
        return fail(std::wstring(L"no element of a window ") + windowClass);
    print(client.describe(element));
    HUIANODE child = client.navigate(element, NavigateDirection_FirstChild);
    while (child) {
        print(client.describe(child));
        child = client.navigate(child, NavigateDirection_NextSibling);
    }
    return 0;
}

bool writeBmp(const wchar_t* path, HDC dc, HBITMAP bitmap, int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<std::size_t>(stride * height));
    ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* file = ::_wfopen(path, L"wb");
    if (!file)
        return false;
    const bool written = std::fwrite(&header, sizeof header, 1, file) == 1 &&
                         std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
                         std::fwrite(pixels.data(), pixels.size(), 1, file) == 1;
    return std::fclose(file) == 0 && written;
}

int renderText(wchar_t** arguments) {
    const wchar_t* fontFile = arguments[0];
    if (::AddFontResourceExW(fontFile, FR_PRIVATE, nullptr) == 0)
        return fail(std::wstring(L"cannot load ") + fontFile);
    LOGFONTW wanted{};
    wanted.lfHeight = -std::wcstol(arguments[2], nullptr, 10);
    wanted.lfWeight = FW_NORMAL;
    wanted.lfCharSet = static_cast<BYTE>(std::wcstol(arguments[3], nullptr, 10));
    wanted.lfOutPrecision = OUT_TT_PRECIS;
    std::wcsncpy(wanted.lfFaceName, arguments[1], LF_FACESIZE - 1);
    const auto colour = static_cast<COLORREF>(std::wcstoul(arguments[4], nullptr, 16));
    const std::wstring text = arguments[5];

    const HDC screen = ::GetDC(nullptr);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HFONT font = ::CreateFontIndirectW(&wanted);
    ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
    ::SelectObject(dc, bitmap);
    RECT all{0, 0, size.cx, size.cy};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetTextColor(dc, RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)));
    ::SetBkMode(dc, TRANSPARENT);
    ::TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    const bool written = writeBmp(arguments[6], dc, bitmap, size.cx, size.cy);
    ::ReleaseDC(nullptr, screen);
    return written ? 0 : fail(std::wstring(L"cannot write ") + arguments[6]);
}

int printSystemColour(const wchar_t* index) {
    const COLORREF colour = ::GetSysColor(static_cast<int>(std::wcstol(index, nullptr, 10)));
    wchar_t text[8];
    std::swprintf(text, 8, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    print(text);
    return 0;
}

int printProgram(HWND window) {
    DWORD id = 0;
    ::GetWindowThreadProcessId(window, &id);
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    std::wstring path(32768, L'\0');
    auto size = static_cast<DWORD>(path.size());
    const bool found = process && ::QueryFullProcessImageNameW(process, 0, path.data(), &size);
    if (process)
        ::CloseHandle(process);
    if (!found)
        return fail(L"cannot tell the window's program");
    path.resize(size);
    print(path);
    return 0;
}

// A value of type T in the memory of the process of `window`, where that window's procedure can
// read and write it: a pointer sent with a message is not carried to another process.
template <typename T> class RemoteValue {
public:
    RemoteValue(HWND window, const T& value) {
        DWORD id = 0;
        ::GetWindowThreadProcessId(window, &id);
        process_ =
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        address_ = process_ ? ::VirtualAllocEx(process_, nullptr, sizeof value,
                                               MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                            : nullptr;
        if (address_)
            ::WriteProcessMemory(process_, address_, &value, sizeof value, nullptr);
    }
    ~RemoteValue() {
        if (address_)
            ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            ::CloseHandle(process_);
    }
    RemoteValue(const RemoteValue&) = delete;
    RemoteValue& operator=(const RemoteValue&) = delete;

    LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
    T value() const {
        T value{};
        ::ReadProcessMemory(process_, address_, &value, sizeof value, nullptr);
        return value;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// Without an answer to WM_GETDPISCALEDSIZE, Windows scales the whole window.
int dpiChanged(HWND window, int dpi) {
    if (!::IsWindow(window))
        return fail(L"no such window");
    RECT frame;
    ::GetWindowRect(window, &frame);
    const int oldDpi = static_cast<int>(::GetDpiForWindow(window));
    const RemoteValue<SIZE> size(window, SIZE{::MulDiv(frame.right - frame.left, dpi, oldDpi),
                                              ::MulDiv(frame.bottom - frame.top, dpi, oldDpi)});
    ::SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi), size.address());
    const SIZE suggested = size.value();
    const RemoteValue<RECT> place(
        window, RECT{frame.left, frame.top, frame.left + suggested.cx, frame.top + suggested.cy});
    if (!place.address())
        return fail(L"cannot reach the window's memory");
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), place.address());
    return 0;
}

std::wstring manifestSetting(HANDLE context, const wchar_t* space, const wchar_t* name) {
    wchar_t value[256] = L"";
    SIZE_T written = 0;
    if (!::QueryActCtxSettingsW(0, context, space, name, value, 256, &written))
        return {};
    return value;
}

int dpiAwareness(const wchar_t* program) {
    ACTCTXW manifest{};
    manifest.cbSize = sizeof manifest;
    manifest.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    manifest.lpSource = program;
    manifest.lpResourceName = MAKEINTRESOURCEW(1);
    const HANDLE context = ::CreateActCtxW(&manifest);
    if (context == INVALID_HANDLE_VALUE)
        return fail(std::wstring(L"no manifest in ") + program);
    print(L"dpi_aware=" +
          quoted(manifestSetting(context, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings",
                                 L"dpiAware")));
    print(L"dpi_awareness=" +
          quoted(manifestSetting(context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings",
                                 L"dpiAwareness")));
    ::ReleaseActCtx(context);
    return 0;
}

} // namespace

int wmain(int count, wchar_t** arguments) {
    const std::wstring command = count > 1 ? arguments[1] : L"";
    if (command == L"wait-window" && (count == 3 || count == 4))
        return waitWindow(arguments[2], count == 4 ? arguments[3] : nullptr);
    if (command == L"wait-gone" && count == 3)
        return waitGone(handleOf(arguments[2]));
    if (command == L"window" && count == 3)
        return describeWindow(handleOf(arguments[2]));
    if (command == L"controls" && count == 3)
        return describeControls(handleOf(arguments[2]));
    if (command == L"wait-focus" && count == 4)
        return waitFocus(handleOf(arguments[2]), arguments[3]);
    if (command == L"elements" && count == 4)
        return describeElements(handleOf(arguments[2]), arguments[3]);
    if (command == L"render-text" && count == 9)
        return renderText(arguments + 2);
    if (command == L"system-colour" && count == 3)
        return printSystemColour(arguments[2]);
    if (command == L"program" && count == 3)
        return printProgram(handleOf(arguments[2]));
    if (command == L"dpi-changed" && count == 4)
        return dpiChanged(handleOf(arguments[2]), std::wcstol(arguments[3], nullptr, 10));
    if (command == L"dpi-awareness" && count == 3)
        return dpiAwareness(arguments[2]);
    return fail(L"unknown command; see the top of tests/wine/probe.cpp");
}
