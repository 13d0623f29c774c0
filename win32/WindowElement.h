#pragma once

#include "UiAutomation.h"

#include <optional>
#include <wrl/client.h>

namespace xiangqi::win32 {

// The UI Automation element of a window `Owner` of this program, whose `Provider` is made of the
// owner when first needed, by a client or by the owner itself, and let go of as the window goes.
template <typename Owner, typename Provider> class WindowElement {
public:
    WindowElement(Owner& owner, UiAutomation& uia) : owner_(owner), uia_(uia) {}
    WindowElement(const WindowElement&) = delete;
    WindowElement& operator=(const WindowElement&) = delete;

    Provider* provider() {
        if (!provider_)
            provider_.Attach(new Provider(owner_, uia_));
        return provider_.Get();
    }
    // None while none is needed.
    Provider* madeProvider() const { return provider_.Get(); }

    // Answers WM_GETOBJECT when it asks for the element, whose object identifier is a 32-bit
    // number that 64-bit Windows does not extend by its sign; lets go of the element as the
    // window is destroyed. None for the messages left to the window.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == uia::kRootObjectId)
            return uia_.returnRawElementProvider(owner_.hwnd(), wParam, lParam, provider());
        if (message == WM_DESTROY)
            disconnect();
        return std::nullopt;
    }

private:
    // The clients still holding an element of the window are told that it is gone, and the
    // system lets go of the window's.
    void disconnect() {
        if (!provider_)
            return;
        provider_->disconnect();
        uia_.returnRawElementProvider(owner_.hwnd(), 0, 0, nullptr);
        provider_.Reset();
    }

    Owner& owner_;
    UiAutomation& uia_;
    Microsoft::WRL::ComPtr<Provider> provider_;
};

} // namespace xiangqi::win32
