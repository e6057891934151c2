#include "orb_rules.h"

#include "float_conversion.h"

namespace zephyr {
namespace {

constexpr int kSlotOrbRule = 3;
constexpr int kNoOrbWorksRule = 5;
constexpr int kBothOrbsRule = 6;

class OrbResolver {
public:
    explicit OrbResolver(StatRun& run)
        : run_(run), categoryCount_(static_cast<int>(run.Catalogue.OrbCategories.size())) {}

    void Resolve() {
        HeroStats& s = run_.Stats;
        s.OrbShown = run_.FirstOrb != 0 || run_.SecondOrb != 0;
        s.OrbPicture1 = 0;
        s.OrbPicture2 = 0;
        if (!s.OrbShown) {
            return;
        }
        if (run_.AbilityOrbFound) {
            ResolveWithAbilityOrb();
        } else {
            ResolveItemOrbs();
        }
    }

private:
    // Category of item orb k; a category outside the table counts as none.
    int Category(int orb) const {
        const TOrb* record = run_.Catalogue.ItemOrb(orb);
        if (record == nullptr || record->Category < 1 || record->Category > categoryCount_) {
            return 0;
        }
        return record->Category;
    }

    void TakeChance(const TOrb& orb) {
        if (orb.ProcChance != 0) {
            run_.OrbChance = orb.ProcChance;
            run_.OrbDamage = orb.ProcDamage;
        }
    }

    void Apply(int orb) {
        if (const TOrb* record = run_.Catalogue.ItemOrb(orb)) {
            TakeChance(*record);
            AddSaturated(run_.Stats.LifeSteal, record->LifeSteal);
        }
    }

    // Item orb of the item in slot (1 to 6), 0 when it has none.
    int SlotOrb(int slot) const {
        const TItem* item = run_.Catalogue.Item(run_.State.ItemSlots[slot - 1].ItemNumber);
        if (item == nullptr || run_.Catalogue.ItemOrb(item->OrbCode) == nullptr) {
            return 0;
        }
        return item->OrbCode;
    }

    void ResolveWithAbilityOrb() {
        HeroStats& s = run_.Stats;
        const int abilityPicture = categoryCount_ + run_.FirstOrb;
        const int second = Category(run_.SecondOrb);
        int rule = 1;
        if (run_.SecondOrb != 0) {
            rule = 0;
            if (second != 0) {
                for (const TOrbPair& row : run_.Catalogue.AbilityOrbTable) {
                    if (row.First == run_.FirstOrb && row.Second == second) {
                        rule = row.Result;
                        break;
                    }
                }
            }
        }
        switch (rule) {
        case 1:
            s.OrbPicture1 = abilityPicture;
            break;
        case 2:
            s.OrbPicture1 = second;
            Apply(run_.SecondOrb);
            break;
        case kSlotOrbRule:
            if (SlotOrb(1) != 0) {
                s.OrbPicture1 = second;
                Apply(run_.SecondOrb);
            } else {
                s.OrbPicture1 = abilityPicture;
            }
            break;
        case kNoOrbWorksRule:
            s.OrbPicture1 = -1;
            break;
        case kBothOrbsRule:
            s.OrbPicture1 = abilityPicture;
            s.OrbPicture2 = second;
            Apply(run_.SecondOrb);
            break;
        default:
            break;
        }
    }

    int PairRule(int first, int second) const {
        if (first == 0 || second == 0) {
            return 0;
        }
        const auto& table =
            run_.Stats.IsRanged ? run_.Catalogue.RangedOrbTable : run_.Catalogue.MeleeOrbTable;
        for (const TOrbPair& row : table) {
            if (row.First == first && row.Second == second) {
                return row.Result;
            }
            if (row.First == second && row.Second == first) {
                // Read the other way round, "first wins" and "second wins" swap.
                return row.Result == 1 ? 2 : row.Result == 2 ? 1 : row.Result;
            }
        }
        return 0;
    }

    void ResolveItemOrbs() {
        HeroStats& s = run_.Stats;
        const int first = Category(run_.FirstOrb);
        const int second = Category(run_.SecondOrb);
        const int rule = run_.SecondOrb == 0 ? 1 : PairRule(first, second);
        switch (rule) {
        case 1:
            s.OrbPicture1 = first;
            Apply(run_.FirstOrb);
            break;
        case 2:
            s.OrbPicture1 = second;
            Apply(run_.SecondOrb);
            break;
        case kSlotOrbRule:
            for (int slot = 1; slot <= kSlotCount; ++slot) {
                if (const int orb = SlotOrb(slot); orb != 0) {
                    s.OrbPicture1 = Category(orb);
                    Apply(orb);
                    break;
                }
            }
            break;
        case kNoOrbWorksRule:
            s.OrbPicture1 = -1;
            break;
        case kBothOrbsRule: {
            s.OrbPicture1 = first;
            s.OrbPicture2 = second;
            const TOrb* a = run_.Catalogue.ItemOrb(run_.FirstOrb);
            const TOrb* b = run_.Catalogue.ItemOrb(run_.SecondOrb);
            if (a != nullptr && a->ProcChance != 0) {
                TakeChance(*a);
            } else if (b != nullptr) {
                TakeChance(*b);
            }
            if (a != nullptr) {
                AddSaturated(s.LifeSteal, a->LifeSteal);
            }
            if (b != nullptr) {
                AddSaturated(s.LifeSteal, b->LifeSteal);
            }
            break;
        }
        default:
            break;
        }
    }

    StatRun& run_;
    int categoryCount_;
};

} // namespace

void ResolveOrbs(StatRun& run) {
    OrbResolver(run).Resolve();
}

} // namespace zephyr
