#include "int_argument.h"

#include <charconv>

namespace zephyr::cli {

std::optional<int> ParseIntArgument(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace zephyr::cli
