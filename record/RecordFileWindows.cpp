// The record writer on Windows: wide-character calls only, so any name the user can type is
// saved. The temporary file is created beside the target, flushed to the disk and then moved
// over the target with write-through, which returns only once the move is on the disk. A target
// with the read-only attribute is refused: it is never replaced.
#include "RecordFile.h"
#include "Utf16.h"

#include <algorithm>
#include <cstdint>
// clang-format off
#include <windows.h>
#include <bcrypt.h> // after windows.h, whose types it uses
// clang-format on

namespace xiangqi {

namespace {

using win32::utf16;

// The absolute form of `path`; names longer than the classic limit get the prefix that lifts
// it, so long names save even where the system's long-path setting is off.
std::wstring fullPath(const std::wstring& path) {
    const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (path.empty() || size == 0)
        return {};
    std::wstring full(size, L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
    if (full.size() < MAX_PATH || full.starts_with(LR"(\\?\)"))
        return full;
    return full.starts_with(LR"(\\)") ? LR"(\\?\UNC\)" + full.substr(2) : LR"(\\?\)" + full;
}

// The folder part of `path`, up to and with its last backslash.
std::wstring folderOf(const std::wstring& path) {
    return path.substr(0, path.rfind(L'\\') + 1);
}

// Whether the record may go to `path`: nothing there yet in an existing folder, or a plain file
// without the read-only attribute. Devices (\\.\ names such as CON) are refused.
bool mayReplace(const std::wstring& path) {
    if (path.starts_with(LR"(\\.\)"))
        return false;
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

bool writeAll(HANDLE file, std::string_view contents) {
    while (!contents.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1 << 20));
        DWORD written = 0;
        if (!::WriteFile(file, contents.data(), chunk, &written, nullptr) || written == 0)
            return false;
        contents.remove_prefix(written);
    }
    return true;
}

// Creates the new file `path` with `contents` and returns once they are on the disk. A file
// that cannot be completed is removed again.
bool createOnDisk(const std::wstring& path, std::string_view contents) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = writeAll(file, contents) && ::FlushFileBuffers(file);
    if (::CloseHandle(file) && written)
        return true;
    ::DeleteFileW(path.c_str());
    return false;
}

// A name of the same few characters whatever the record's name, which may be as long as the
// file system allows.
std::wstring temporaryName() {
    std::uint64_t number = 0;
    ::BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&number), sizeof number,
                      BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    std::wstring name = L".tvq-";
    do {
        name += L"0123456789abcdefghijklmnopqrstuvwxyz"[number % 36];
        number /= 36;
    } while (number != 0);
    return name;
}

} // namespace

bool RecordFile::write(const std::string& path, std::string_view contents) {
    const std::wstring target = fullPath(utf16(path));
    if (target.empty() || !mayReplace(target))
        return false;
    const std::wstring temporary = folderOf(target) + temporaryName();
    if (!createOnDisk(temporary, contents))
        return false;
    if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace xiangqi
