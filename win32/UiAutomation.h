#pragma once

#include <ole2.h>
#include <string>
#include <uiautomationclient.h>
#include <uiautomationcore.h>
#include <windows.h>

namespace xiangqi::win32 {

// The few identifiers of UI Automation this program uses that Debian's MinGW-w64 headers lack.
namespace uia {
constexpr LONG kRootObjectId = -25;
constexpr int kAppendRuntimeId = 3;
constexpr EVENTID kFocusChangedEventId = 20005;
constexpr CONTROLTYPEID kDataItemControlTypeId = 50029;
constexpr CONTROLTYPEID kGroupControlTypeId = 50026;
constexpr CONTROLTYPEID kStatusBarControlTypeId = 50017;
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);
} // namespace uia

// What the window needs of UI Automation, through which screen readers read Windows programs,
// beyond the providers of its elements (BoardProvider, PointProvider, StatusProvider): the
// calls into the system. UiAutomationCore makes them; tests pass a recording stand-in.
class UiAutomation {
public:
    virtual ~UiAutomation() = default;

    // The answer to WM_GETOBJECT: `provider` for the element of `window`, or with none, that
    // the window is going.
    virtual LRESULT returnRawElementProvider(HWND window, WPARAM wParam, LPARAM lParam,
                                             IRawElementProviderSimple* provider) = 0;
    // What the system itself tells of `window`, which the provider of the window's element
    // gives as its host.
    virtual HRESULT hostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider) = 0;
    // Whether a client, such as a screen reader, listens for events; without one, none is
    // raised and no text is made for one.
    virtual bool clientsAreListening() = 0;
    virtual void raiseFocusChanged(IRawElementProviderSimple* element) = 0;
    virtual void raiseNameChanged(IRawElementProviderSimple* element, const std::wstring& oldName,
                                  const std::wstring& newName) = 0;
    // Has a screen reader tell `text`, news of what has just happened around `element`.
    virtual void raiseNotification(IRawElementProviderSimple* element,
                                   const std::wstring& text) = 0;
    // Tells the clients that `element` is gone, as its window goes.
    virtual void disconnectProvider(IRawElementProviderSimple* element) = 0;
};

// The values of the elements' properties.
VARIANT textValue(const std::wstring& text);
VARIANT numberValue(int number);
VARIANT truthValue(bool truth);

} // namespace xiangqi::win32
