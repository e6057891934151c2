#include "effect_program.h"

#include "float_conversion.h"
#include "formula.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zephyr {
namespace {

enum class ListKind { Stacking, Unique, Level };

constexpr std::int32_t kLastStackingCode = 1033;
constexpr std::int32_t kLastUniqueCode = 1035;
constexpr std::int32_t kLastLevelCode = 1037;
constexpr std::int32_t kNumberParamCode = 1004;
constexpr std::int32_t kYesNoParamCode = 1005;
constexpr std::int32_t kAttackTypeBashCode = 1031;
constexpr int kMaxArguments = 4;

// The one item whose 1015 raises the hero's own speed instead of the flat bonus.
constexpr std::string_view kSpeedScepterName = "Varn's Scepter Of Divinity";

// Where an effect came from: an item slot (1 to 6) or an ability (1 to 4).
struct EffectSource {
    ListKind kind;
    int number;

    int ProcIndex() const { return kind == ListKind::Level ? number - 1 : number + 3; }
    int ProcSource() const { return kind == ListKind::Level ? number : number + 4; }
};

const TItem* ItemInSlot(const StatRun& run, int slot) {
    return run.catalogue.Item(run.state.ItemSlots[slot - 1].ItemNumber);
}

// Whether an occupied slot before `slot` carries an item that `same` accepts.
template <class Same> bool EarlierSlotCarries(const StatRun& run, int slot, Same same) {
    for (int earlier = 1; earlier < slot; ++earlier) {
        const TItem* item = ItemInSlot(run, earlier);
        if (item != nullptr && same(*item)) {
            return true;
        }
    }
    return false;
}

void RaiseTo(std::int32_t& target, double value) {
    target = std::max(target, TruncToInt32(value));
}

void Add(std::int32_t& target, double value) {
    AddSaturated(target, TruncToInt32(value));
}

void SetProc(StatRun& run, EffectSource source, std::uint8_t kind, double chance, double amount,
             bool notCounted) {
    ProcEntry& entry = run.Procs[source.ProcIndex()];
    entry.ProcKind = kind;
    entry.Chance = chance;
    entry.Amount = amount;
    entry.Source = source.ProcSource();
    entry.NotCounted = notCounted;
}

void AddBash(StatRun& run, EffectSource source, double chance, double damage, double mode) {
    if (mode == 0) {
        run.BashNone *= 1.0 - chance / 100.0;
    }
    SetProc(run, source, kProcBash, chance, damage, mode == 1);
}

// The parameter records of an ability keep the user's value across runs: a
// definition sets the default once and afterwards only re-ranges.
void DefineParameter(StatRun& run, int ability, int& counter, std::int32_t code,
                     const double* args) {
    const int index = counter++;
    if (ability < 1 || ability > kAbilityCount || index >= kParamsPerAbility) {
        return;
    }
    AbilityParam& param = run.state.AbilityParams[ability - 1][index];
    if (code == kNumberParamCode) {
        const std::int32_t low = TruncToInt32(args[0]);
        const std::int32_t high = TruncToInt32(args[1]);
        if (!param.Used) {
            param.Used = true;
            param.Kind = 0;
            param.Min = low;
            param.Max = high;
            param.Value = TruncToInt32(args[2]);
        } else {
            param.Min = low;
            param.Max = high;
            param.Value = std::max(std::min(param.Value, param.Max), param.Min);
        }
    } else if (!param.Used) {
        param.Used = true;
        param.Kind = 1;
        param.Value = TruncToInt32(args[0]);
    }
}

void ApplyEffect(StatRun& run, EffectSource source, std::int32_t code, const double* args) {
    HeroStats& s = run.stats;
    const double v = args[0];
    const double w = args[1];
    const bool item = source.kind != ListKind::Level;
    switch (code) {
    case 1000:
        s.AttackCooldown = v;
        break;
    case 1001:
        Add(s.StrengthBonus, v);
        break;
    case 1002:
        Add(s.AgilityBonus, v);
        break;
    case 1003:
        Add(s.IntelligenceBonus, v);
        break;
    case 1006:
        Add(s.HitPoints, v);
        break;
    case 1007:
        Add(s.Mana, v);
        break;
    case 1008:
        Add(s.DamageBonus, v);
        break;
    case 1009:
        Add(run.DamagePercent, v);
        break;
    case 1010:
        run.HpRegenFlat += v;
        break;
    case 1011:
        run.ManaRegenFlat += v;
        break;
    case 1012:
        Add(run.ManaRegenPercent, v);
        break;
    case 1013:
        s.ArmorBonus += v;
        break;
    case 1014:
        Add(s.AttackSpeed, v);
        break;
    case 1015:
        if (source.kind == ListKind::Level) {
            Add(run.SpeedFlat, v);
        } else if (source.kind == ListKind::Unique) {
            RaiseTo(run.SpeedFlat, v);
        } else if (const TItem* carried = ItemInSlot(run, source.number);
                   carried != nullptr && carried->Name == kSpeedScepterName) {
            const bool twin = EarlierSlotCarries(run, source.number, [](const TItem& other) {
                return other.Name == kSpeedScepterName;
            });
            if (!twin) {
                s.MoveSpeed += TruncTowardZero(v);
            }
        } else {
            RaiseTo(run.SpeedFlat, v);
        }
        break;
    case 1016:
        if (item) {
            const TItem* carried = ItemInSlot(run, source.number);
            const std::int32_t icon = carried != nullptr ? carried->ImageIndex : 0;
            if (EarlierSlotCarries(run, source.number, [icon](const TItem& other) {
                    return other.ImageIndex == icon;
                })) {
                break;
            }
        }
        Add(run.SpeedPercent, v);
        break;
    case 1017:
        Add(run.RangeBonus, v);
        break;
    case 1018:
        if (source.kind == ListKind::Level) {
            Add(s.LifeSteal, v);
        } else if (source.kind == ListKind::Unique) {
            Add(run.ItemLifeSteal, v);
        } else if (run.ItemLifeSteal == 0) {
            run.ItemLifeSteal = TruncToInt32(v);
        }
        break;
    case 1019:
        Add(run.PhysEhpBonus, v);
        break;
    case 1020:
        Add(run.MagicEhpBonus, v);
        break;
    case 1021:
        Add(run.PhysDpsFlat, v);
        break;
    case 1022:
        Add(run.MagicDpsFlat, v);
        break;
    case 1023:
        RaiseTo(item ? run.ItemMagicResist : run.AbilityMagicResist, v);
        break;
    case 1024:
        RaiseTo(run.EvasionPct, v);
        break;
    case 1025:
        RaiseTo(run.MissPct, v);
        break;
    case 1026:
        RaiseTo(run.TriggeredEvasionPct, v);
        break;
    case 1027:
        AddBash(run, source, v, w, args[2]);
        break;
    case 1028:
        run.CritNone *= 1.0 - v / 100.0;
        SetProc(run, source, kProcCrit, v, w, false);
        break;
    case 1029:
        Add(run.PhysProcDamage, v / 100.0 * w);
        break;
    case 1030:
        run.HpDrain += v;
        break;
    case kAttackTypeBashCode:
        AddBash(run, source, s.IsRanged ? w : v, args[2], args[3]);
        break;
    case 1032:
        run.ManaDrain += v;
        break;
    case 1033:
        Add(run.MagicProcDamage, v / 100.0 * w);
        break;
    case 1034:
        Add(run.DamageBonusLate, v);
        break;
    case 1035:
        Add(run.MagicDamageLate, v);
        break;
    case 1036:
        if (!item) {
            run.HpRegenBase = v;
        }
        break;
    case 1037:
        if (!item) {
            AddSaturated(run.Shield, std::min(TruncToInt32(v), TruncToInt32(w)));
        }
        break;
    default:
        break;
    }
}

bool IsToken(const TEffectToken& token, std::int32_t code) {
    return token.IsCode && token.Value == code;
}

std::size_t FindToken(std::span<const TEffectToken> list, std::size_t from, std::int32_t code) {
    for (std::size_t i = from; i < list.size(); ++i) {
        if (IsToken(list[i], code)) {
            return i;
        }
    }
    return list.size();
}

// Finds the separator that ends argument k of an effect in a level program.
// An effect that misses a separator is retried one token later, so a plain
// search would scan the rest of the list again for every token and a hostile
// program of 65535 tokens would stall every click. Along one walk the search
// for argument k only ever starts further on, and no separator lies between
// the start of the last search and its result, so that result stands for
// every start up to it: each finder reads each token at most once.
class SeparatorFinder {
public:
    std::size_t Next(std::span<const TEffectToken> list, std::size_t from) {
        if (!valid_ || from < from_ || from > at_) {
            from_ = from;
            at_ = FindToken(list, from, kSeparatorToken);
            valid_ = true;
        }
        return at_;
    }

private:
    bool valid_ = false;
    std::size_t from_ = 0;
    std::size_t at_ = 0;
};

} // namespace

int EffectArgumentCount(std::int32_t code) {
    switch (code) {
    case 1004:
    case 1027:
        return 3;
    case 1028:
    case 1029:
    case 1033:
    case 1037:
        return 2;
    case 1031:
        return 4;
    default:
        return code >= kFirstEffectCode && code <= kLastLevelCode ? 1 : 0;
    }
}

void RunEffectList(StatRun& run, std::span<const TEffectToken> list, int slot, bool unique) {
    if (slot < 1 || slot > kSlotCount) {
        return;
    }
    const std::int32_t last = unique ? kLastUniqueCode : kLastStackingCode;
    const EffectSource source{unique ? ListKind::Unique : ListKind::Stacking, slot};
    std::size_t i = 0;
    while (i < list.size()) {
        const TEffectToken& token = list[i];
        const std::int32_t code = token.Value;
        if (!token.IsCode || code < kFirstEffectCode || code > last || code == kNumberParamCode ||
            code == kYesNoParamCode) {
            ++i;
            continue;
        }
        const auto count = static_cast<std::size_t>(EffectArgumentCount(code));
        // An effect cut off by the end of the list is passed over.
        if (i + 2 * count >= list.size()) {
            ++i;
            continue;
        }
        std::array<double, kMaxArguments> args{};
        for (std::size_t k = 1; k <= count; ++k) {
            args[k - 1] = list[i + 2 * k].Value / 100.0;
        }
        ApplyEffect(run, source, code, args.data());
        i += 2 * count + 2;
    }
}

void RunLevelProgram(StatRun& run, std::span<const TEffectToken> list, int ability) {
    if (ability < 1 || ability > kAbilityCount) {
        return;
    }
    const EffectSource source{ListKind::Level, ability};
    std::array<SeparatorFinder, kMaxArguments> separators{};
    int paramCounter = 0;
    std::size_t i = 0;
    while (i < list.size()) {
        const TEffectToken& token = list[i];
        const std::int32_t code = token.Value;
        if (!token.IsCode || code < kFirstEffectCode || code > kLastLevelCode ||
            code == kAttackTypeBashCode) {
            ++i;
            continue;
        }
        const int count = EffectArgumentCount(code);
        // Every argument's run is found before any is evaluated: an effect
        // that turns out incomplete costs no formula work.
        std::array<std::size_t, kMaxArguments> runStart{};
        std::array<std::size_t, kMaxArguments> runEnd{};
        std::size_t start = i + 2;
        bool complete = true;
        for (int k = 0; k < count; ++k) {
            if (start >= list.size()) {
                complete = false;
                break;
            }
            const bool lastArgument = k + 1 == count;
            const std::size_t end =
                lastArgument ? FindToken(list, start, kEndToken) : separators[k].Next(list, start);
            if (!lastArgument && end == list.size()) {
                complete = false;
                break;
            }
            runStart[k] = start;
            runEnd[k] = end;
            start = end + 1;
        }
        if (!complete) {
            ++i;
            continue;
        }
        std::array<double, kMaxArguments> args{};
        for (int k = 0; k < count; ++k) {
            args[k] =
                EvaluateFormula(run, list.subspan(runStart[k], runEnd[k] - runStart[k]), ability);
        }
        const std::size_t next = std::min(runEnd[count - 1] + 1, list.size());
        if (code == kNumberParamCode || code == kYesNoParamCode) {
            DefineParameter(run, ability, paramCounter, code, args.data());
        } else {
            ApplyEffect(run, source, code, args.data());
        }
        i = next;
    }
}

} // namespace zephyr
