#include "level_progress_table.h"

#include "number_format.h"
#include "stat_format.h"

namespace zephyr {
namespace {

std::string Ehp(std::int32_t ehp) {
    return ehp == -1 ? "∞" : std::to_string(ehp);
}

void AppendLine(std::string& text, const LevelTableLine& line) {
    for (std::size_t column = 0; column < line.size(); ++column) {
        if (column != 0) {
            text += '\t';
        }
        text += line[column];
    }
    text += '\n';
}

} // namespace

const LevelTableLine& LevelTableCaptions() {
    static const LevelTableLine kCaptions = {
        "Уровень",        "Здоровье",       "Мана",           "Броня",          "Задержка",
        "Физический DPS", "Магический DPS", "Физический EHP", "Магический EHP",
    };
    return kCaptions;
}

LevelTableLine LevelTableCells(int level, const HeroStats& stats, char decimalSeparator) {
    return {
        std::to_string(level),
        std::to_string(stats.HitPoints),
        std::to_string(stats.Mana),
        FormatFixed2(stats.ArmorTotal, decimalSeparator),
        FormatCooldown(stats.AttackCooldown, decimalSeparator),
        FormatFixed2(stats.PhysicalDps, decimalSeparator),
        FormatFixed2(stats.MagicalDps, decimalSeparator),
        Ehp(stats.PhysicalEhp),
        Ehp(stats.MagicalEhp),
    };
}

std::string LevelProgressTable(const std::vector<HeroStats>& levels, char decimalSeparator) {
    std::string text;
    AppendLine(text, LevelTableCaptions());
    for (std::size_t k = 0; k < levels.size(); ++k) {
        AppendLine(text, LevelTableCells(static_cast<int>(k + 1), levels[k], decimalSeparator));
    }
    return text;
}

} // namespace zephyr
