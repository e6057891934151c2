#pragma once

#include "hero_stats.h"

#include <array>
#include <string>
#include <vector>

namespace zephyr {

// The level table's columns: level, hit points, mana, armour, attack delay,
// physical and magical DPS, physical and magical EHP.
inline constexpr std::size_t kLevelTableColumns = 9;
using LevelTableLine = std::array<std::string, kLevelTableColumns>;

// Unlike the panel's texts these are UTF-8: unbounded EHP is shown as "∞",
// which Windows-1251 cannot hold, and the table only ever goes to widgets and
// the clipboard.
const LevelTableLine& LevelTableCaptions();

// The cells of hero level `level`, numbers formatted as the panel shows them.
LevelTableLine LevelTableCells(int level, const HeroStats& stats, char decimalSeparator);

// The table for the clipboard: the captions, then one line per level (entry
// k - 1 is level k, as LevelProgress gives them), cells separated by tabs and
// every line ending in '\n'.
std::string LevelProgressTable(const std::vector<HeroStats>& levels, char decimalSeparator);

} // namespace zephyr
