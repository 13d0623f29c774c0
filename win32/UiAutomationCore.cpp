#include "UiAutomationCore.h"

#include "SystemFunction.h"

#include <oleauto.h>

namespace xiangqi::win32 {

namespace {
// UI Automation's NotificationKind_ActionCompleted and NotificationProcessing_ImportantAll:
// every announcement is told, none replaces another.
constexpr int kActionCompleted = 2;
constexpr int kImportantAll = 0;
constexpr wchar_t kLibrary[] = L"uiautomationcore.dll";
constexpr wchar_t kAnnouncementActivity[] = L"xiangqi.announcement";

using ReturnRawElementProvider = LRESULT WINAPI(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
using HostProviderFromHwnd = HRESULT WINAPI(HWND, IRawElementProviderSimple**);
using ClientsAreListening = BOOL WINAPI();
using RaiseAutomationEvent = HRESULT WINAPI(IRawElementProviderSimple*, EVENTID);
using RaisePropertyChangedEvent = HRESULT WINAPI(IRawElementProviderSimple*, PROPERTYID, VARIANT,
                                                 VARIANT);
using RaiseNotificationEvent = HRESULT WINAPI(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using DisconnectProvider = HRESULT WINAPI(IRawElementProviderSimple*);
using IncrementMtaUsage = HRESULT WINAPI(CO_MTA_USAGE_COOKIE*);

// UI Automation serves clients from a thread of the process's multithreaded apartment, which
// Wine 8 ends whenever the last client lets go of the last element; a client asking at that
// moment deadlocks the apartment's teardown and the window with it. Holding the apartment for
// the program's lifetime leaves nothing to tear down; Windows has no need of it, nor harm.
void holdMultithreadedApartment() {
    CO_MTA_USAGE_COOKIE cookie = nullptr;
    if (const auto hold = systemFunction<IncrementMtaUsage>(L"ole32.dll", "CoIncrementMTAUsage"))
        hold(&cookie);
}
} // namespace

template <typename Function> Function* UiAutomationCore::function(const char* name) const {
    return library_ ? systemFunction<Function>(kLibrary, name) : nullptr;
}

// From the system's folder only, never from one planted beside the program.
void UiAutomationCore::load() {
    if (library_)
        return;
    holdMultithreadedApartment();
    library_ = ::LoadLibraryExW(kLibrary, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

LRESULT UiAutomationCore::returnRawElementProvider(HWND window, WPARAM wParam, LPARAM lParam,
                                                   IRawElementProviderSimple* provider) {
    if (provider)
        load();
    const auto answer = function<ReturnRawElementProvider>("UiaReturnRawElementProvider");
    return answer ? answer(window, wParam, lParam, provider) : 0;
}

HRESULT UiAutomationCore::hostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider) {
    *provider = nullptr;
    const auto host = function<HostProviderFromHwnd>("UiaHostProviderFromHwnd");
    return host ? host(window, provider) : E_FAIL;
}

bool UiAutomationCore::clientsAreListening() {
    load();
    const auto listening = function<ClientsAreListening>("UiaClientsAreListening");
    return listening && listening();
}

void UiAutomationCore::raiseFocusChanged(IRawElementProviderSimple* element) {
    if (const auto raise = function<RaiseAutomationEvent>("UiaRaiseAutomationEvent"))
        raise(element, uia::kFocusChangedEventId);
}

void UiAutomationCore::raiseNameChanged(IRawElementProviderSimple* element,
                                        const std::wstring& oldName, const std::wstring& newName) {
    const auto raise =
        function<RaisePropertyChangedEvent>("UiaRaiseAutomationPropertyChangedEvent");
    if (!raise)
        return;
    VARIANT before = textValue(oldName);
    VARIANT after = textValue(newName);
    raise(element, UIA_NamePropertyId, before, after);
    ::VariantClear(&before);
    ::VariantClear(&after);
}

void UiAutomationCore::raiseNotification(IRawElementProviderSimple* element,
                                         const std::wstring& text) {
    const auto raise = function<RaiseNotificationEvent>("UiaRaiseNotificationEvent");
    if (!raise)
        return;
    const BSTR display = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    const BSTR activity = ::SysAllocString(kAnnouncementActivity);
    raise(element, kActionCompleted, kImportantAll, display, activity);
    ::SysFreeString(display);
    ::SysFreeString(activity);
}

void UiAutomationCore::disconnectProvider(IRawElementProviderSimple* element) {
    if (const auto disconnect = function<DisconnectProvider>("UiaDisconnectProvider"))
        disconnect(element);
}

} // namespace xiangqi::win32
