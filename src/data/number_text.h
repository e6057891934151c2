#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zephyr {

// Numbers written as text by users, source files, links and scripts: the whole
// text is the number, read the same whatever the locale. A whole number is an
// optional '-' and decimal digits within T's range; a decimal also takes one
// '.' among its digits. Signs '+', spaces, exponents, "inf" and "nan" are no
// numbers.

template <std::integral T> std::optional<T> ParseWhole(std::string_view text) {
    T value{};
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseDecimal(std::string_view text);

// A decimal of at most two decimals as the catalogues store it, in
// hundredths (1.5 -> 150), within about 21 million either way.
enum class HundredthsProblem { None, NotANumber, TooManyDecimals, TooLarge };
struct ParsedHundredths {
    std::int32_t Value = 0;
    HundredthsProblem Problem = HundredthsProblem::None;
};
ParsedHundredths ParseHundredths(std::string_view text);

} // namespace zephyr
