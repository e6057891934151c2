#include "effect_program.h"

#include "float_conversion.h"
#include "formula.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zephyr {
namespace {

// The one item whose MoveSpeed raises the hero's own speed instead of the flat bonus.
constexpr std::string_view kSpeedScepterName = "Varn's Scepter Of Divinity";

// Where an effect came from: an item slot (1 to 6) or an ability (1 to 4).
struct EffectSource {
    EffectList Kind;
    int Number;

    int ProcIndex() const { return Kind == EffectList::Level ? Number - 1 : Number + 3; }
    int ProcSource() const { return Kind == EffectList::Level ? Number : Number + 4; }
};

const TItem* ItemInSlot(const StatRun& run, int slot) {
    return run.Catalogue.Item(run.State.ItemSlots[slot - 1].ItemNumber);
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
void DefineParameter(StatRun& run, int ability, int& counter, EffectCode code, const double* args) {
    const int index = counter++;
    if (ability < 1 || ability > kAbilityCount || index >= kParamsPerAbility) {
        return;
    }
    AbilityParam& param = run.State.AbilityParams[ability - 1][index];
    if (code == EffectCode::NumberParam) {
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

void ApplyEffect(StatRun& run, EffectSource source, EffectCode code, const double* args) {
    HeroStats& s = run.Stats;
    const double v = args[0];
    const double w = args[1];
    const bool item = source.Kind != EffectList::Level;
    switch (code) {
    case EffectCode::AttackTime:
        s.AttackCooldown = v;
        break;
    case EffectCode::Strength:
        Add(s.StrengthBonus, v);
        break;
    case EffectCode::Agility:
        Add(s.AgilityBonus, v);
        break;
    case EffectCode::Intelligence:
        Add(s.IntelligenceBonus, v);
        break;
    case EffectCode::HitPoints:
        Add(s.HitPoints, v);
        break;
    case EffectCode::Mana:
        Add(s.Mana, v);
        break;
    case EffectCode::Damage:
        Add(s.DamageBonus, v);
        break;
    case EffectCode::DamagePercent:
        Add(run.DamagePercent, v);
        break;
    case EffectCode::HpRegen:
        run.HpRegenFlat += v;
        break;
    case EffectCode::ManaRegen:
        run.ManaRegenFlat += v;
        break;
    case EffectCode::ManaRegenPercent:
        Add(run.ManaRegenPercent, v);
        break;
    case EffectCode::Armor:
        s.ArmorBonus += v;
        break;
    case EffectCode::AttackSpeed:
        Add(s.AttackSpeed, v);
        break;
    case EffectCode::MoveSpeed:
        if (source.Kind == EffectList::Level) {
            Add(run.SpeedFlat, v);
        } else if (source.Kind == EffectList::Unique) {
            RaiseTo(run.SpeedFlat, v);
        } else if (const TItem* carried = ItemInSlot(run, source.Number);
                   carried != nullptr && carried->Name == kSpeedScepterName) {
            const bool twin = EarlierSlotCarries(run, source.Number, [](const TItem& other) {
                return other.Name == kSpeedScepterName;
            });
            if (!twin) {
                s.MoveSpeed += TruncTowardZero(v);
            }
        } else {
            RaiseTo(run.SpeedFlat, v);
        }
        break;
    case EffectCode::MoveSpeedPercent:
        if (item) {
            const TItem* carried = ItemInSlot(run, source.Number);
            const std::int32_t icon = carried != nullptr ? carried->ImageIndex : 0;
            if (EarlierSlotCarries(run, source.Number, [icon](const TItem& other) {
                    return other.ImageIndex == icon;
                })) {
                break;
            }
        }
        Add(run.SpeedPercent, v);
        break;
    case EffectCode::Range:
        Add(run.RangeBonus, v);
        break;
    case EffectCode::LifeSteal:
        if (source.Kind == EffectList::Level) {
            Add(s.LifeSteal, v);
        } else if (source.Kind == EffectList::Unique) {
            Add(run.ItemLifeSteal, v);
        } else if (run.ItemLifeSteal == 0) {
            run.ItemLifeSteal = TruncToInt32(v);
        }
        break;
    case EffectCode::PhysicalEhp:
        Add(run.PhysEhpBonus, v);
        break;
    case EffectCode::MagicalEhp:
        Add(run.MagicEhpBonus, v);
        break;
    case EffectCode::PhysicalDps:
        Add(run.PhysDpsFlat, v);
        break;
    case EffectCode::MagicalDps:
        Add(run.MagicDpsFlat, v);
        break;
    case EffectCode::MagicResist:
        RaiseTo(item ? run.ItemMagicResist : run.AbilityMagicResist, v);
        break;
    case EffectCode::Evasion:
        RaiseTo(run.EvasionPercent, v);
        break;
    case EffectCode::Miss:
        RaiseTo(run.MissPercent, v);
        break;
    case EffectCode::TriggeredEvasion:
        RaiseTo(run.TriggeredEvasionPercent, v);
        break;
    case EffectCode::Bash:
        AddBash(run, source, v, w, args[2]);
        break;
    case EffectCode::Crit:
        run.CritNone *= 1.0 - v / 100.0;
        SetProc(run, source, kProcCrit, v, w, false);
        break;
    case EffectCode::PhysicalProc:
        Add(run.PhysProcDamage, v / 100.0 * w);
        break;
    case EffectCode::HpDrain:
        run.HpDrain += v;
        break;
    case EffectCode::AttackTypeBash:
        AddBash(run, source, s.IsRanged ? w : v, args[2], args[3]);
        break;
    case EffectCode::ManaDrain:
        run.ManaDrain += v;
        break;
    case EffectCode::MagicalProc:
        Add(run.MagicProcDamage, v / 100.0 * w);
        break;
    case EffectCode::LateDamage:
        Add(run.DamageBonusLate, v);
        break;
    case EffectCode::LateMagicalDamage:
        Add(run.MagicDamageLate, v);
        break;
    case EffectCode::RegenerationBase:
        run.HpRegenBase = v;
        break;
    case EffectCode::Shield:
        AddSaturated(run.Shield, std::min(TruncToInt32(v), TruncToInt32(w)));
        break;
    case EffectCode::NumberParam:
    case EffectCode::YesNoParam:
        // Parameter definitions are read by the level-program walk.
        break;
    }
}

// The effect a token starts when it is a code that acts in `list`.
const EffectInfo* ActingEffect(const TEffectToken& token, EffectList list) {
    const EffectInfo* effect = token.IsCode ? FindEffect(token.Value) : nullptr;
    return effect != nullptr && effect->ActsIn(list) ? effect : nullptr;
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

void RunEffectList(StatRun& run, std::span<const TEffectToken> list, int slot, bool unique) {
    if (slot < 1 || slot > kSlotCount) {
        return;
    }
    const EffectSource source{unique ? EffectList::Unique : EffectList::Stacking, slot};
    std::size_t i = 0;
    while (i < list.size()) {
        const EffectInfo* effect = ActingEffect(list[i], source.Kind);
        if (effect == nullptr) {
            ++i;
            continue;
        }
        const auto count = static_cast<std::size_t>(effect->ArgumentCount);
        // An effect cut off by the end of the list is passed over.
        if (i + 2 * count >= list.size()) {
            ++i;
            continue;
        }
        std::array<double, kMaxEffectArguments> args{};
        for (std::size_t k = 1; k <= count; ++k) {
            args[k - 1] = list[i + 2 * k].Value / 100.0;
        }
        ApplyEffect(run, source, effect->Code, args.data());
        i += 2 * count + 2;
    }
}

void RunLevelProgram(StatRun& run, std::span<const TEffectToken> list, int ability) {
    if (ability < 1 || ability > kAbilityCount) {
        return;
    }
    const EffectSource source{EffectList::Level, ability};
    std::array<SeparatorFinder, kMaxEffectArguments> separators{};
    int paramCounter = 0;
    std::size_t i = 0;
    while (i < list.size()) {
        const EffectInfo* effect = ActingEffect(list[i], EffectList::Level);
        if (effect == nullptr) {
            ++i;
            continue;
        }
        const EffectCode code = effect->Code;
        const int count = effect->ArgumentCount;
        // Every argument's run is found before any is evaluated: an effect
        // that turns out incomplete costs no formula work.
        std::array<std::size_t, kMaxEffectArguments> runStart{};
        std::array<std::size_t, kMaxEffectArguments> runEnd{};
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
        std::array<double, kMaxEffectArguments> args{};
        for (int k = 0; k < count; ++k) {
            args[k] =
                EvaluateFormula(run, list.subspan(runStart[k], runEnd[k] - runStart[k]), ability);
        }
        const std::size_t next = std::min(runEnd[count - 1] + 1, list.size());
        if (code == EffectCode::NumberParam || code == EffectCode::YesNoParam) {
            DefineParameter(run, ability, paramCounter, code, args.data());
        } else {
            ApplyEffect(run, source, code, args.data());
        }
        i = next;
    }
}

} // namespace zephyr
