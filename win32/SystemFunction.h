#pragma once

#include <windows.h>

namespace xiangqi::win32 {

// A function of a loaded system library, looked up when the program runs rather than bound when
// it loads: one that older systems lack, so that the program still starts there, or one that
// MinGW's import libraries lack. Null where the library or the function is missing.
template <typename Function> Function* systemFunction(const wchar_t* library, const char* name) {
    const HMODULE module = ::GetModuleHandleW(library);
    return reinterpret_cast<Function*>(
        reinterpret_cast<void*>(module ? ::GetProcAddress(module, name) : nullptr));
}

} // namespace xiangqi::win32
