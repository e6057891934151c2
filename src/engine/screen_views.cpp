#include "calculator.h"

#include "screen_texts.h"

namespace zephyr {

AbilityMenuView Calculator::AbilityMenu(int ability) const {
    AbilityMenuView menu;
    const TAbility* record = Ability(ability);
    if (record == nullptr) {
        return menu; // also the attribute bonus: neither entry
    }
    const bool active = state_.AbilityActive[ability - 1];
    const int level = AbilityLevel(state_, ability);
    menu.ActivateCaption = active ? Texts().Deactivate : Texts().Activate;
    if (level == 0) {
        return menu;
    }
    menu.ActivateVisible = record->NeedsActive;
    menu.ConfigureVisible = state_.AbilityParams[ability - 1][0].Used &&
                            ((record->HasData && !record->NeedsActive) || active);
    return menu;
}

SlotMenuView Calculator::SlotMenu(int slot) const {
    SlotMenuView menu;
    const TItem* item = ItemInSlot(slot);
    if (item == nullptr) {
        return menu;
    }
    const bool active = state_.SlotActive[slot - 1];
    menu.ActivateVisible = item->Activatable;
    menu.ActivateCaption = active ? Texts().Deactivate : Texts().Activate;
    return menu;
}

AbilityPictureView Calculator::AbilityPicture(int ability) const {
    AbilityPictureView view;
    if (!HeroChosen() || ability < 1 || ability > 5) {
        return view;
    }
    view.Dimmed = !canLevel_[ability - 1];
    const int level = AbilityLevel(state_, ability);
    view.LevelBadge = level >= 1 ? level - 1 : -1;
    if (const TAbility* record = Ability(ability); record != nullptr && record->HasData) {
        view.BronzeFrame = true;
        view.GoldFrame = state_.AbilityActive[ability - 1] || !record->NeedsActive;
    }
    return view;
}

SlotPictureView Calculator::SlotPicture(int slot) const {
    SlotPictureView view;
    if (slot < 1 || slot > kSlotCount || state_.ItemSlots[slot - 1].ItemNumber == 0) {
        return view;
    }
    view.Empty = false;
    view.IconIndex = state_.ItemSlots[slot - 1].IconIndex;
    const TItem* item = ItemInSlot(slot);
    view.BronzeFrame = item != nullptr && item->Activatable;
    view.GoldFrame = state_.SlotActive[slot - 1];
    return view;
}

AuraPictureView Calculator::AuraPicture(int slot) const {
    AuraPictureView view;
    if (slot < 1 || slot > kAuraSlotCount) {
        return view;
    }
    const std::int32_t aura = state_.AuraSlots[slot - 1].AuraNumber;
    view.IconIndex = aura != 0 ? aura - 1 : -1;
    view.Hint = state_.AuraHints[slot - 1];
    return view;
}

OrbPictureView Calculator::OrbPicture() const {
    OrbPictureView view;
    const std::int32_t first = stats_.OrbPicture1;
    const std::int32_t second = stats_.OrbPicture2;
    if (first == -1) {
        view.Kind = OrbPictureKind::NoOrbWorks;
    } else if (first > 0) {
        view.Kind = second != 0 ? OrbPictureKind::Pair : OrbPictureKind::Single;
        view.FirstIcon = first - 1;
        view.SecondIcon = second != 0 ? second - 1 : -1;
    }
    return view;
}

} // namespace zephyr
