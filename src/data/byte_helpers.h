#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zephyr {

// Upper case for Windows-1251 text: Latin a-z and Cyrillic а-я are lowered by
// 0x20; every other byte (ё included) is copied unchanged.
std::string UpperCaseCyr(std::string_view text);

// Exchanges the contents of two blocks of `count` bytes.
void SwapMemory(void* a, void* b, std::size_t count);

// The text without leading and trailing bytes 0x00-0x20.
std::string_view TrimControl(std::string_view text);

// The first `limit` bytes of the text.
inline std::string CutBytes(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, limit));
}

} // namespace zephyr
