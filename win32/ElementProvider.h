#pragma once

#include "ComObject.h"
#include "UiAutomation.h"

namespace xiangqi::win32 {

// The provider of an element of this program's windows, implementing IRawElementProviderSimple
// and `Others`: a provider of the program itself, called on its window's thread, with no control
// pattern.
template <typename... Others>
class ElementProvider : public ComObject<IRawElementProviderSimple, Others...> {
public:
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        *options = ProviderOptions_ServerSideProvider;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** provider) override {
        *provider = nullptr;
        return S_OK;
    }
};

} // namespace xiangqi::win32
