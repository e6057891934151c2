#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zephyr {

// The arrangement the exchange-based selection sort leaves, in O(n log n):
// result[p] is the original position of the element that ends at position p.
// Step p takes the FIRST smallest rank among positions p..n-1 and exchanges it
// with position p, so elements of equal rank do not keep their order; the
// replay reproduces every exchange exactly (see plain_selection_sort.h for
// the literal algorithm).
std::vector<std::size_t> SelectionSortOrder(std::span<const std::uint32_t> ranks);

} // namespace zephyr
