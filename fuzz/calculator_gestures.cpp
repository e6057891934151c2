// The effect interpreters, EvaluateFormula and the calculator's rules: the
// input's first bytes make a small catalogue (heroes whose level programs,
// items whose effect lists and the auras and orbs they name come from the
// input), the rest is a sequence of gestures on the Calculator, with every
// screen answer read after each.
#include "fuzz_check.h"

#include "engine/build_order_list.h"
#include "engine/build_state.h"
#include "engine/calculator.h"
#include "engine/effect_program.h"
#include "engine/formula.h"
#include "engine/level_progress.h"
#include "engine/level_progress_table.h"
#include "engine/stat_breakdown.h"
#include "engine/stat_format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>
#include <vector>

namespace zephyr {
namespace {

constexpr int kMaxGestures = 150;
constexpr std::size_t kMaxTokens = 32;

class CatalogueInput {
public:
    explicit CatalogueInput(FuzzedDataProvider& in) : in_(in) {}

    Catalogue Build() {
        Catalogue c;
        const int categories = in_.ConsumeIntegralInRange(0, 3);
        for (int k = 1; k <= categories; ++k) {
            c.OrbCategories.push_back("Category " + std::to_string(k));
        }
        const int abilityOrbs = in_.ConsumeIntegralInRange(0, 2);
        for (int k = 1; k <= abilityOrbs; ++k) {
            c.AbilityOrbs.push_back("Ability orb " + std::to_string(k));
        }
        const int itemOrbs = in_.ConsumeIntegralInRange(0, 3);
        for (int k = 1; k <= itemOrbs; ++k) {
            c.ItemOrbs.push_back(TOrb{"Orb", Reference(categories), Number(), Number(), Number()});
        }
        for (auto* table : {&c.MeleeOrbTable, &c.RangedOrbTable, &c.AbilityOrbTable}) {
            const int rows = in_.ConsumeIntegralInRange(0, 6);
            for (int r = 0; r < rows; ++r) {
                table->push_back(TOrbPair{Reference(3), Reference(3),
                                          in_.ConsumeIntegralInRange<std::uint8_t>(0, 7)});
            }
        }
        const int auras = in_.ConsumeIntegralInRange(0, 4);
        for (int k = 0; k < auras; ++k) {
            TAura aura;
            aura.Name = "Aura " + std::to_string(k + 1);
            aura.V0 = in_.ConsumeBool() ? in_.ConsumeIntegral<std::int32_t>()
                                        : in_.ConsumeIntegralInRange(0, 3);
            for (std::int32_t* v : {&aura.V1, &aura.V2, &aura.V3, &aura.V4, &aura.V5, &aura.V6,
                                    &aura.V7, &aura.V8, &aura.V9, &aura.V10}) {
                *v = Number();
            }
            c.Auras.push_back(aura);
        }
        const int items = in_.ConsumeIntegralInRange(1, 6);
        for (int k = 0; k < items; ++k) {
            AddItem(c, auras, itemOrbs);
        }
        const int heroes = in_.ConsumeIntegralInRange(1, 3);
        for (int k = 0; k < heroes; ++k) {
            c.Heroes.push_back(Hero(auras, items, abilityOrbs));
        }
        return c;
    }

private:
    // Mostly plausible values, sometimes any 32-bit one.
    std::int32_t Number() {
        return in_.ConsumeBool() ? in_.ConsumeIntegralInRange(-2000, 20000)
                                 : in_.ConsumeIntegral<std::int32_t>();
    }

    // A 1-based reference to one of `count` records, or just past either end.
    std::uint8_t Reference(int count) {
        return in_.ConsumeIntegralInRange<std::uint8_t>(0, static_cast<std::uint8_t>(count + 1));
    }

    std::vector<std::uint8_t> References(int count) {
        std::vector<std::uint8_t> list(in_.ConsumeIntegralInRange(0, 3));
        for (std::uint8_t& reference : list) {
            reference = in_.ConsumeBool() ? Reference(count) : in_.ConsumeIntegral<std::uint8_t>();
        }
        return list;
    }

    TEffectToken Token() {
        switch (in_.ConsumeIntegralInRange(0, 7)) {
        case 0:
            return {false, in_.ConsumeIntegralInRange(-100000, 100000)};
        case 1:
            return {false, in_.ConsumeIntegral<std::int32_t>()};
        case 2:
            return {true, CodeValue(kFormulaOperators[in_.ConsumeIntegralInRange<std::size_t>(
                                                          0, kFormulaOperators.size() - 1)]
                                        .Operator)};
        case 3:
            return {true, kSeparatorToken};
        case 4:
            return {true, kEndToken};
        case 5:
            // every effect code and one past each end
            return {true, in_.ConsumeIntegralInRange(kFirstEffectCode - 1, kLastEffectCode + 1)};
        case 6:
            return {true, in_.ConsumeIntegralInRange(kFirstVariableCode, kLastVariableCode + 1)};
        default:
            return {true, in_.ConsumeIntegral<std::int32_t>()};
        }
    }

    // An effect the interpreters take: code, opening token, arguments
    // (short formulas in level programs) with separators, end token.
    void Effect(TEffectList& list) {
        const std::int32_t code = in_.ConsumeIntegralInRange(kFirstEffectCode, kLastEffectCode);
        list.push_back({true, code});
        list.push_back({true, kSeparatorToken});
        for (int k = 0; k < EffectArgumentCount(code); ++k) {
            if (k > 0) {
                list.push_back({true, kSeparatorToken});
            }
            const int length = in_.ConsumeIntegralInRange(1, 3);
            for (int t = 0; t < length; ++t) {
                list.push_back(Token());
            }
        }
        list.push_back({true, kEndToken});
    }

    TEffectList Program() {
        TEffectList list;
        while (list.size() < kMaxTokens && in_.ConsumeBool()) {
            if (in_.ConsumeBool()) {
                Effect(list);
            } else {
                list.push_back(Token());
            }
        }
        return list;
    }

    void AddItem(Catalogue& c, int auras, int itemOrbs) {
        static const std::array<std::string, 5> kNames = {"Boots", "Blade - Red", "Blade - Blue",
                                                          "Varn's Scepter Of Divinity", "Ring"};
        TItem item;
        item.Name = in_.ConsumeBool() ? kNames[in_.ConsumeIntegralInRange<std::size_t>(0, 4)]
                                      : in_.ConsumeRandomLengthString(60);
        item.ImageIndex = in_.ConsumeIntegralInRange(0, 8);
        item.Cost = in_.ConsumeIntegral<std::uint16_t>();
        item.OrbCode =
            in_.ConsumeBool() ? Reference(itemOrbs) : in_.ConsumeIntegral<std::uint8_t>();
        item.OnePerHero = in_.ConsumeBool();
        item.PassiveAuras = References(auras);
        item.StackingEffects = Program();
        item.Activatable = in_.ConsumeBool();
        item.ActiveAuras = References(auras);
        item.UniqueEffects = Program();
        c.Items.push_back(std::move(item));

        // The item picker: a plain entry, a variant of a group, or no entry.
        const int number = static_cast<int>(c.Items.size());
        if (c.ItemMenu.empty() || in_.ConsumeIntegralInRange(0, 4) == 0) {
            c.ItemMenu.push_back(ShopMenuEntry{"Shop", in_.ConsumeIntegralInRange(0, 8), {}});
        }
        std::vector<ItemMenuEntry>& entries = c.ItemMenu.back().Entries;
        const int icon = in_.ConsumeIntegralInRange(0, 8);
        switch (in_.ConsumeIntegralInRange(0, 2)) {
        case 0:
            entries.push_back(ItemMenuEntry{c.Items.back().Name, icon, number, {}});
            break;
        case 1:
            if (entries.empty() || !entries.back().IsGroup()) {
                entries.push_back(ItemMenuEntry{"Group", icon, 0, {}});
            }
            entries.back().Variants.push_back(ItemMenuEntry{"Variant", icon, number, {}});
            break;
        default:
            break;
        }
    }

    THero Hero(int auras, int items, int abilityOrbs) {
        THero hero;
        hero.Name = in_.ConsumeRandomLengthString(20);
        hero.Ranged = in_.ConsumeBool();
        hero.BaseStrength = in_.ConsumeIntegral<std::uint16_t>();
        hero.BaseAgility = in_.ConsumeIntegral<std::uint16_t>();
        hero.BaseIntelligence = in_.ConsumeIntegral<std::uint16_t>();
        hero.PrimaryAttribute = in_.ConsumeIntegralInRange<std::uint8_t>(0, 4);
        // Stored as hundredths, as the catalogue holds them.
        for (double* value :
             {&hero.StrengthGain, &hero.AgilityGain, &hero.IntelligenceGain, &hero.BaseArmor,
              &hero.BaseHpRegen, &hero.BaseManaRegen, &hero.BaseAttackTime}) {
            *value = Number() / 100.0;
        }
        hero.DamageMin = in_.ConsumeIntegral<std::uint16_t>();
        hero.DamageMax = in_.ConsumeIntegral<std::uint16_t>();
        hero.MoveSpeed = in_.ConsumeIntegral<std::uint16_t>();
        hero.AttackRange = in_.ConsumeIntegral<std::uint16_t>();
        for (TAbility& ability : hero.Abilities) {
            ability.Name = in_.ConsumeRandomLengthString(12);
            ability.HasData = in_.ConsumeBool();
            ability.NeedsActive = in_.ConsumeBool();
            ability.AttackTypeChange = in_.ConsumeIntegralInRange<std::uint8_t>(0, 3);
            ability.LearnAura = Reference(auras);
            ability.ActiveAura = Reference(auras);
            ability.LinkItem = Reference(items);
            for (std::string& caption : ability.ParamCaptions) {
                caption = "Parameter";
            }
            ability.OrbCode = Reference(abilityOrbs);
            for (std::uint8_t& code : ability.LevelOrbCodes) {
                code = Reference(abilityOrbs);
            }
            for (TEffectList& program : ability.LevelEffects) {
                program = Program();
            }
        }
        return hero;
    }

    FuzzedDataProvider& in_;
};

// Everything the calculator panel reads after a gesture, with the promises
// the panel relies on.
void ReadScreen(const Calculator& calc, char separator) {
    for (int a = 0; a <= 6; ++a) {
        calc.CanLevel(a);
        const AbilityMenuView menu = calc.AbilityMenu(a);
        FUZZ_CHECK(!menu.ActivateVisible || !menu.ActivateCaption.empty());
        const AbilityPictureView picture = calc.AbilityPicture(a);
        FUZZ_CHECK(picture.LevelBadge >= -1 && picture.LevelBadge < 10);
    }
    for (int s = 0; s <= kSlotCount + 1; ++s) {
        calc.SlotMenu(s);
        calc.SlotPicture(s);
    }
    for (int s = 0; s <= kAuraSlotCount + 1; ++s) {
        const AuraPictureView aura = calc.AuraPicture(s);
        FUZZ_CHECK(aura.IconIndex >= -1 &&
                   aura.IconIndex < static_cast<int>(calc.Catalog().Auras.size()));
    }
    calc.OrbPicture();
    for (int e = 0; e <= 4; ++e) {
        calc.Editor(e);
    }
    const BuildState& state = calc.State();
    FUZZ_CHECK(state.HeroLevel >= -1 && state.HeroLevel <= kMaxHeroLevel);
    FUZZ_CHECK(state.BuildOrderCount >= 0 && state.BuildOrderCount <= kBuildOrderLength);
    FUZZ_CHECK(calc.BuildOrderLines().size() == static_cast<std::size_t>(state.BuildOrderCount));
    int levels = 0;
    for (int k = 1; k <= 5; ++k) {
        levels += AbilityLevel(state, k);
    }
    FUZZ_CHECK(levels == std::max(state.HeroLevel, 0));
    for (int line = -1; line <= kBuildOrderLength; ++line) {
        BuildOrderLineColour(calc.BuildOrderLineCode(line));
    }
    FUZZ_CHECK(!calc.LevelCaption().empty());
    FormatStatsGrid(calc.Stats(), separator);
    FormatHeroBlock(calc.Stats(), separator);
}

void MakeGesture(FuzzedDataProvider& in, Calculator& calc) {
    const int heroes = static_cast<int>(calc.Catalog().Heroes.size());
    const int items = static_cast<int>(calc.Catalog().Items.size());
    const auto slot = [&] { return in.ConsumeIntegralInRange(0, kSlotCount + 1); };
    const auto ability = [&] { return in.ConsumeIntegralInRange(0, 6); };
    const auto editor = [&] { return in.ConsumeIntegralInRange(0, 4); };
    const auto line = [&] { return in.ConsumeIntegralInRange(-1, kBuildOrderLength + 1); };
    switch (in.ConsumeIntegralInRange(0, 14)) {
    case 0:
        calc.ChooseHero(in.ConsumeIntegralInRange(0, heroes + 1));
        break;
    case 1:
        calc.ShowHero();
        break;
    case 2: {
        const int s = slot();
        calc.PlaceItem(s, in.ConsumeIntegralInRange(0, items + 1));
        break;
    }
    case 3:
        calc.RemoveItem(slot());
        break;
    case 4: {
        const int from = line();
        calc.MoveBuildOrderLine(from, line());
        break;
    }
    case 5:
    case 6:
        // Levels are the commonest gesture: most rules wait for them.
        calc.LevelUp(ability());
        break;
    case 7:
        calc.LevelDown();
        break;
    case 8:
        calc.ToggleAbility(ability());
        break;
    case 9:
        calc.ConfigureAbility(ability());
        break;
    case 10:
        calc.ToggleSlot(slot());
        break;
    case 11:
        calc.EnterEditor(editor());
        break;
    case 12: {
        static constexpr char kKeys[] = "0123456789-\b\rx";
        const int e = editor();
        calc.EditorKey(e, kKeys[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kKeys - 2)]);
        calc.LeaveEditor(editor());
        break;
    }
    case 13: {
        const int e = editor();
        calc.TypeIntoEditor(e, in.ConsumeRandomLengthString(12));
        break;
    }
    default: {
        const int e = editor();
        calc.EditorArrow(e, in.ConsumeBool());
        break;
    }
    }
}

// The planning answers on the build as it stands: a preview of every kind of
// gesture leaves the build alone, every figure breaks down and compares, and
// the level progression has a row per level taken.
void Plan(const Calculator& calc, char separator) {
    const BuildState before = calc.State();
    const HeroStats stats = calc.Stats();
    const std::string item = calc.Catalog().Items.front().Name;
    for (const zephyr::Gesture& gesture : {zephyr::Gesture{GestureKind::LevelUp, 1, 0, {}},
                                           {GestureKind::LevelUp, 5, 0, {}},
                                           {GestureKind::Place, 1, 0, item},
                                           {GestureKind::Remove, 1, 0, {}},
                                           {GestureKind::ToggleAbility, 1, 0, {}},
                                           {GestureKind::ToggleSlot, 1, 0, {}},
                                           {GestureKind::ParamArrow, 1, 1, {}}}) {
        const HeroStats after = calc.Preview(gesture);
        PreviewChanges(stats, after, separator);
        FUZZ_CHECK(calc.State() == before);
    }
    const StatRecord record = calc.RecordStats();
    FUZZ_CHECK(calc.State() == before);
    for (int f = 0; f < kFigureCount; ++f) {
        const Figure figure = static_cast<Figure>(f);
        BreakDown(calc.Catalog(), before, stats, record, figure, separator);
        CompareFigure(HeroStats{}, stats, figure, separator);
    }
    const std::vector<HeroStats> levels = LevelProgress(calc.Catalog(), before);
    FUZZ_CHECK(levels.size() ==
               static_cast<std::size_t>(calc.Catalog().Hero(before.CurrentHero) != nullptr
                                            ? std::max(before.HeroLevel, 0)
                                            : 0));
    LevelProgressTable(levels, separator);
}

// The formula evaluator on every token list of the catalogue, including
// item lists and runs it was never meant for.
void EvaluateEveryList(const Catalogue& catalogue, const Calculator& calc) {
    const THero* hero = catalogue.Hero(calc.State().CurrentHero);
    if (hero == nullptr) {
        hero = &catalogue.Heroes.front();
    }
    BuildState state = calc.State();
    HeroStats stats = calc.Stats();
    StatRun run(catalogue, state, *hero, stats);
    for (const THero& h : catalogue.Heroes) {
        for (int m = 0; m < kAbilityCount; ++m) {
            for (const TEffectList& list : h.Abilities[m].LevelEffects) {
                EvaluateFormula(run, list, m + 1);
                EvaluateFormula(run, list, 0);
                RunLevelProgram(run, list, m + 1);
                RunEffectList(run, list, m + 1, m % 2 == 0);
            }
        }
    }
    for (const TItem& item : catalogue.Items) {
        for (const TEffectList* list : {&item.StackingEffects, &item.UniqueEffects}) {
            EvaluateFormula(run, *list, 5);
            RunLevelProgram(run, *list, 1);
            RunEffectList(run, *list, 1, list == &item.UniqueEffects);
        }
    }
}

} // namespace
} // namespace zephyr

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zephyr;
    FuzzedDataProvider in(data, size);
    const Catalogue catalogue = CatalogueInput(in).Build();
    Calculator calc(catalogue);
    ReadScreen(calc, ',');
    for (int g = 0; g < kMaxGestures && in.remaining_bytes() > 0; ++g) {
        MakeGesture(in, calc);
        ReadScreen(calc, g % 2 == 0 ? '.' : ',');
    }
    Plan(calc, ',');
    EvaluateEveryList(catalogue, calc);
    return 0;
}
