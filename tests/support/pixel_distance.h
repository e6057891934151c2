#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace zephyr::testing {

// The largest difference between two ARGB pixels in any one channel, alpha
// included.
inline int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int d = static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
        worst = std::max(worst, std::abs(d));
    }
    return worst;
}

} // namespace zephyr::testing
