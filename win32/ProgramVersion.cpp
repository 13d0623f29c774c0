#include "ProgramVersion.h"

#include <vector>
#include <windows.h>

namespace xiangqi::win32 {

ProgramVersion programVersion() {
    std::vector<wchar_t> file(MAX_PATH);
    while (::GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size())) ==
           file.size())
        file.resize(file.size() * 2);
    DWORD unused = 0;
    std::vector<char> info(::GetFileVersionInfoSizeW(file.data(), &unused));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (info.empty() ||
        !::GetFileVersionInfoW(file.data(), 0, static_cast<DWORD>(info.size()), info.data()) ||
        !::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof *fixed)
        return {};
    return {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
            LOWORD(fixed->dwFileVersionLS)};
}

} // namespace xiangqi::win32
