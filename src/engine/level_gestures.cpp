#include "aura_slots.h"
#include "calculator.h"
#include "screen_texts.h"

namespace zephyr {

bool Calculator::LevelUp(int ability) {
    if (!HeroChosen() || !CanLevel(ability)) {
        return false;
    }
    ++state_.HeroLevel;
    ++state_.BuildOrderCount;
    const TAbility* record = Ability(ability);
    if (record != nullptr && AbilityLevel(state_, ability) == 0 && record->LearnAura != 0) {
        AddAura(*catalogue_, state_, record->LearnAura);
    }
    const int heroLevel = state_.HeroLevel;
    if (heroLevel <= kMaxHeroLevel) {
        state_.SkillPicks[heroLevel - 1] = static_cast<std::uint8_t>(ability);
        if (state_.BuildOrderCount <= kBuildOrderLength) {
            state_.BuildOrder[state_.BuildOrderCount - 1] = static_cast<std::uint8_t>(ability);
            lines_.push_back(record != nullptr ? record->Name : Texts().AttributeBonus);
        }
    }
    UpdateAvailability();
    levelCaption_ = "- " + std::to_string(heroLevel) + " lvl -";
    RefreshStats();
    return true;
}

bool Calculator::LevelDown() {
    const int heroLevel = state_.HeroLevel;
    if (!HeroChosen() || heroLevel <= 0) {
        return false;
    }
    const int ability = heroLevel <= kMaxHeroLevel ? state_.SkillPicks[heroLevel - 1] : 0;
    const TAbility* record = Ability(ability);
    if (record != nullptr && AbilityLevel(state_, ability) == 1) {
        WithdrawAura(*catalogue_, state_, record->LearnAura);
        // Only a switched-on ability put its activation aura into force;
        // withdrawing it otherwise could take another source's aura.
        if (state_.AbilityActive[ability - 1]) {
            WithdrawAura(*catalogue_, state_, record->ActiveAura);
        }
    }
    if (heroLevel <= kMaxHeroLevel) {
        state_.SkillPicks[heroLevel - 1] = 0;
    }
    for (int p = kBuildOrderLength - 1; p >= 0; --p) {
        if (state_.BuildOrder[p] >= 1 && state_.BuildOrder[p] <= kAttributeBonus) {
            RemoveBuildOrderEntry(p);
            break;
        }
    }
    state_.HeroLevel = heroLevel - 1;
    UpdateAvailability();
    levelCaption_ = "- " + std::to_string(state_.HeroLevel == 0 ? 1 : state_.HeroLevel) + " lvl -";
    const int shown = state_.ParamAbility;
    if (shown >= 1 && shown <= kAbilityCount && AbilityLevel(state_, shown) == 0) {
        ResetParams(state_, shown - 1);
        CloseParameterEditors();
        state_.ParamAbility = 0;
    }
    for (int m = 1; m <= kAbilityCount; ++m) {
        if (state_.AbilityActive[m - 1] && AbilityLevel(state_, m) == 0) {
            state_.AbilityActive[m - 1] = false;
            // Unlearning switches the ability off, and with it its link.
            state_.AbilityItemLinks[m - 1].Linked = false;
        }
    }
    RefreshStats();
    return true;
}

} // namespace zephyr
