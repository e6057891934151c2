#pragma once

#include "data_location.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

// Splits text into lines ended by CR LF or a lone LF, kept unchanged
// otherwise. A line break at the very end does not start another line, so
// "a\r\nb\r\n" and "a\r\nb" both give two lines and an empty text none.
std::vector<std::string> SplitTextLines(std::string_view text);

// Str.dat and Address.dat hold a few kilobytes; a larger file is refused unread.
inline constexpr std::uintmax_t kMaxTextFileBytes = 16 * 1024 * 1024;

// The whole file as bytes; nothing when it does not exist, DataError naming
// the file when it exists but cannot be read or is refused (not a regular
// file, over kMaxTextFileBytes, outside the folders that hold the data).
std::optional<std::string> ReadTextFile(const DataLocation& location,
                                        const std::filesystem::path& path);

} // namespace zephyr
