#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zephyr {

// Dense ranks of folded terms: rank[i] < rank[j] exactly when term i is
// smaller than term j byte by byte (unsigned bytes, a proper prefix being the
// smaller), and equal ranks for equal terms. Comparing two ranks then costs
// nothing, whatever the terms' lengths.
std::vector<std::uint32_t> RankTerms(std::span<const std::string> folded);

} // namespace zephyr
