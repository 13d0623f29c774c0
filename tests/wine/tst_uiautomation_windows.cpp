// What the Windows program hands to UI Automation for screen readers, run under Wine with a
// recording stand-in for the system's side, as Wine 8 passes no event to a client: the
// announcements of the game with their texts, the focus following the keyboard's cursor, the
// points' names after a move, the announcements that wait for the window, and the elements let
// go of as the window goes. Each case plays on a new window. Ends with the line "N passed, N
// failed".
#include "UiAutomation.h"
#include "Utf16.h"
#include "frmMain.h"

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using xiangqi::win32::frmMain;
using xiangqi::win32::UiAutomation;
using xiangqi::win32::utf8;
namespace uia = xiangqi::win32::uia;
using Texts = std::vector<std::wstring>;

std::wstring nameOf(IRawElementProviderSimple* element) {
    VARIANT name;
    ::VariantInit(&name);
    const HRESULT result = element->GetPropertyValue(UIA_NamePropertyId, &name);
    std::wstring text = result == uia::kElementNotAvailable ? L"<gone>"
                        : name.vt == VT_BSTR                ? name.bstrVal
                                                            : L"<no name>";
    ::VariantClear(&name);
    return text;
}

bool isStatusBar(IRawElementProviderSimple* element) {
    VARIANT type;
    ::VariantInit(&type);
    element->GetPropertyValue(UIA_ControlTypePropertyId, &type);
    return type.vt == VT_I4 && type.lVal == uia::kStatusBarControlTypeId;
}

// Records what the program raises, by the names of the elements it raises it for.
class RecordingUiAutomation : public UiAutomation {
public:
    bool listening = true;
    Texts notifications;
    Texts focused;
    Texts renamed;
    std::vector<IRawElementProviderSimple*> disconnected;
    int windowsGone = 0;
    bool notifiedByOther = false;

    LRESULT returnRawElementProvider(HWND, WPARAM, LPARAM,
                                     IRawElementProviderSimple* provider) override {
        windowsGone += provider ? 0 : 1;
        return 0;
    }
    HRESULT hostProviderFromHwnd(HWND, IRawElementProviderSimple** provider) override {
        *provider = nullptr;
        return E_FAIL;
    }
    bool clientsAreListening() override { return listening; }
    void raiseFocusChanged(IRawElementProviderSimple* element) override {
        focused.push_back(nameOf(element));
    }
    void raiseNameChanged(IRawElementProviderSimple* element, const std::wstring& oldName,
                          const std::wstring& newName) override {
        if (nameOf(element) != newName)
            renamed.push_back(L"<the element is not named as raised>");
        renamed.push_back(oldName + L" → " + newName);
    }
    void raiseNotification(IRawElementProviderSimple* element, const std::wstring& text) override {
        notifiedByOther = notifiedByOther || !isStatusBar(element);
        notifications.push_back(text);
    }
    void disconnectProvider(IRawElementProviderSimple* element) override {
        element->AddRef();
        disconnected.push_back(element);
    }
};

// The program's window, shown and active, with its board and status label.
class Window {
public:
    explicit Window(RecordingUiAutomation& uia) : window_(::GetModuleHandleW(nullptr), uia) {
        ::ShowWindow(window_.hwnd(), SW_SHOW);
        ::SetActiveWindow(window_.hwnd());
        const HWND frame = ::FindWindowExW(window_.hwnd(), nullptr, L"Button", L"棋盘");
        board_ = ::FindWindowExW(frame, nullptr, L"XiangqiBoardPoints", nullptr);
        handleWaitingMessages();
    }
    ~Window() {
        if (::IsWindow(window_.hwnd()))
            close();
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return window_.hwnd(); }
    void focusBoard() {
        ::SetFocus(board_);
        handleWaitingMessages();
    }
    // Presses the keys on the board, which has the focus, as they reach it.
    void press(std::initializer_list<WPARAM> keys) {
        for (const WPARAM key : keys) {
            ::SendMessageW(board_, WM_KEYDOWN, key, 1);
            ::SendMessageW(board_, WM_KEYUP, key, 0xC0000001);
        }
        handleWaitingMessages();
    }
    void close() {
        window_.end();
        handleWaitingMessages();
    }
    // Handles what the program has posted to itself, as its message loop would.
    static void handleWaitingMessages() {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            if (message.message != WM_QUIT)
                ::DispatchMessageW(&message);
    }

private:
    frmMain window_;
    HWND board_ = nullptr;
};

// The red cannon to the centre, by the keys from the king's point.
const std::initializer_list<WPARAM> kPickUpTheCannon = {VK_UP,   VK_UP,   VK_LEFT,
                                                        VK_LEFT, VK_LEFT, VK_SPACE};
const std::initializer_list<WPARAM> kPutItOnTheCentre = {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN};

std::wstring joined(const Texts& texts) {
    std::wstring all;
    for (const std::wstring& text : texts)
        all += (all.empty() ? L"" : L" | ") + text;
    return L"[" + all + L"]";
}

// Appends " `parts`;" to `problems`, in pieces: GCC 12 warns falsely of a string built with +.
void add(std::string& problems, std::initializer_list<std::string_view> parts) {
    problems.append(1, ' ');
    for (const std::string_view part : parts)
        problems.append(part);
    problems.append(1, ';');
}

void expect(std::string& problems, const char* what, const Texts& actual, const Texts& expected) {
    if (actual != expected)
        add(problems, {what, ": ", utf8(joined(actual)), ", not ", utf8(joined(expected))});
}

// S and Space pressed while another window, maybe of another program, is active, and what is
// heard once the window is active again.
std::string whileInactive(RecordingUiAutomation& uia, bool anotherProgram, const Texts& heard) {
    Window window(uia);
    window.focusBoard();
    const HWND other = ::CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50,
                                         50, nullptr, nullptr, nullptr, nullptr);
    ::SetActiveWindow(other);
    if (anotherProgram)
        ::SendMessageW(window.hwnd(), WM_ACTIVATEAPP, FALSE, 0);
    window.press({'S', VK_SPACE});
    std::string problems;
    expect(problems, "told while inactive", uia.notifications, {});
    ::SetActiveWindow(window.hwnd());
    Window::handleWaitingMessages();
    expect(problems, "told", uia.notifications, heard);
    ::DestroyWindow(other);
    return problems;
}

struct Case {
    const char* name;
    std::function<std::string(RecordingUiAutomation&)> run;
};

const std::vector<Case> kCases = {
    {"S on the board tells whose move it is, from the status bar",
     [](RecordingUiAutomation& uia) {
         Window window(uia);
         window.focusBoard();
         window.press({'S'});
         std::string problems;
         expect(problems, "told", uia.notifications, {L"轮到红方"});
         if (uia.notifiedByOther)
             add(problems, {"told by an element other than the status bar"});
         return problems;
     }},
    {"a move by keys is told as players write it; the focus follows the cursor, the names the "
     "move",
     [](RecordingUiAutomation& uia) {
         Window window(uia);
         window.focusBoard();
         window.press(kPickUpTheCannon);
         window.press(kPutItOnTheCentre);
         std::string problems;
         expect(problems, "told", uia.notifications,
                {L"拿起红 炮", L"红 炮八平五，从第8行第2列到第8行第5列。轮到黑方"});
         expect(problems, "focused", uia.focused,
                {L"红 帅，第10行，第5列", L"空位，第9行，第5列", L"空位，第8行，第5列",
                 L"空位，第8行，第4列", L"空位，第8行，第3列", L"红 炮，第8行，第2列",
                 L"空位，第8行，第3列", L"空位，第8行，第4列", L"空位，第8行，第5列"});
         expect(problems, "renamed", uia.renamed,
                {L"空位，第8行，第5列 → 红 炮，第8行，第5列",
                 L"红 炮，第8行，第2列 → 空位，第8行，第2列", L"红行 → 黑 行"});
         return problems;
     }},
    {"without a client listening nothing is raised",
     [](RecordingUiAutomation& uia) {
         uia.listening = false;
         Window window(uia);
         window.focusBoard();
         window.press({'S'});
         window.press(kPickUpTheCannon);
         window.press(kPutItOnTheCentre);
         std::string problems;
         expect(problems, "told", uia.notifications, {});
         expect(problems, "focused", uia.focused, {});
         expect(problems, "renamed", uia.renamed, {});
         return problems;
     }},
    {"announcements wait for the window and are told as one when it is active again",
     [](RecordingUiAutomation& uia) {
         return whileInactive(uia, false, {L"轮到红方。拿起红 帅"});
     }},
    {"after another program, only the last announcement is told",
     [](RecordingUiAutomation& uia) { return whileInactive(uia, true, {L"拿起红 帅"}); }},
    {"the elements are let go of as the window goes",
     [](RecordingUiAutomation& uia) {
         Window window(uia);
         window.focusBoard();
         window.press({'S'});
         window.close();
         std::string problems;
         if (uia.disconnected.size() != 92)
             add(problems, {std::to_string(uia.disconnected.size()),
                            " elements were disconnected, not the board, its 90 points and the "
                            "status bar"});
         for (IRawElementProviderSimple* element : uia.disconnected) {
             if (nameOf(element) != L"<gone>")
                 add(problems, {utf8(nameOf(element)), " is still there"});
             element->Release();
         }
         if (uia.windowsGone != 2)
             add(problems, {std::to_string(uia.windowsGone), " windows were let go of"});
         return problems;
     }},
};

} // namespace

int main() {
    int passed = 0;
    int failed = 0;
    for (const Case& test : kCases) {
        RecordingUiAutomation uia;
        const std::string problems = test.run(uia);
        std::printf("%s: %s%s\n", problems.empty() ? "PASS" : "FAIL", test.name, problems.c_str());
        ++(problems.empty() ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
