#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zephyr {

// The path as UTF-8 text, for error messages.
std::string PathText(const std::filesystem::path& path);

// The whole file as bytes. Throws DataError naming the path ("cannot open" or
// "cannot read").
std::string ReadFileBytes(const std::filesystem::path& path);

// The whole file as bytes, but only from a regular file of at most maxBytes.
// Both are checked before the file is opened, so a FIFO or a device is never
// opened, and reading stops past maxBytes should the file grow meanwhile.
// Throws DataError naming the path.
std::string ReadRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// The reason given for a file over a size limit.
std::string FileTooLargeText(std::uintmax_t size, std::uintmax_t maxBytes);

} // namespace zephyr
