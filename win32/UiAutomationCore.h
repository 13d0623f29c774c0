#pragma once

#include "UiAutomation.h"

namespace xiangqi::win32 {

// UI Automation's calls into the system's uiautomationcore.dll, which is loaded when first
// needed: when a client asks a window for its element, or the program whether a client listens.
// The functions are looked up by name, as Debian's MinGW-w64 has no import library for them and
// its header of them does not compile as C++; the notification, which Windows has from Windows
// 10 version 1709 on and Wine 8 lacks, is left out where missing.
class UiAutomationCore final : public UiAutomation {
public:
    UiAutomationCore() = default;
    UiAutomationCore(const UiAutomationCore&) = delete;
    UiAutomationCore& operator=(const UiAutomationCore&) = delete;

    LRESULT returnRawElementProvider(HWND window, WPARAM wParam, LPARAM lParam,
                                     IRawElementProviderSimple* provider) override;
    HRESULT hostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider) override;
    bool clientsAreListening() override;
    void raiseFocusChanged(IRawElementProviderSimple* element) override;
    void raiseNameChanged(IRawElementProviderSimple* element, const std::wstring& oldName,
                          const std::wstring& newName) override;
    void raiseNotification(IRawElementProviderSimple* element, const std::wstring& text) override;
    void disconnectProvider(IRawElementProviderSimple* element) override;

private:
    void load();
    // The function `name` of the library once it is loaded, of the type `Function`; none before
    // or where the system lacks it.
    template <typename Function> Function* function(const char* name) const;

    // Stays loaded while the program runs: clients may hold the elements to the end.
    HMODULE library_ = nullptr;
};

} // namespace xiangqi::win32
