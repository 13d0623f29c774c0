#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <windows.h>

namespace xiangqi::win32 {

// The common Save-As dialog (cdl1): one filter, a question before an existing file is replaced,
// and, after a save, the folder and name of that save offered again.
class SaveDialog {
public:
    // When armed, a cancelled dialog gives no path; otherwise an empty one.
    void setCancelError(bool armed) { cancelError_ = armed; }
    // Shows the dialog owned by `owner` with the filter "description|pattern"; the chosen path
    // in UTF-8, or none when it was cancelled (armed) or could not be shown.
    std::optional<std::string> show(HWND owner, std::string_view filter);

private:
    bool cancelError_ = false;
    std::wstring lastSaved_;
};

} // namespace xiangqi::win32
