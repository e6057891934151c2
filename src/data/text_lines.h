#pragma once

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

// The whole file as bytes; nothing when it does not exist, DataError naming
// the file when it exists but cannot be read.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

} // namespace zephyr
