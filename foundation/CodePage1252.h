#pragma once
#include <cstdint>
#include <string>

namespace vorn {

/// The character of a code in the ANSI code page 1252 (0 for the five unassigned codes).
char32_t FromCodePage1252(uint8_t code) noexcept;
/// The 1252 code of a character, or -1 when the code page has none.
int32_t ToCodePage1252(char32_t cp) noexcept;
/// Appends the UTF-8 form of a character.
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace vorn
