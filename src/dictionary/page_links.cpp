#include "page_links.h"

#include <charconv>
#include <limits>

namespace zephyr {

std::optional<int> ParseListLink(std::string_view afterBase) {
    constexpr std::string_view kPrefix = "ShowInfo";
    if (!afterBase.starts_with(kPrefix)) {
        return std::nullopt;
    }
    std::string_view number = afterBase.substr(kPrefix.size());
    const bool negative = number.starts_with('-');
    if (negative || number.starts_with('+')) {
        number.remove_prefix(1);
    }
    // from_chars would take a second sign after the one removed here.
    if (number.empty() || number.front() < '0' || number.front() > '9') {
        return std::nullopt;
    }
    // The magnitude is read wider so that -2147483648 parses.
    long long magnitude = 0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (error != std::errc() || end != number.data() + number.size()) {
        return std::nullopt;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string ArticleLinkPath(std::string_view target) {
    return "Data\\documents\\" + std::string(target);
}

} // namespace zephyr
