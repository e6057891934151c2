#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zephyr {

// Catalogue numbers are decimal hundredths, which doubles hold only nearly:
// 300 + 50 at +40 % comes out as 489.99999999999994. A value this close to an
// integer is taken as that integer before any truncation, so that binary
// rounding never costs a whole unit.
inline double SnapNearInteger(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    const double nearest = std::round(value);
    if (std::fabs(value - nearest) <= 1e-9 * std::max(1.0, std::fabs(value))) {
        return nearest;
    }
    return value;
}

// Truncation toward zero after the snap above; stays a double.
inline double TruncTowardZero(double value) {
    return std::trunc(SnapNearInteger(value));
}

inline std::int32_t SaturateToInt32(std::int64_t value) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, kLow, kHigh));
}

// Trunc of the engine: toward zero, saturating at the 32-bit bounds, NaN as 0.
inline std::int32_t TruncToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double truncated = TruncTowardZero(value);
    if (truncated <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (truncated >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(truncated);
}

// Integer accumulators saturate too: catalogue values are not trusted.
inline void AddSaturated(std::int32_t& target, std::int64_t delta) {
    target = SaturateToInt32(static_cast<std::int64_t>(target) + delta);
}

} // namespace zephyr
