#pragma once

#include "search_hit.h"

#include <span>
#include <string>

namespace zephyr {

// The result list page (Windows-1251): one row per hit, in the given order,
// each a "ShowInfo<entry>" link showing the term as stored; no hits give an
// empty table.
std::string SearchListPage(std::span<const TSearchHit> hits);

} // namespace zephyr
