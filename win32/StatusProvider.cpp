#include "StatusProvider.h"

#include "StatusLabel.h"

namespace xiangqi::win32 {

StatusProvider::StatusProvider(StatusLabel& label, UiAutomation& uia) : label_(&label), uia_(uia) {}

void StatusProvider::disconnect() {
    uia_.disconnectProvider(this);
    label_ = nullptr;
}

HRESULT StatusProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    ::VariantInit(value);
    if (!label_)
        return uia::kElementNotAvailable;
    if (property == UIA_ControlTypePropertyId)
        *value = numberValue(uia::kStatusBarControlTypeId);
    else if (property == UIA_NamePropertyId)
        *value = textValue(label_->text());
    return S_OK;
}

HRESULT StatusProvider::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    *host = nullptr;
    if (!label_)
        return uia::kElementNotAvailable;
    return uia_.hostProviderFromHwnd(label_->hwnd(), host);
}

} // namespace xiangqi::win32
