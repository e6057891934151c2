#pragma once

#include <filesystem>
#include <string>

namespace zephyr {

// The path as UTF-8 text, for error messages.
std::string PathText(const std::filesystem::path& path);

// The whole file as bytes. Throws DataError naming the path ("cannot open" or
// "cannot read").
std::string ReadFileBytes(const std::filesystem::path& path);

} // namespace zephyr
