#include "proc_rules.h"

#include <utility>

namespace zephyr {
namespace {

bool AbilityCodeEarlier(const BuildOrderCodes& order, int position, int code) {
    for (int p = 0; p < position; ++p) {
        if (order[p] == code) {
            return true;
        }
    }
    return false;
}

// Effective chances of the crits alone, in table order, up to the first empty
// entry: each is the chance that this crit fires and no crit before it did.
void ComputeCritEffective(ProcTable& procs) {
    double none = 1.0;
    double taken = 0.0;
    for (ProcEntry& entry : procs) {
        if (entry.ProcKind == kProcNone) {
            break;
        }
        if (entry.ProcKind == kProcCrit) {
            none *= 1.0 - entry.Chance / 100.0;
            entry.Effective = 1.0 - none - taken;
            taken += entry.Effective;
        }
    }
}

} // namespace

void OrderProcs(ProcTable& procs, const BuildOrderCodes& order) {
    int placed = 0;
    for (int q = kBuildOrderLength - 1; q >= 0 && placed < static_cast<int>(procs.size()); --q) {
        const int code = order[q];
        int source = 0;
        if (code >= 1 && code <= kAbilityCount) {
            if (AbilityCodeEarlier(order, q, code)) {
                continue;
            }
            source = code;
        } else if (code >= 1 + kSlotCodeOffset && code <= kSlotCount + kSlotCodeOffset) {
            source = code - 1;
        } else {
            continue;
        }
        for (ProcEntry& entry : procs) {
            if (entry.ProcKind != kProcNone && entry.Source == source) {
                std::swap(entry, procs[placed]);
                ++placed;
                break;
            }
        }
    }
}

double BashExtraDamage(ProcTable& procs, const BuildOrderCodes& order, bool ranged,
                       double& bashChance) {
    OrderProcs(procs, order);
    double damage = 0.0;
    if (!ranged) {
        for (const ProcEntry& entry : procs) {
            if (entry.ProcKind == kProcBash) {
                damage += entry.Chance / 100.0 * entry.Amount;
            }
        }
        return damage;
    }
    ComputeCritEffective(procs);
    bashChance = 0.0;
    double none = 1.0;
    double taken = 0.0;
    for (ProcEntry& entry : procs) {
        if (entry.ProcKind == kProcNone) {
            break;
        }
        none *= 1.0 - entry.Chance / 100.0;
        if (entry.ProcKind == kProcBash) {
            entry.Effective = 1.0 - none - taken;
            if (!entry.NotCounted) {
                bashChance += entry.Effective;
            }
        }
        taken += entry.Effective;
    }
    for (const ProcEntry& entry : procs) {
        if (entry.ProcKind == kProcBash) {
            damage += entry.Effective * entry.Amount;
        }
    }
    return damage;
}

double CritExtraDamage(ProcTable& procs, const BuildOrderCodes& order, double averageDamage) {
    OrderProcs(procs, order);
    ComputeCritEffective(procs);
    double damage = 0.0;
    for (const ProcEntry& entry : procs) {
        if (entry.ProcKind == kProcCrit) {
            damage += (entry.Amount - 1.0) * entry.Effective * averageDamage;
        }
    }
    return damage;
}

double AdjustOrbChance(const ProcTable& procs, double orbChance) {
    double none = 1.0 - orbChance / 100.0;
    double taken = 0.0;
    for (const ProcEntry& entry : procs) {
        none *= 1.0 - entry.Chance / 100.0;
        taken += entry.Effective;
    }
    return (1.0 - none - taken) * 100.0;
}

} // namespace zephyr
