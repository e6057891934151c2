#pragma once

#include "stat_run.h"

#include <array>

namespace zephyr {

// Every recorded quantity as it stands between two sources of a pass.
using QuantitySnapshot = std::array<double, kQuantityCount>;

QuantitySnapshot TakeSnapshot(const StatRun& run);

// Records, for each quantity that moved since `before`, the move as the
// source's contribution.
void RecordChanges(StatRun& run, SourceKind kind, int number, const QuantitySnapshot& before);

// Records one contribution the formulas make, outside the sources.
void RecordAmount(StatRun& run, Quantity what, SourceKind kind, double amount);

// Runs `apply` as the work of one source, recording what it moved when the
// pass records at all.
template <class Apply> void AsSource(StatRun& run, SourceKind kind, int number, Apply apply) {
    if (run.Record == nullptr) {
        apply();
        return;
    }
    const QuantitySnapshot before = TakeSnapshot(run);
    apply();
    RecordChanges(run, kind, number, before);
}

} // namespace zephyr
