#include "aura_slots.h"

#include <algorithm>

namespace zephyr {
namespace {

// The aura record in force in a slot; free slots are never compared by group.
const TAura* AuraInSlot(const Catalogue& catalogue, const TCurAura& slot) {
    return slot.AuraNumber != 0 ? catalogue.Aura(slot.AuraNumber) : nullptr;
}

// First occupied slot whose aura belongs to the group of `aura`, or -1.
int SlotOfGroup(const Catalogue& catalogue, const BuildState& state, const TAura& aura) {
    for (int i = 0; i < kAuraSlotCount; ++i) {
        const TAura* inForce = AuraInSlot(catalogue, state.AuraSlots[i]);
        if (inForce != nullptr && inForce->V0 == aura.V0) {
            return i;
        }
    }
    return -1;
}

// Aura numbers are bytes in every source list; anything else is no aura.
const TAura* ValidAura(const Catalogue& catalogue, int aura) {
    return aura >= 1 && aura <= 255 ? catalogue.Aura(aura) : nullptr;
}

} // namespace

void AddAura(const Catalogue& catalogue, BuildState& state, int aura) {
    const TAura* record = ValidAura(catalogue, aura);
    if (record == nullptr) {
        return;
    }
    const int slot = SlotOfGroup(catalogue, state, *record);
    if (slot >= 0) {
        state.AuraSlots[slot].Sources.push_back(static_cast<std::uint8_t>(aura));
        RecomputeAuraSlots(catalogue, state);
        return;
    }
    for (TCurAura& free : state.AuraSlots) {
        if (free.AuraNumber == 0) {
            free.AuraNumber = aura;
            free.Sources.assign(1, static_cast<std::uint8_t>(aura));
            RefreshAuraHints(catalogue, state);
            return;
        }
    }
}

void WithdrawAura(const Catalogue& catalogue, BuildState& state, int aura) {
    const TAura* record = ValidAura(catalogue, aura);
    if (record == nullptr) {
        return;
    }
    const int slot = SlotOfGroup(catalogue, state, *record);
    if (slot < 0) {
        return;
    }
    std::vector<std::uint8_t>& sources = state.AuraSlots[slot].Sources;
    const auto found = std::find(sources.begin(), sources.end(), static_cast<std::uint8_t>(aura));
    // Only a source equal to the aura withdrawn goes: another aura of the same
    // group, supplied by someone else, stays in force.
    if (found == sources.end()) {
        return;
    }
    sources.erase(found);
    if (sources.empty()) {
        for (int i = slot; i + 1 < kAuraSlotCount; ++i) {
            state.AuraSlots[i] = std::move(state.AuraSlots[i + 1]);
        }
        state.AuraSlots[kAuraSlotCount - 1] = TCurAura{};
    }
    RecomputeAuraSlots(catalogue, state);
}

void RecomputeAuraSlots(const Catalogue& catalogue, BuildState& state) {
    for (TCurAura& slot : state.AuraSlots) {
        slot.AuraNumber =
            slot.Sources.empty() ? 0 : *std::max_element(slot.Sources.begin(), slot.Sources.end());
    }
    RefreshAuraHints(catalogue, state);
}

void RefreshAuraHints(const Catalogue& catalogue, BuildState& state) {
    for (int i = 0; i < kAuraSlotCount; ++i) {
        const TAura* aura = AuraInSlot(catalogue, state.AuraSlots[i]);
        state.AuraHints[i] = aura != nullptr ? aura->Name : std::string();
    }
}

void ClearAuraSlots(BuildState& state) {
    for (TCurAura& slot : state.AuraSlots) {
        slot = TCurAura{};
    }
    for (std::string& hint : state.AuraHints) {
        hint.clear();
    }
}

} // namespace zephyr
