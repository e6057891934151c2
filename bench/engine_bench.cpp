#include "engine/aura_slots.h"
#include "engine/calculator.h"
#include "engine/stat_computation.h"

#include "catalogue_builder.h"

#include "data/catalogue.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zephyr;
using namespace zephyr::test;

void Append(TEffectList& list, const TEffectList& more) {
    list.insert(list.end(), more.begin(), more.end());
}

// A level program with formula arguments: strength-scaled damage, a
// parameter-driven attack speed and a bash whose chance grows with the level.
TEffectList LevelProgram(int level) {
    TEffectList program = LevelEffect(EffectCode::NumberParam, {{Lit(0)}, {Lit(5)}, {Lit(2)}});
    Append(program,
           LevelEffect(EffectCode::Damage,
                       {{Lit(0.5), Times(), Var(FormulaVariable::Strength), Plus(), Lit(level)}}));
    Append(program, LevelEffect(EffectCode::AttackSpeed,
                                {{Var(FormulaVariable::Param1), Times(), Lit(5), Plus(),
                                  Var(FormulaVariable::Agility), Divide(), Lit(4)}}));
    Append(program,
           LevelEffect(EffectCode::Bash, {{Lit(5), Times(), Lit(level)},
                                          {Var(FormulaVariable::HitPoints), Divide(), Lit(100)},
                                          {Lit(0)}}));
    Append(program, LevelEffect(EffectCode::HitPoints, {{Var(FormulaVariable::Mana), Minus(),
                                                         Var(FormulaVariable::MoveSpeed)}}));
    return program;
}

Catalogue MakeCatalogue() {
    Catalogue catalogue;
    THero hero = MakeHero("Bench", {.Ranged = true,
                                    .PrimaryAttribute = 2,
                                    .Strength = 18,
                                    .Agility = 22,
                                    .Intelligence = 15,
                                    .StrengthGain = 1.9,
                                    .AgilityGain = 2.9,
                                    .IntelligenceGain = 1.5,
                                    .DamageMin = 24,
                                    .DamageMax = 36,
                                    .Armor = 1.5,
                                    .HpRegen = 0.75,
                                    .ManaRegen = 0.01,
                                    .AttackRange = 600});
    for (int m = 0; m < 4; ++m) {
        TAbility& ability = hero.Abilities[m];
        ability.Name = "Ability";
        ability.HasData = true;
        ability.LearnAura = static_cast<std::uint8_t>(m + 7);
        for (int level = 0; level < 4; ++level) {
            ability.LevelEffects[level] = LevelProgram(level + 1);
        }
    }
    catalogue.Heroes.push_back(hero);

    for (int a = 1; a <= 12; ++a) {
        TAura aura;
        aura.Name = "Aura";
        aura.V0 = a;
        aura.V1 = 5;
        aura.V3 = 10;
        aura.V5 = 200;
        aura.V8 = 10;
        catalogue.Auras.push_back(aura);
    }
    catalogue.OrbCategories = {"Cold", "Leech"};
    catalogue.ItemOrbs = {TOrb{"Frost", 1, 30, 40, 0}, TOrb{"Leech", 2, 0, 0, 15}};
    catalogue.RangedOrbTable = {TOrbPair{1, 1, 1}, TOrbPair{2, 1, 6}, TOrbPair{2, 2, 1}};
    for (int i = 0; i < 6; ++i) {
        TItem item;
        item.Name = "Item " + std::to_string(i);
        item.ImageIndex = i + 1;
        item.Cost = 500;
        item.OrbCode = static_cast<std::uint8_t>(i < 2 ? i + 1 : 0);
        item.PassiveAuras = {static_cast<std::uint8_t>(i + 1)};
        item.StackingEffects = ItemEffect(EffectCode::Strength, {6});
        Append(item.StackingEffects, ItemEffect(EffectCode::MoveSpeedPercent, {10}));
        Append(item.StackingEffects, ItemEffect(EffectCode::Bash, {10, 25, 0}));
        item.UniqueEffects = ItemEffect(EffectCode::Armor, {3});
        Append(item.UniqueEffects, ItemEffect(EffectCode::Crit, {15, 2}));
        catalogue.Items.push_back(item);
    }
    return catalogue;
}

// 25 levels, six items with passive auras, four learn auras: ten auras.
Calculator FullBuild(const Catalogue& catalogue) {
    Calculator calc(catalogue);
    calc.ChooseHero(1);
    const int picks[] = {1, 2, 3, 1, 5, 4, 1, 2, 3, 1, 4, 2, 3, 2, 3, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    for (int pick : picks) {
        calc.LevelUp(pick);
    }
    for (int slot = 1; slot <= 6; ++slot) {
        calc.PlaceItem(slot, slot);
    }
    return calc;
}

void BM_ComputeStatsFullBuild(benchmark::State& bench) {
    const Catalogue catalogue = MakeCatalogue();
    BuildState state = FullBuild(catalogue).State();
    int auras = 0;
    for (const TCurAura& slot : state.AuraSlots) {
        auras += slot.AuraNumber != 0 ? 1 : 0;
    }
    bench.counters["level"] = state.HeroLevel;
    bench.counters["auras"] = auras;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ComputeStats(catalogue, state));
    }
}
BENCHMARK(BM_ComputeStatsFullBuild);

// The same pass asked where every figure comes from, as a breakdown popup
// asks it; the pass above records nothing.
void BM_ComputeStatsRecorded(benchmark::State& bench) {
    const Catalogue catalogue = MakeCatalogue();
    BuildState state = FullBuild(catalogue).State();
    std::size_t contributions = 0;
    for (auto _ : bench) {
        StatRecord record;
        benchmark::DoNotOptimize(ComputeStats(catalogue, state, &record));
        contributions = record.Contributions.size();
    }
    bench.counters["contributions"] = static_cast<double>(contributions);
}
BENCHMARK(BM_ComputeStatsRecorded);

// One what-if preview: taking an item off, worked out on a copy of the build.
void BM_PreviewRemoveItem(benchmark::State& bench) {
    const Catalogue catalogue = MakeCatalogue();
    const Calculator calc = FullBuild(catalogue);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(calc.Preview({GestureKind::Remove, 3, 0, {}}));
    }
}
BENCHMARK(BM_PreviewRemoveItem);

// Dragging an item line changes the proc order, then everything recomputes.
void BM_GestureAndRecompute(benchmark::State& bench) {
    const Catalogue catalogue = MakeCatalogue();
    Calculator calc = FullBuild(catalogue);
    int from = 25;
    for (auto _ : bench) {
        calc.MoveBuildOrderLine(from, 30);
        benchmark::DoNotOptimize(calc.Stats());
        from = from == 25 ? 26 : 25;
    }
}
BENCHMARK(BM_GestureAndRecompute);

// A hostile catalogue: every level program of every ability is 65535 number
// definitions without separators. The walk must stay linear in the list.
void BM_ComputeStatsHostilePrograms(benchmark::State& bench) {
    Catalogue catalogue = MakeCatalogue();
    for (TAbility& ability : catalogue.Heroes[0].Abilities) {
        for (TEffectList& level : ability.LevelEffects) {
            level = TEffectList(65535, Code(EffectCode::NumberParam));
        }
    }
    BuildState state = FullBuild(catalogue).State();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(ComputeStats(catalogue, state));
    }
}
BENCHMARK(BM_ComputeStatsHostilePrograms)->Unit(benchmark::kMillisecond);

} // namespace
