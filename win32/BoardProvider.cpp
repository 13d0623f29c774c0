#include "BoardProvider.h"

#include "BoardPoints.h"
#include "PointProvider.h"
#include "Utf16.h"
#include "WindowDesign.h"

namespace xiangqi::win32 {

BoardProvider::BoardProvider(BoardPoints& board, UiAutomation& uia) : board_(&board), uia_(uia) {
    for (int cell = 0; cell < BoardPoints::kPointCount; ++cell)
        points_[cell] = new PointProvider(*this, cell);
}

BoardProvider::~BoardProvider() {
    for (PointProvider* point : points_)
        point->Release();
}

void BoardProvider::disconnect() {
    for (PointProvider* point : points_) {
        uia_.disconnectProvider(point);
        point->disconnect();
    }
    uia_.disconnectProvider(this);
    board_ = nullptr;
}

HRESULT BoardProvider::give(IRawElementProviderFragment* fragment,
                            IRawElementProviderFragment** element) {
    if (fragment)
        fragment->AddRef();
    *element = fragment;
    return S_OK;
}

// The window itself tells the rest: its place, whether it has the focus.
HRESULT BoardProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    ::VariantInit(value);
    if (!board_)
        return uia::kElementNotAvailable;
    if (property == UIA_ControlTypePropertyId)
        *value = numberValue(uia::kGroupControlTypeId);
    else if (property == UIA_NamePropertyId)
        *value = textValue(utf16(design::frmMain::Frame1.text));
    return S_OK;
}

HRESULT BoardProvider::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    *host = nullptr;
    if (!board_)
        return uia::kElementNotAvailable;
    return uia_.hostProviderFromHwnd(board_->hwnd(), host);
}

// The board's parent and siblings are those of its window, which UI Automation knows.
HRESULT BoardProvider::Navigate(NavigateDirection direction,
                                IRawElementProviderFragment** element) {
    *element = nullptr;
    if (!board_)
        return uia::kElementNotAvailable;
    if (direction == NavigateDirection_FirstChild)
        return give(points_.front(), element);
    if (direction == NavigateDirection_LastChild)
        return give(points_.back(), element);
    return S_OK;
}

// The window's.
HRESULT BoardProvider::GetRuntimeId(SAFEARRAY** id) {
    *id = nullptr;
    return S_OK;
}

HRESULT BoardProvider::get_BoundingRectangle(UiaRect* rect) {
    *rect = {};
    return S_OK;
}

HRESULT BoardProvider::GetEmbeddedFragmentRoots(SAFEARRAY** roots) {
    *roots = nullptr;
    return S_OK;
}

HRESULT BoardProvider::SetFocus() {
    if (!board_)
        return uia::kElementNotAvailable;
    ::SetFocus(board_->hwnd());
    return S_OK;
}

HRESULT BoardProvider::get_FragmentRoot(IRawElementProviderFragmentRoot** root) {
    AddRef();
    *root = this;
    return S_OK;
}

HRESULT BoardProvider::ElementProviderFromPoint(double x, double y,
                                                IRawElementProviderFragment** element) {
    *element = nullptr;
    if (!board_)
        return uia::kElementNotAvailable;
    const int cell = board_->cellAtScreen({static_cast<LONG>(x), static_cast<LONG>(y)});
    return give(cell >= 0 ? points_[cell] : nullptr, element);
}

// The point under the cursor while the board has the focus.
HRESULT BoardProvider::GetFocus(IRawElementProviderFragment** element) {
    *element = nullptr;
    if (!board_)
        return uia::kElementNotAvailable;
    return give(board_->hasFocus() ? points_[board_->focusPoint()] : nullptr, element);
}

} // namespace xiangqi::win32
