#include "proc_rules.h"

#include <array>
#include <tuple>
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

// Shares of the whole chain, crits and bashes alike, in table order up to
// the first empty entry: each is the chance that this proc fires and no proc
// before it did. The form matches the crit-only one above, so a chain of
// bashes alone comes out the same to the last bit.
std::array<double, std::tuple_size_v<ProcTable>> ChainShares(const ProcTable& procs) {
    std::array<double, std::tuple_size_v<ProcTable>> shares{};
    double none = 1.0;
    double taken = 0.0;
    for (std::size_t i = 0; i < procs.size() && procs[i].ProcKind != kProcNone; ++i) {
        none *= 1.0 - procs[i].Chance / 100.0;
        shares[i] = 1.0 - none - taken;
        taken += shares[i];
    }
    return shares;
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
    // The crits keep their shares among the crits, which CritExtraDamage
    // uses; a bash is the first to fire only if nothing ahead of it did.
    ComputeCritEffective(procs);
    const auto shares = ChainShares(procs);
    bashChance = 0.0;
    for (std::size_t i = 0; i < procs.size() && procs[i].ProcKind != kProcNone; ++i) {
        ProcEntry& entry = procs[i];
        if (entry.ProcKind == kProcBash) {
            entry.Effective = shares[i];
            if (!entry.NotCounted) {
                bashChance += entry.Effective;
            }
        }
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
    const auto shares = ChainShares(procs);
    double none = 1.0 - orbChance / 100.0;
    double taken = 0.0;
    for (std::size_t i = 0; i < procs.size(); ++i) {
        none *= 1.0 - procs[i].Chance / 100.0;
        taken += shares[i];
    }
    return (1.0 - none - taken) * 100.0;
}

} // namespace zephyr
