#pragma once
#include <string>
#include <string_view>

namespace vorn {

/// UTF-8 to UTF-16 and back, as Windows' wide strings hold text (invalid input becomes U+FFFD).
std::wstring Utf16(std::string_view utf8);
std::string Utf8(const wchar_t* text, size_t length);

}  // namespace vorn
