#pragma once

#include <string>
#include <string_view>

namespace zephyr {

// Windows-1251 <-> UTF-8. Byte 0x98, which has no character, becomes U+FFFD.
std::string Utf8FromCp1251(std::string_view text);
// Characters that Windows-1251 cannot hold, and malformed UTF-8, become '?'.
std::string Cp1251FromUtf8(std::string_view text);

} // namespace zephyr
