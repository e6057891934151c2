#include "stat_figures.h"

#include "float_conversion.h"
#include "number_format.h"
#include "screen_texts.h"
#include "stat_format.h"

#include "data/cp1251.h"

#include <cmath>
#include <limits>

namespace zephyr {
namespace {

// How a figure's difference is written.
enum class DeltaStyle { Whole, Decimal, Percent };

struct FigureTraits {
    int GridColumn = -1; // value column of its grid cell, -1 for the hero block
    int GridRow = -1;
    bool LowerIsBetter = false;
    DeltaStyle Style = DeltaStyle::Whole;
    const char* HeroBlockCaption = nullptr; // UTF-8, for figures outside the grid
};

constexpr std::array<FigureTraits, kFigureCount> kTraits = {{
    {1, 0, false, DeltaStyle::Whole, nullptr},     // AttackType
    {1, 1, false, DeltaStyle::Whole, nullptr},     // AttackRange
    {1, 2, true, DeltaStyle::Decimal, nullptr},    // AttackDelay
    {1, 3, false, DeltaStyle::Percent, nullptr},   // CritChance
    {1, 4, false, DeltaStyle::Percent, nullptr},   // BashChance
    {1, 5, false, DeltaStyle::Whole, nullptr},     // LifeSteal
    {1, 6, false, DeltaStyle::Decimal, nullptr},   // PhysicalDps
    {1, 7, false, DeltaStyle::Decimal, nullptr},   // MagicalDps
    {3, 0, false, DeltaStyle::Percent, nullptr},   // PhysicalReduction
    {3, 1, false, DeltaStyle::Percent, nullptr},   // MagicalReduction
    {3, 2, false, DeltaStyle::Percent, nullptr},   // Evasion
    {3, 3, false, DeltaStyle::Percent, nullptr},   // TriggeredEvasion
    {3, 4, false, DeltaStyle::Percent, nullptr},   // Miss
    {3, 5, false, DeltaStyle::Percent, nullptr},   // Dodge
    {3, 6, false, DeltaStyle::Whole, nullptr},     // PhysicalEhp
    {3, 7, false, DeltaStyle::Whole, nullptr},     // MagicalEhp
    {5, 0, false, DeltaStyle::Whole, nullptr},     // MoveSpeed
    {5, 1, true, DeltaStyle::Whole, nullptr},      // RespawnTime
    {5, 2, true, DeltaStyle::Whole, nullptr},      // GoldLoss
    {5, 3, true, DeltaStyle::Whole, nullptr},      // TotalPrice
    {-1, -1, false, DeltaStyle::Decimal, "Урон"},  // Damage
    {-1, -1, false, DeltaStyle::Decimal, "Броня"}, // Armor
    {-1, -1, false, DeltaStyle::Whole, "Сила"},    // Strength
    {-1, -1, false, DeltaStyle::Whole, "Ловкость"},
    {-1, -1, false, DeltaStyle::Whole, "Интеллект"},
    {-1, -1, false, DeltaStyle::Whole, "Здоровье"},
    {-1, -1, false, DeltaStyle::Whole, "Мана"},
    {-1, -1, false, DeltaStyle::Decimal, "Регенерация здоровья"},
    {-1, -1, false, DeltaStyle::Decimal, "Регенерация маны"},
}};

const FigureTraits& Traits(Figure figure) {
    return kTraits[static_cast<std::size_t>(figure)];
}

std::string Integer(std::int64_t value) {
    return std::to_string(value);
}

double AverageDamage(const HeroStats& s) {
    return (static_cast<double>(s.DamageLow) + s.DamageHigh) / 2.0 + s.DamageBonus;
}

// A hero block value and its bonus label as they stand side by side.
std::string WithBonus(const std::string& value, const std::optional<std::string>& bonus) {
    return value + bonus.value_or(std::string());
}

double Ehp(std::int32_t ehp) {
    return ehp == -1 ? std::numeric_limits<double>::infinity() : ehp;
}

std::string Signed(double delta, DeltaStyle style, char separator) {
    const std::string sign = delta > 0 ? "+" : "-";
    const double size = std::fabs(delta);
    switch (style) {
    case DeltaStyle::Whole:
        return sign + Integer(static_cast<std::int64_t>(std::llround(size)));
    case DeltaStyle::Decimal:
        return sign + FormatFixed2(size, separator);
    case DeltaStyle::Percent:
        return sign + FormatFixed2(size, separator) + "%";
    }
    return {};
}

} // namespace

std::optional<Figure> GridFigure(int column, int row) {
    for (int f = 0; f < kFigureCount; ++f) {
        if (kTraits[static_cast<std::size_t>(f)].GridColumn == column &&
            kTraits[static_cast<std::size_t>(f)].GridRow == row) {
            return static_cast<Figure>(f);
        }
    }
    return std::nullopt;
}

const std::string& FigureCaption(Figure figure) {
    static const std::array<std::string, kFigureCount> captions = [] {
        std::array<std::string, kFigureCount> all;
        for (std::size_t f = 0; f < all.size(); ++f) {
            const FigureTraits& traits = kTraits[f];
            all[f] = traits.HeroBlockCaption != nullptr
                         ? Cp1251FromUtf8(traits.HeroBlockCaption)
                         : Texts().GridCaptions[static_cast<std::size_t>(traits.GridRow)]
                                               [static_cast<std::size_t>(traits.GridColumn / 2)];
        }
        return all;
    }();
    return captions[static_cast<std::size_t>(figure)];
}

double FigureValue(const HeroStats& s, Figure figure) {
    switch (figure) {
    case Figure::AttackType:
        return s.IsRanged ? 1 : 0;
    case Figure::AttackRange:
        return s.AttackRange;
    case Figure::AttackDelay:
        return s.AttackCooldown;
    case Figure::CritChance:
        return s.CritChance * 100.0;
    case Figure::BashChance:
        return s.BashChance * 100.0;
    case Figure::LifeSteal:
        return s.LifeSteal;
    case Figure::PhysicalDps:
        return s.PhysicalDps;
    case Figure::MagicalDps:
        return s.MagicalDps;
    case Figure::PhysicalReduction:
        return s.PhysicalReduction * 100.0;
    case Figure::MagicalReduction:
        return s.MagicalReduction;
    case Figure::Evasion:
        return s.Evasion * 100.0;
    case Figure::TriggeredEvasion:
        return s.TriggeredEvasion * 100.0;
    case Figure::Miss:
        return s.Miss * 100.0;
    case Figure::Dodge:
        return s.Dodge * 100.0;
    case Figure::PhysicalEhp:
        return Ehp(s.PhysicalEhp);
    case Figure::MagicalEhp:
        return Ehp(s.MagicalEhp);
    case Figure::MoveSpeed:
        return TruncTowardZero(s.MoveSpeed);
    case Figure::RespawnTime:
        return s.RespawnTime;
    case Figure::GoldLoss:
        return s.GoldLoss;
    case Figure::TotalPrice:
        return s.TotalPrice;
    case Figure::Damage:
        return AverageDamage(s);
    case Figure::Armor:
        return s.ArmorTotal;
    case Figure::Strength:
        return s.StrengthTotal;
    case Figure::Agility:
        return s.AgilityTotal;
    case Figure::Intelligence:
        return s.IntelligenceTotal;
    case Figure::HitPoints:
        return s.HitPoints;
    case Figure::Mana:
        return s.Mana;
    case Figure::HpRegen:
        return s.HpRegen;
    case Figure::ManaRegen:
        return s.ManaRegen;
    }
    return 0;
}

bool LowerIsBetter(Figure figure) {
    return Traits(figure).LowerIsBetter;
}

std::string FigureText(const HeroStats& s, Figure figure, char separator) {
    const ScreenTexts& texts = Texts();
    const HeroBlockLabels block = FormatHeroBlock(s, separator);
    switch (figure) {
    case Figure::AttackType:
        return s.IsRanged ? texts.Ranged : texts.Melee;
    case Figure::AttackRange:
        return Integer(s.AttackRange);
    case Figure::AttackDelay:
        return FormatCooldown(s.AttackCooldown, separator);
    case Figure::CritChance:
        return FormatChance(s.CritChance, separator);
    case Figure::BashChance:
        return FormatChance(s.BashChance, separator);
    case Figure::LifeSteal:
        return s.LifeSteal != 0 ? Integer(s.LifeSteal) + "%" : texts.None;
    case Figure::PhysicalDps:
        return FormatFixed2(s.PhysicalDps, separator);
    case Figure::MagicalDps:
        return s.MagicalDps != 0 ? FormatFixed2(s.MagicalDps, separator) : texts.None;
    case Figure::PhysicalReduction:
        return FormatPhysicalReduction(s.PhysicalReduction);
    case Figure::MagicalReduction:
        return FormatMagicalReduction(s.MagicalReduction, separator);
    case Figure::Evasion:
        return FormatChance(s.Evasion, separator);
    case Figure::TriggeredEvasion:
        return FormatChance(s.TriggeredEvasion, separator);
    case Figure::Miss:
        return FormatChance(s.Miss, separator);
    case Figure::Dodge:
        return FormatChance(s.Dodge, separator);
    case Figure::PhysicalEhp:
        return FormatEhp(s.PhysicalEhp);
    case Figure::MagicalEhp:
        return FormatEhp(s.MagicalEhp);
    case Figure::MoveSpeed:
        return Integer(TruncToInt32(s.MoveSpeed));
    case Figure::RespawnTime:
        return Integer(s.RespawnTime);
    case Figure::GoldLoss:
        return Integer(s.GoldLoss);
    case Figure::TotalPrice:
        return Integer(s.TotalPrice);
    case Figure::Damage:
        return WithBonus(block.Label7, block.Label23);
    case Figure::Armor:
        return WithBonus(block.Label9, block.Label24);
    case Figure::Strength:
        return WithBonus(block.Label11, block.Label25);
    case Figure::Agility:
        return WithBonus(block.Label13, block.Label26);
    case Figure::Intelligence:
        return WithBonus(block.Label15, block.Label27);
    case Figure::HitPoints:
        return Integer(s.HitPoints);
    case Figure::Mana:
        return Integer(s.Mana);
    case Figure::HpRegen:
        return FormatFixed2(s.HpRegen, separator);
    case Figure::ManaRegen:
        return FormatFixed2(s.ManaRegen, separator);
    }
    return {};
}

std::optional<FigureChange> CompareFigure(const HeroStats& before, const HeroStats& after,
                                          Figure figure, char separator) {
    FigureChange change;
    change.Id = figure;
    change.Before = FigureText(before, figure, separator);
    change.After = FigureText(after, figure, separator);
    if (change.Before == change.After) {
        return std::nullopt;
    }
    const double from = FigureValue(before, figure);
    const double to = FigureValue(after, figure);
    if (std::isfinite(from) && std::isfinite(to) && from != to) {
        change.Delta = Signed(to - from, Traits(figure).Style, separator);
    }
    change.Better = LowerIsBetter(figure) ? to < from : to > from;
    return change;
}

std::vector<FigureChange> PreviewChanges(const HeroStats& before, const HeroStats& after,
                                         char separator) {
    std::vector<FigureChange> changes;
    for (Figure figure : kPreviewFigures) {
        if (auto change = CompareFigure(before, after, figure, separator)) {
            changes.push_back(std::move(*change));
        }
    }
    return changes;
}

} // namespace zephyr
