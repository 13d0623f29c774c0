#pragma once

#include "ElementProvider.h"

namespace xiangqi::win32 {

class StatusLabel;

// The status label as UI Automation clients see it: a status bar named by its text, from which
// the game's announcements come.
class StatusProvider final : public ElementProvider<> {
public:
    StatusProvider(StatusLabel& label, UiAutomation& uia);

    // The label's window is going: its clients are told, and the element is no longer
    // available.
    void disconnect();

    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

private:
    ~StatusProvider() override = default;

    StatusLabel* label_;
    UiAutomation& uia_;
};

} // namespace xiangqi::win32
