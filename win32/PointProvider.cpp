#include "PointProvider.h"

#include "Announcement.h"
#include "BoardPoints.h"
#include "BoardProvider.h"
#include "Utf16.h"

#include <cstdint>
#include <oleauto.h>

namespace xiangqi::win32 {

PointProvider::PointProvider(BoardProvider& root, int cell) : root_(&root), cell_(cell) {}

// A piece's picture has the piece's code as its bank index; the bare-board drawings have other
// numbers, some of them above 50, that are no piece codes.
std::wstring PointProvider::name(int bankIndex, int cell) {
    const auto code =
        static_cast<std::uint8_t>(bankIndex >= 0 && bankIndex <= UINT8_MAX ? bankIndex : 0);
    return utf16(announcement::pointName(code, cell));
}

BoardPoints* PointProvider::board() const {
    return root_ ? root_->board() : nullptr;
}

HRESULT PointProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    ::VariantInit(value);
    const BoardPoints* points = board();
    if (!points)
        return uia::kElementNotAvailable;
    switch (property) {
    case UIA_ControlTypePropertyId:
        *value = numberValue(uia::kDataItemControlTypeId);
        break;
    case UIA_NamePropertyId:
        *value = textValue(name(points->picture(cell_), cell_));
        break;
    case UIA_IsKeyboardFocusablePropertyId:
        *value = truthValue(true);
        break;
    case UIA_HasKeyboardFocusPropertyId:
        *value = truthValue(points->hasFocus() && points->focusPoint() == cell_);
        break;
    default:
        break;
    }
    return S_OK;
}

// A point is no window of its own.
HRESULT PointProvider::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    *host = nullptr;
    return S_OK;
}

HRESULT PointProvider::Navigate(NavigateDirection direction,
                                IRawElementProviderFragment** element) {
    *element = nullptr;
    if (!board())
        return uia::kElementNotAvailable;
    IRawElementProviderFragment* found = nullptr;
    switch (direction) {
    case NavigateDirection_Parent:
        found = root_;
        break;
    case NavigateDirection_NextSibling:
        if (cell_ + 1 < BoardPoints::kPointCount)
            found = root_->point(cell_ + 1);
        break;
    case NavigateDirection_PreviousSibling:
        if (cell_ > 0)
            found = root_->point(cell_ - 1);
        break;
    default:
        break;
    }
    if (found) {
        found->AddRef();
        *element = found;
    }
    return S_OK;
}

// Unique within the board's window, whose own identifier UI Automation puts before it.
HRESULT PointProvider::GetRuntimeId(SAFEARRAY** id) {
    *id = ::SafeArrayCreateVector(VT_I4, 0, 2);
    if (!*id)
        return E_OUTOFMEMORY;
    int parts[] = {uia::kAppendRuntimeId, cell_};
    for (LONG index = 0; index < 2; ++index)
        ::SafeArrayPutElement(*id, &index, &parts[index]);
    return S_OK;
}

HRESULT PointProvider::get_BoundingRectangle(UiaRect* rect) {
    *rect = {};
    const BoardPoints* points = board();
    if (!points)
        return uia::kElementNotAvailable;
    const RECT place = points->screenRect(cell_);
    *rect = {static_cast<double>(place.left), static_cast<double>(place.top),
             static_cast<double>(place.right - place.left),
             static_cast<double>(place.bottom - place.top)};
    return S_OK;
}

HRESULT PointProvider::GetEmbeddedFragmentRoots(SAFEARRAY** roots) {
    *roots = nullptr;
    return S_OK;
}

// A client moving the focus to a point moves the board's cursor there.
HRESULT PointProvider::SetFocus() {
    BoardPoints* points = board();
    if (!points)
        return uia::kElementNotAvailable;
    points->setFocusPoint(cell_);
    ::SetFocus(points->hwnd());
    return S_OK;
}

HRESULT PointProvider::get_FragmentRoot(IRawElementProviderFragmentRoot** root) {
    *root = nullptr;
    if (!board())
        return uia::kElementNotAvailable;
    root_->AddRef();
    *root = root_;
    return S_OK;
}

} // namespace xiangqi::win32
