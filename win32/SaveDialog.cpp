#include "SaveDialog.h"

#include "Utf16.h"

#include <algorithm>
#include <commdlg.h>
#include <vector>

namespace xiangqi::win32 {

namespace {
// Room for the longest path the system takes.
constexpr std::size_t kLongestPath = 32768;

// "description|pattern|..." as the dialog takes it: each part ended by a NUL, the whole list
// by a second one.
std::wstring dialogFilter(std::string_view filter) {
    std::wstring parts = utf16(filter);
    std::replace(parts.begin(), parts.end(), L'|', L'\0');
    return parts + L'\0' + L'\0';
}
} // namespace

std::optional<std::string> SaveDialog::show(HWND owner, std::string_view filter) {
    const std::wstring filters = dialogFilter(filter);
    std::vector<wchar_t> path(kLongestPath, L'\0');
    std::copy_n(lastSaved_.begin(), std::min(lastSaved_.size(), path.size() - 1), path.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (::GetSaveFileNameW(&dialog)) {
        lastSaved_ = path.data();
        return utf8(lastSaved_);
    }
    const bool cancelled = ::CommDlgExtendedError() == 0;
    if (cancelled && !cancelError_)
        return std::string();
    return std::nullopt;
}

} // namespace xiangqi::win32
