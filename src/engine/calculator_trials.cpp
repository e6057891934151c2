#include "calculator.h"

#include "stat_computation.h"

namespace zephyr {

// What the calculator works out without changing the build.

HeroStats Calculator::Preview(const Gesture& gesture) const {
    Calculator trial(*this);
    ApplyGesture(trial, gesture);
    return trial.stats_;
}

StatRecord Calculator::RecordStats() const {
    BuildState copy = state_;
    StatRecord record;
    ComputeStats(*catalogue_, copy, &record);
    return record;
}

} // namespace zephyr
