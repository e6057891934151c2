#include "level_progress.h"

#include "calculator.h"
#include "stat_computation.h"

#include <algorithm>

namespace zephyr {
namespace {

bool Carries(const BuildState& state, std::int32_t item) {
    return std::any_of(state.ItemSlots.begin(), state.ItemSlots.end(),
                       [item](const ItemSlot& slot) { return slot.ItemNumber == item; });
}

// Which of an ability and its linked item wins depends on which was switched
// last, which a replay cannot know; the build's own choice stands while the
// item is carried.
void TakeLinkWinners(BuildState& level, const BuildState& build) {
    for (int m = 1; m <= kAbilityCount; ++m) {
        AbilityItemLink& link = level.AbilityItemLinks[m - 1];
        const AbilityItemLink& built = build.AbilityItemLinks[m - 1];
        if (link.Linked && built.Linked && link.LinkedItem == built.LinkedItem &&
            Carries(level, link.LinkedItem)) {
            link.AbilityPrevails = built.AbilityPrevails;
        }
    }
}

// The user's values of the parameters that this level defines as well.
void TakeParameterValues(BuildState& level, const BuildState& build) {
    for (std::size_t m = 0; m < level.AbilityParams.size(); ++m) {
        for (std::size_t n = 0; n < level.AbilityParams[m].size(); ++n) {
            AbilityParam& param = level.AbilityParams[m][n];
            const AbilityParam& built = build.AbilityParams[m][n];
            if (param.Used && built.Used && param.Kind == built.Kind) {
                param.Value = built.Value;
            }
        }
    }
}

// The figures of the build replayed so far, with the build's switches.
HeroStats FiguresAt(Calculator replay, const BuildState& build) {
    for (int m = 1; m <= kAbilityCount; ++m) {
        if (build.AbilityActive[m - 1] && !replay.State().AbilityActive[m - 1]) {
            replay.ToggleAbility(m); // refused while the ability is not learned yet
        }
    }
    for (int s = 1; s <= kSlotCount; ++s) {
        if (build.SlotActive[s - 1] && !replay.State().SlotActive[s - 1]) {
            replay.ToggleSlot(s); // refused while the slot is still empty
        }
    }
    BuildState level = replay.State();
    TakeLinkWinners(level, build);
    TakeParameterValues(level, build);
    // The values are re-ranged by the level's own programs here.
    return ComputeStats(replay.Catalog(), level);
}

} // namespace

std::vector<HeroStats> LevelProgress(const Catalogue& catalogue, const BuildState& build) {
    std::vector<HeroStats> levels;
    Calculator replay(catalogue);
    if (build.HeroLevel < 1 || !replay.ChooseHero(build.CurrentHero)) {
        return levels;
    }
    const int entries = std::clamp(build.BuildOrderCount, 0, kBuildOrderLength);
    int picks = 0;
    for (int p = 0; p < entries; ++p) {
        const int code = build.BuildOrder[p];
        if (code >= 1 && code <= kAttributeBonus) {
            // The next pick closes the level before it.
            if (replay.State().HeroLevel > static_cast<int>(levels.size())) {
                levels.push_back(FiguresAt(replay, build));
            }
            if (picks < kMaxHeroLevel) {
                replay.LevelUp(build.SkillPicks[picks++]);
            }
        } else if (code > kSlotCodeOffset && code <= kSlotCodeOffset + kSlotCount) {
            const int slot = code - kSlotCodeOffset;
            replay.PlaceItem(slot, build.ItemSlots[slot - 1].ItemNumber);
        }
    }
    if (replay.State().HeroLevel > static_cast<int>(levels.size())) {
        levels.push_back(FiguresAt(replay, build));
    }
    return levels;
}

} // namespace zephyr
