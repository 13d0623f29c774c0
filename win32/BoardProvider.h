#pragma once

#include "ElementProvider.h"

#include <array>

namespace xiangqi::win32 {

class BoardPoints;
class PointProvider;

// The board as UI Automation clients see it: a group, named as its frame, of the 90 points
// (PointProvider), row by row from the top left as the screen shows them. Made when first
// needed, it lives at least as long as the board's window.
class BoardProvider final
    : public ElementProvider<IRawElementProviderFragment, IRawElementProviderFragmentRoot> {
public:
    BoardProvider(BoardPoints& board, UiAutomation& uia);

    PointProvider* point(int cell) const { return points_.at(cell); }
    // None once the window has gone.
    BoardPoints* board() const { return board_; }
    // The board's window is going: its clients are told, and none of its elements is available
    // any more.
    void disconnect();

    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

    HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction,
                                       IRawElementProviderFragment** element) override;
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override;
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* rect) override;
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** roots) override;
    HRESULT STDMETHODCALLTYPE SetFocus() override;
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override;

    HRESULT STDMETHODCALLTYPE
    ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** element) override;
    HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment** element) override;

private:
    ~BoardProvider() override;
    // Gives `fragment` with a reference of its own to the client, or none.
    static HRESULT give(IRawElementProviderFragment* fragment,
                        IRawElementProviderFragment** element);

    BoardPoints* board_;
    UiAutomation& uia_;
    std::array<PointProvider*, 90> points_{};
};

} // namespace xiangqi::win32
