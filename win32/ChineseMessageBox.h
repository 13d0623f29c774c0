#pragma once

#include <string>
#include <windows.h>

namespace xiangqi::win32 {

// A modal message box without icon, owned by `owner` and captioned `caption`, with the buttons
// of `buttons` (MB_OK or MB_YESNO) labelled in Chinese. Gives the button chosen (IDOK, IDYES,
// IDNO).
int ChineseMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                      UINT buttons);

} // namespace xiangqi::win32
