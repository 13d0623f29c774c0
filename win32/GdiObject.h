#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

namespace xiangqi::win32 {

struct GdiDeleter {
    void operator()(void* object) const { ::DeleteObject(static_cast<HGDIOBJ>(object)); }
};

// A font, brush or bitmap that is deleted with its owner.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiDeleter>;

} // namespace xiangqi::win32
