#pragma once

#include <unknwn.h>
#include <windows.h>

namespace xiangqi::win32 {

// The reference count and QueryInterface of a COM object that implements `Interfaces`, each an
// interface derived from IUnknown; the object deletes itself with its last reference. It starts
// with one reference, its creator's.
template <typename First, typename... Others> class ComObject : public First, public Others... {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&references_); }

    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        const bool found = id == __uuidof(IUnknown)
                               ? offer<First>(object)
                               : ((id == __uuidof(First) && offer<First>(object)) || ... ||
                                  (id == __uuidof(Others) && offer<Others>(object)));
        if (!found)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    template <typename Interface> bool offer(void** object) {
        *object = static_cast<Interface*>(this);
        return true;
    }

    LONG references_ = 1;
};

} // namespace xiangqi::win32
