#pragma once

#include "data_location.h"

#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// The running line's texts from Data\Str.dat: one text per line, unchanged
// (Windows-1251, no trimming). Nothing when the file does not exist;
// DataError when it exists but cannot be read or is refused (see ReadTextFile).
std::optional<std::vector<std::string>> ReadTickerLines(const DataLocation& location);

} // namespace zephyr
