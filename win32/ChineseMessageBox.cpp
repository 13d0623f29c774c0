#include "ChineseMessageBox.h"

namespace xiangqi::win32 {

namespace {
thread_local HHOOK hook = nullptr;

// The system labels a message box's buttons in the language of the system, so on an English
// Windows a question of this Chinese program would be answered with "Yes" and "No". The box is
// caught as it is activated, before it shows, and its buttons renamed as the program's other
// buttons read, whatever the system's language.
LRESULT CALLBACK renameButtons(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        ::SetDlgItemTextW(box, IDOK, L"确定");
        ::SetDlgItemTextW(box, IDYES, L"是(&Y)");
        ::SetDlgItemTextW(box, IDNO, L"否(&N)");
        ::UnhookWindowsHookEx(hook);
        hook = nullptr;
        return 0;
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}
} // namespace

int ChineseMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                      UINT buttons) {
    hook = ::SetWindowsHookExW(WH_CBT, &renameButtons, nullptr, ::GetCurrentThreadId());
    const int answer = ::MessageBoxW(owner, text.c_str(), caption.c_str(), buttons);
    if (hook) {
        ::UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    return answer;
}

} // namespace xiangqi::win32
