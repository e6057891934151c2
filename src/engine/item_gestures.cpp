#include "aura_slots.h"
#include "build_order_list.h"
#include "calculator.h"

#include <algorithm>

namespace zephyr {
namespace {

// One-per-hero items collide by their group (the part before " - ") when
// both are variants, otherwise by their whole name.
bool SameOnePerHeroName(const std::string& a, const std::string& b) {
    static const std::string kJoin = " - ";
    const std::size_t cutA = a.find(kJoin);
    const std::size_t cutB = b.find(kJoin);
    if (cutA != std::string::npos && cutB != std::string::npos) {
        return a.compare(0, cutA, b, 0, cutB) == 0;
    }
    return a == b;
}

// Icon of the item picker entry of an item; 0 when it has none.
int MenuIconOf(const Catalogue& catalogue, int item) {
    for (const ShopMenuEntry& shop : catalogue.ItemMenu) {
        for (const ItemMenuEntry& entry : shop.Entries) {
            if (entry.ItemNumber == item) {
                return entry.IconIndex;
            }
            for (const ItemMenuEntry& variant : entry.Variants) {
                if (variant.ItemNumber == item) {
                    return variant.IconIndex;
                }
            }
        }
    }
    return 0;
}

} // namespace

int Calculator::OnePerHeroConflict(int item) const {
    const TItem* record = catalogue_->Item(item);
    if (record == nullptr || !record->OnePerHero) {
        return 0;
    }
    for (int s = 1; s <= kSlotCount; ++s) {
        const TItem* carried = ItemInSlot(s);
        if (carried != nullptr && SameOnePerHeroName(record->Name, carried->Name)) {
            return s;
        }
    }
    return 0;
}

bool Calculator::PlaceItem(int slot, int item) {
    const TItem* record = catalogue_->Item(item);
    if (!HeroChosen() || record == nullptr || slot < 1 || slot > kSlotCount ||
        state_.ItemSlots[slot - 1].ItemNumber != 0) {
        return false;
    }
    if (OnePerHeroConflict(item) != 0) {
        return false;
    }
    state_.ItemSlots[slot - 1].ItemNumber = item;
    // Copies of one item are on or off together, so a copy placed beside an
    // activated one starts activated, whichever slot it lands in.
    bool active = false;
    for (int s = 1; s <= kSlotCount; ++s) {
        if (s != slot && state_.ItemSlots[s - 1].ItemNumber == item) {
            active = state_.SlotActive[s - 1];
        }
    }
    state_.SlotActive[slot - 1] = active;
    for (std::uint8_t aura : record->PassiveAuras) {
        AddAura(*catalogue_, state_, aura);
    }
    state_.ItemSlots[slot - 1].IconIndex =
        record->ImageIndex != 0 ? record->ImageIndex : MenuIconOf(*catalogue_, item);
    ++state_.BuildOrderCount;
    if (state_.BuildOrderCount <= kBuildOrderLength) {
        state_.BuildOrder[state_.BuildOrderCount - 1] =
            static_cast<std::uint8_t>(slot + kSlotCodeOffset);
        lines_.push_back(ItemLineText(record->Name));
    }
    RefreshStats();
    return true;
}

bool Calculator::RemoveItem(int slot) {
    if (!HeroChosen() || slot < 1 || slot > kSlotCount ||
        state_.ItemSlots[slot - 1].ItemNumber == 0) {
        return false;
    }
    const std::int32_t item = state_.ItemSlots[slot - 1].ItemNumber;
    bool twin = false;
    for (int s = 1; s <= kSlotCount; ++s) {
        twin = twin || (s != slot && state_.ItemSlots[s - 1].ItemNumber == item);
    }
    // Copies are on or off together: while one stays, the link keeps the
    // winner that the last switch chose.
    if (!twin) {
        for (AbilityItemLink& link : state_.AbilityItemLinks) {
            if (link.Linked && link.LinkedItem == item) {
                link.AbilityPrevails = true;
            }
        }
    }
    if (const TItem* record = catalogue_->Item(item)) {
        for (std::uint8_t aura : record->PassiveAuras) {
            WithdrawAura(*catalogue_, state_, aura);
        }
        // The activation added its auras once for all copies; they go with
        // the last activated copy.
        if (state_.SlotActive[slot - 1] && !twin) {
            for (std::uint8_t aura : record->ActiveAuras) {
                WithdrawAura(*catalogue_, state_, aura);
            }
        }
    }
    state_.ItemSlots[slot - 1] = ItemSlot{};
    state_.SlotActive[slot - 1] = false;
    const int code = slot + kSlotCodeOffset;
    for (int p = kBuildOrderLength - 1; p >= 0; --p) {
        if (state_.BuildOrder[p] == code) {
            RemoveBuildOrderEntry(p);
            break;
        }
    }
    RefreshStats();
    return true;
}

bool Calculator::MoveBuildOrderLine(int from, int to) {
    const int count = std::min(static_cast<int>(lines_.size()), kBuildOrderLength);
    if (!HeroChosen() || from < 0 || from >= count || to < 0 || to >= count ||
        !IsItemLineCode(state_.BuildOrder[from])) {
        return false;
    }
    auto codes = state_.BuildOrder.begin();
    auto lines = lines_.begin();
    if (from < to) {
        std::rotate(codes + from, codes + from + 1, codes + to + 1);
        std::rotate(lines + from, lines + from + 1, lines + to + 1);
    } else {
        std::rotate(codes + to, codes + from, codes + from + 1);
        std::rotate(lines + to, lines + from, lines + from + 1);
    }
    RefreshStats();
    return true;
}

bool Calculator::ToggleSlot(int slot) {
    if (!HeroChosen() || !SlotMenu(slot).ActivateVisible) {
        return false;
    }
    const std::int32_t item = state_.ItemSlots[slot - 1].ItemNumber;
    const bool active = !state_.SlotActive[slot - 1];
    for (int s = 1; s <= kSlotCount; ++s) {
        if (state_.ItemSlots[s - 1].ItemNumber == item) {
            state_.SlotActive[s - 1] = active;
        }
    }
    for (std::uint8_t aura : ItemInSlot(slot)->ActiveAuras) {
        if (active) {
            AddAura(*catalogue_, state_, aura);
        } else {
            WithdrawAura(*catalogue_, state_, aura);
        }
    }
    for (AbilityItemLink& link : state_.AbilityItemLinks) {
        if (link.Linked && link.LinkedItem == item) {
            link.AbilityPrevails = !active;
        }
    }
    RefreshStats();
    return true;
}

} // namespace zephyr
