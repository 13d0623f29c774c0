#pragma once

#include <string>
#include <string_view>

// The program keeps its texts in UTF-8; Windows' wide-character calls take UTF-16.
namespace xiangqi::win32 {

// Empty for text that is not valid UTF-8.
std::wstring utf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string utf8(std::wstring_view utf16);

} // namespace xiangqi::win32
