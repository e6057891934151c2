#include "orbs_file.h"

namespace zephyr {
namespace {

template <class Loops>
std::vector<TOrbPair> Pairs(const std::vector<std::uint8_t>& results, Loops loops) {
    std::vector<TOrbPair> pairs;
    std::size_t next = 0;
    loops([&](int first, int second) {
        const std::uint8_t result = next < results.size() ? results[next] : 0;
        ++next;
        pairs.push_back(
            TOrbPair{static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second), result});
    });
    return pairs;
}

} // namespace

std::vector<TOrbPair> MeleeOrbPairs(int categories, const std::vector<std::uint8_t>& results) {
    return Pairs(results, [categories](auto add) {
        for (int i = 1; i <= categories; ++i) {
            for (int j = 1; j <= i; ++j) {
                add(j, i);
            }
        }
    });
}

std::vector<TOrbPair> RangedOrbPairs(int categories, const std::vector<std::uint8_t>& results) {
    return Pairs(results, [categories](auto add) {
        for (int i = 1; i <= categories; ++i) {
            for (int j = i; j <= categories; ++j) {
                add(j, i);
            }
        }
    });
}

std::vector<TOrbPair> AbilityOrbPairs(int categories, int abilityOrbs,
                                      const std::vector<std::uint8_t>& results) {
    return Pairs(results, [categories, abilityOrbs](auto add) {
        for (int i = 1; i <= categories; ++i) {
            for (int j = 1; j <= abilityOrbs; ++j) {
                add(j, i);
            }
        }
    });
}

} // namespace zephyr
