#pragma once

#include "data_location.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace zephyr {

// The bytes of a file that the data leads to (a stored picture path, Str.dat,
// Address.dat), found at `path`. Only a regular file of at most maxBytes that
// the location holds (DataLocation::HoldsFile) is read, and all of that is
// checked before the file is opened. Throws DataError naming the path.
std::string ReadStoredFile(const DataLocation& location, const std::filesystem::path& path,
                           std::uintmax_t maxBytes);

} // namespace zephyr
