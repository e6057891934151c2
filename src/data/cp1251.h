#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephyr {

// Windows-1251 <-> UTF-8. Byte 0x98, which has no character, becomes U+FFFD.
std::string Utf8FromCp1251(std::string_view text);
// Characters that Windows-1251 cannot hold, and malformed UTF-8, become '?'.
std::string Cp1251FromUtf8(std::string_view text);
// Nothing when the text holds malformed UTF-8 or a character that Windows-1251
// cannot hold; for input from outside the program, where '?' would hide a typo.
std::optional<std::string> CheckedCp1251FromUtf8(std::string_view text);

// One code point appended to UTF-8 text.
void AppendUtf8(std::string& out, char32_t cp);
// Decodes the UTF-8 sequence at text[i] and moves i past it; malformed input
// gives U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

} // namespace zephyr
