#pragma once

#include <optional>
#include <string_view>

namespace zephyr::cli {

// A whole command-line argument as a decimal int: optional '-', digits,
// nothing else, within range; otherwise nothing.
std::optional<int> ParseIntArgument(std::string_view text);

} // namespace zephyr::cli
