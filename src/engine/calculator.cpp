#include "calculator.h"

#include "aura_slots.h"
#include "stat_computation.h"
#include "stat_constants.h"

namespace zephyr {
namespace {

std::string LevelCaptionFor(int heroLevel) {
    return "- " + std::to_string(heroLevel < 1 ? 1 : heroLevel) + " lvl -";
}

} // namespace

Calculator::Calculator(const Catalogue& catalogue) : catalogue_(&catalogue) {
    levelCaption_ = LevelCaptionFor(1);
}

const TAbility* Calculator::Ability(int ability) const {
    const THero* hero = catalogue_->Hero(state_.CurrentHero);
    if (hero == nullptr || ability < 1 || ability > kAbilityCount) {
        return nullptr;
    }
    return &hero->Abilities[ability - 1];
}

const TItem* Calculator::ItemInSlot(int slot) const {
    if (slot < 1 || slot > kSlotCount) {
        return nullptr;
    }
    return catalogue_->Item(state_.ItemSlots[slot - 1].ItemNumber);
}

bool Calculator::HeroChosen() const {
    return catalogue_->Hero(state_.CurrentHero) != nullptr;
}

void Calculator::RefreshStats() {
    stats_ = ComputeStats(*catalogue_, state_);
    // The program may have re-ranged the parameters shown in the editors.
    const int shown = state_.ParamAbility;
    if (shown < 1 || shown > kAbilityCount) {
        return;
    }
    for (int n = 1; n <= static_cast<int>(editors_.size()); ++n) {
        const AbilityParam& param = state_.AbilityParams[shown - 1][n - 1];
        if (param.Used && param.Kind == 0) {
            WriteEditorText(n);
        }
    }
}

int Calculator::TopAbilityLevel(int ability) {
    return ability == 4 ? 3 : (ability == 5 ? 10 : kMaxAbilityLevel);
}

LevelLimit Calculator::LevelLimitOf(int ability) const {
    if (ability < 1 || ability > 5) {
        return {LevelLimit::Kind::AbilityAtTop, 0};
    }
    // The basic abilities and the attribute bonus take a level at every
    // second hero level, the ultimate at 6, 11 and 16.
    const int level = AbilityLevel(state_, ability);
    const bool ultimate = ability == 4;
    if (level >= TopAbilityLevel(ability)) {
        return {LevelLimit::Kind::AbilityAtTop, 0};
    }
    const int needed = ultimate ? 5 * level + 6 : 2 * level + 1;
    if (state_.HeroLevel + 1 < needed) {
        return {LevelLimit::Kind::HeroTooLow, needed};
    }
    return {};
}

void Calculator::UpdateAvailability() {
    for (int a = 1; a <= 5; ++a) {
        canLevel_[a - 1] = LevelLimitOf(a).Why == LevelLimit::Kind::None;
    }
}

bool Calculator::ChooseHero(int hero) {
    if (catalogue_->Hero(hero) == nullptr) {
        return false;
    }
    state_.CurrentHero = hero;
    return ShowHero();
}

bool Calculator::ShowHero() {
    const THero* hero = catalogue_->Hero(state_.CurrentHero);
    if (hero == nullptr) {
        return false;
    }
    heroName_ = hero->Name;
    levelCaption_ = LevelCaptionFor(1);
    state_.HeroLevel = 0;
    state_.BuildOrderCount = 0;
    state_.SkillPicks.fill(0);
    state_.BuildOrder.fill(0);
    state_.AbilityActive.fill(false);
    state_.SlotActive.fill(false);
    state_.ItemSlots.fill(ItemSlot{});
    // Sources go too, or a later recompute would bring back the old build's
    // auras; the hints follow the freed slots.
    ClearAuraSlots(state_);
    // No ability is switched on any more, so no link can stand: a stale one
    // would suppress the linked item's effects for the new build.
    state_.AbilityItemLinks.fill(AbilityItemLink{});
    lines_.clear();
    ResetParams(state_, -1);
    CloseParameterEditors();
    state_.ParamAbility = 0;
    UpdateAvailability();
    RefreshStats();
    return true;
}

void Calculator::RemoveBuildOrderEntry(int position) {
    for (int p = position; p + 1 < kBuildOrderLength; ++p) {
        state_.BuildOrder[p] = state_.BuildOrder[p + 1];
    }
    state_.BuildOrder[kBuildOrderLength - 1] = 0;
    if (position < static_cast<int>(lines_.size())) {
        lines_.erase(lines_.begin() + position);
    }
    --state_.BuildOrderCount;
}

bool Calculator::CanLevel(int ability) const {
    return ability >= 1 && ability <= 5 && canLevel_[ability - 1];
}

const EditorView& Calculator::Editor(int editor) const {
    static const EditorView kNone;
    if (editor < 1 || editor > static_cast<int>(editors_.size())) {
        return kNone;
    }
    return editors_[editor - 1];
}

int Calculator::BuildOrderLineCode(int line) const {
    if (line < 0 || line >= static_cast<int>(lines_.size()) || line >= kBuildOrderLength) {
        return 0;
    }
    return state_.BuildOrder[line];
}

} // namespace zephyr
