#include "build_state.h"

namespace zephyr {

std::uint8_t AbilityLevel(const BuildState& state, int k) {
    std::uint8_t count = 0;
    for (std::uint8_t pick : state.SkillPicks) {
        if (pick == k) {
            ++count;
        }
    }
    return count;
}

void ResetParams(BuildState& state, int row) {
    auto clear = [](AbilityParamRow& params) {
        for (AbilityParam& param : params) {
            param.Used = false;
            param.Value = 0;
            param.Min = 0;
            param.Max = 0;
        }
    };
    if (row == -1) {
        for (AbilityParamRow& params : state.AbilityParams) {
            clear(params);
        }
    } else if (row >= 0 && row < kAbilityCount) {
        clear(state.AbilityParams[static_cast<std::size_t>(row)]);
    }
}

} // namespace zephyr
