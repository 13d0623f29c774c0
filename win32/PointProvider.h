#pragma once

#include "ElementProvider.h"

#include <string>

namespace xiangqi::win32 {

class BoardPoints;
class BoardProvider;

// A board point as UI Automation clients see it: an item of the board named by what stands on
// it and where ("红 炮，第8行，第2列", "空位，第5行，第5列"), focused while the board has the
// keyboard focus and the cursor stands on it.
class PointProvider final : public ElementProvider<IRawElementProviderFragment> {
public:
    PointProvider(BoardProvider& root, int cell);

    // The name of point `cell` while it shows picture `bankIndex`.
    static std::wstring name(int bankIndex, int cell);
    // The board's window is going: the point is no longer available.
    void disconnect() { root_ = nullptr; }

    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

    HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction,
                                       IRawElementProviderFragment** element) override;
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override;
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* rect) override;
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** roots) override;
    HRESULT STDMETHODCALLTYPE SetFocus() override;
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override;

private:
    ~PointProvider() override = default;
    BoardPoints* board() const;

    // The board's element, which holds this one for as long as it lives.
    BoardProvider* root_;
    int cell_;
};

} // namespace xiangqi::win32
