#include "number_text.h"

#include <cmath>

namespace zephyr {

std::optional<double> ParseDecimal(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    bool digit = false;
    bool point = false;
    for (const char c : digits) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    double value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

ParsedHundredths ParseHundredths(std::string_view text) {
    const std::optional<double> value = ParseDecimal(text);
    if (!value) {
        return {0, HundredthsProblem::NotANumber};
    }
    const double scaled = std::round(*value * 100.0);
    if (std::abs(scaled - *value * 100.0) > 1e-6) {
        return {0, HundredthsProblem::TooManyDecimals};
    }
    if (std::abs(scaled) > 2.1e9) {
        return {0, HundredthsProblem::TooLarge};
    }
    return {static_cast<std::int32_t>(scaled), HundredthsProblem::None};
}

} // namespace zephyr
