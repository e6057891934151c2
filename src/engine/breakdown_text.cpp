#include "breakdown_text.h"

#include "number_format.h"
#include "screen_texts.h"
#include "stat_constants.h"

#include "data/cp1251.h"

#include <algorithm>
#include <cmath>

namespace zephyr {
std::string BreakdownText::AbilityName(int ability) const {
    const THero* hero = catalogue_.Hero(state_.CurrentHero);
    if (hero == nullptr || ability < 1 || ability > kAbilityCount) {
        return {};
    }
    return hero->Abilities[static_cast<std::size_t>(ability - 1)].Name;
}

std::string BreakdownText::Source(const Contribution& c) const {
    switch (c.Kind) {
    case SourceKind::HeroBase:
        return Cp1251FromUtf8("Герой, уровень ") + std::to_string(std::max(1, state_.HeroLevel));
    case SourceKind::Aura: {
        const std::size_t slot = static_cast<std::size_t>(c.Number - 1);
        const TAura* aura = slot < state_.AuraSlots.size()
                                ? catalogue_.Aura(state_.AuraSlots[slot].AuraNumber)
                                : nullptr;
        return Cp1251FromUtf8("Аура «") + (aura != nullptr ? aura->Name : std::string()) +
               Cp1251FromUtf8("»");
    }
    case SourceKind::Item: {
        const std::size_t slot = static_cast<std::size_t>(c.Number - 1);
        const TItem* item = slot < state_.ItemSlots.size()
                                ? catalogue_.Item(state_.ItemSlots[slot].ItemNumber)
                                : nullptr;
        return Cp1251FromUtf8("Слот ") + std::to_string(c.Number) + ": " +
               (item != nullptr ? item->Name : std::string());
    }
    case SourceKind::AttributeLevels:
        return Texts().AttributeBonus + " \xB7 " +
               std::to_string(AbilityLevel(state_, kAttributeBonus));
    case SourceKind::Ability:
        return AbilityName(c.Number) + Cp1251FromUtf8(", уровень ") +
               std::to_string(AbilityLevel(state_, c.Number));
    case SourceKind::Attributes:
        switch (c.What) {
        case Quantity::HitPoints:
            return Cp1251FromUtf8("Сила ") + std::to_string(stats_.StrengthTotal) + " \xB7 " +
                   std::to_string(kHitPointsPerStrength);
        case Quantity::Mana:
            return Cp1251FromUtf8("Интеллект ") + std::to_string(stats_.IntelligenceTotal) +
                   " \xB7 " + std::to_string(kManaPerIntelligence);
        default:
            return Cp1251FromUtf8("Ловкость ") + (stats_.AgilityBonus >= 0 ? "+" : "") +
                   std::to_string(stats_.AgilityBonus) + " / " +
                   std::to_string(static_cast<int>(kAgilityPerArmor));
        }
    case SourceKind::Constant:
        return Cp1251FromUtf8("Основа");
    case SourceKind::PrimaryAttribute:
        return Cp1251FromUtf8("Основной атрибут");
    case SourceKind::DamagePercent:
        return Cp1251FromUtf8("Процент к урону");
    case SourceKind::Orbs:
        return Cp1251FromUtf8("Сферы");
    case SourceKind::PlainHits:
        return Cp1251FromUtf8("Обычные удары");
    case SourceKind::Crits:
        return Cp1251FromUtf8("Критические удары");
    case SourceKind::Bashes:
        return Cp1251FromUtf8("Оглушения");
    case SourceKind::Procs:
        return Cp1251FromUtf8("Урон при ударе");
    case SourceKind::OrbProc:
        return Cp1251FromUtf8("Сфера");
    }
    return {};
}

std::string BreakdownText::Amount(double amount, bool whole, bool first) const {
    const std::string size = whole ? std::to_string(std::llround(std::fabs(amount)))
                                   : FormatFixed2(std::fabs(amount), separator_);
    if (amount < 0) {
        return "-" + size;
    }
    return first ? size : "+" + size;
}

std::string BreakdownText::Number(double value) const {
    return FormatGeneral(std::nearbyint(value * 100.0) / 100.0, separator_);
}

std::int32_t BreakdownText::PrimaryAttributeBonus() const {
    const THero* hero = catalogue_.Hero(state_.CurrentHero);
    switch (hero != nullptr ? hero->PrimaryAttribute : 0) {
    case 1:
        return stats_.StrengthBonus;
    case 2:
        return stats_.AgilityBonus;
    case 3:
        return stats_.IntelligenceBonus;
    default:
        return 0;
    }
}

std::string BreakdownText::Percent(double fraction) const {
    return FormatFixed2(fraction * 100.0, separator_) + "%";
}

} // namespace zephyr
