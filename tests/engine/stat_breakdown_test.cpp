#include "build_fixture.h"
#include "random_builds.h"

#include "engine/calculator.h"
#include "engine/stat_breakdown.h"

#include "data/cp1251.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zephyr::test {
namespace {

double SumOf(const StatRecord& record, Figure figure) {
    double sum = 0;
    for (Quantity what : SummedQuantities(figure)) {
        for (const Contribution& c : record.Of(what)) {
            sum += c.Amount();
        }
    }
    return sum;
}

// Every additive figure is the sum of what its sources contributed, on
// random builds of the sample game; recording changes no figure.
TEST(StatBreakdown, ContributionsAddUpToEveryAdditiveFigure) {
    const Catalogue& catalogue = SampleCatalogue();
    std::mt19937 random(17);
    int additive = 0;
    for (int round = 0; round < 400; ++round) {
        const Calculator calc = RandomBuild(catalogue, random, round % 40);
        const StatRecord record = calc.RecordStats();
        BuildState copy = calc.State();
        const HeroStats unrecorded = ComputeStats(catalogue, copy);
        EXPECT_EQ(unrecorded, calc.Stats());
        for (int f = 0; f < kFigureCount; ++f) {
            const Figure figure = static_cast<Figure>(f);
            if (SummedQuantities(figure).empty()) {
                continue;
            }
            ++additive;
            const double value = FigureValue(calc.Stats(), figure);
            EXPECT_NEAR(SumOf(record, figure), value, 1e-6 * std::max(1.0, std::fabs(value)))
                << "round " << round << ", figure " << f;
        }
    }
    EXPECT_EQ(additive, 400 * 12);
}

std::vector<std::pair<std::string, std::string>> Lines(const FigureBreakdown& breakdown) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const BreakdownLine& line : breakdown.Lines) {
        lines.emplace_back(Utf8FromCp1251(line.Source), Utf8FromCp1251(line.Amount));
    }
    return lines;
}

using LineList = std::vector<std::pair<std::string, std::string>>;

struct BreakdownFixture : ::testing::Test, BuildFixture {
    BreakdownFixture() {
        b.AddItem("Gloves", 450,
                  Join({ItemEffect(EffectCode::Strength, {5}),
                        ItemEffect(EffectCode::AttackSpeed, {20})}));
        b.AddItem(
            "Blade", 1200,
            Join({ItemEffect(EffectCode::Crit, {20, 2}), ItemEffect(EffectCode::Evasion, {10})}));
        b.AddItem(
            "Cloak", 700,
            Join({ItemEffect(EffectCode::Crit, {25, 2}), ItemEffect(EffectCode::Evasion, {15})}));
        Learn({5});
        Carry(1, 1);
        Carry(2, 2);
        Carry(3, 3);
    }

    FigureBreakdown Of(Figure figure) {
        const HeroStats stats = Compute();
        StatRecord record;
        BuildState copy = state;
        ComputeStats(b.Catalogue, copy, &record);
        return BreakDown(b.Catalogue, state, stats, record, figure, ',');
    }
};

TEST_F(BreakdownFixture, ASumListsEverySourceInTheOrderItCounts) {
    const FigureBreakdown strength = Of(Figure::Strength);
    EXPECT_EQ(Utf8FromCp1251(strength.Caption), "Сила");
    EXPECT_EQ(strength.Value, "20 + 7");
    EXPECT_EQ(Lines(strength), (LineList{{"Герой, уровень 1", "20"},
                                         {"Слот 1: Gloves", "+5"},
                                         {"Attribute Bonus · 1", "+2"}}));
    EXPECT_EQ(strength.Formula, "");
    const FigureBreakdown price = Of(Figure::TotalPrice);
    EXPECT_EQ(Lines(price), (LineList{{"Слот 1: Gloves", "450"},
                                      {"Слот 2: Blade", "+1200"},
                                      {"Слот 3: Cloak", "+700"}}));
    const FigureBreakdown hitPoints = Of(Figure::HitPoints);
    EXPECT_EQ(Lines(hitPoints), (LineList{{"Основа", "150"}, {"Сила 27 · 19", "+513"}}));
}

TEST_F(BreakdownFixture, ADerivedShareKeepsItsSign) {
    b.AddItem("Heavy Mail", 800,
              Join({ItemEffect(EffectCode::Agility, {-7}), ItemEffect(EffectCode::Armor, {5})}));
    Carry(4, 4);
    const FigureBreakdown armor = Of(Figure::Armor);
    EXPECT_EQ(armor.Value, "1,00 + 4,29");
    EXPECT_EQ(Lines(armor), (LineList{{"Герой, уровень 1", "1,00"},
                                      {"Слот 4: Heavy Mail", "+5,00"},
                                      {"Ловкость -5 / 7", "-0,71"}}));
}

TEST_F(BreakdownFixture, AFormulaPutsItsNumbersIn) {
    const FigureBreakdown delay = Of(Figure::AttackDelay);
    EXPECT_EQ(Lines(delay),
              (LineList{{"Герой, уровень 1", "время атаки 1,7"}, {"Слот 1: Gloves", "+20"}}));
    EXPECT_EQ(Utf8FromCp1251(delay.Formula), "1,7 / (1 + (20 + 17) / 100) = 1,24");
    EXPECT_EQ(delay.Value, "1,24");

    const FigureBreakdown crit = Of(Figure::CritChance);
    EXPECT_EQ(Lines(crit), (LineList{{"Слот 2: Blade", "20,00%"}, {"Слот 3: Cloak", "25,00%"}}));
    EXPECT_EQ(Utf8FromCp1251(crit.Formula), "1 - (1 - 20,00%) · (1 - 25,00%) = 40,00%");

    const FigureBreakdown evasion = Of(Figure::Evasion);
    EXPECT_EQ(Lines(evasion),
              (LineList{{"Слот 2: Blade", "до 10,00%"}, {"Слот 3: Cloak", "до 15,00%"}}));
    EXPECT_EQ(Utf8FromCp1251(evasion.Formula), "действует наибольший: 15,00%");

    const FigureBreakdown respawn = Of(Figure::RespawnTime);
    EXPECT_TRUE(respawn.Lines.empty());
    EXPECT_EQ(Utf8FromCp1251(respawn.Formula), "4 · уровень 1 = 4");
}

// The damage per second and the hit are sums whose parts formulas make:
// the popup shows those formulas with their numbers, and names the source
// of every percentage on the hit.
TEST_F(BreakdownFixture, TheHitAndTheDamagePerSecondShowTheirFormulas) {
    b.AddItem("Banner", 900,
              Join({ItemEffect(EffectCode::DamagePercent, {20}),
                    ItemEffect(EffectCode::PhysicalDps, {15})}));
    Carry(4, 4);
    b.AddItem("Pennant", 300, ItemEffect(EffectCode::DamagePercent, {-5}));
    Carry(5, 5);
    // An average hit of 55 and a strength bonus of 7: 15% of 62 is 9.
    const FigureBreakdown damage = Of(Figure::Damage);
    EXPECT_EQ(damage.Value, "50 - 60 + 16");
    EXPECT_EQ(Utf8FromCp1251(damage.Formula),
              "Процент к урону 15%: Слот 4: Banner +20%, Слот 5: Pennant -5%. (55 + 7) · 15% = 9");

    // Crits of 20% and 25% double 40% of the hits: 0.4 * 71 = 28.4 per hit.
    const FigureBreakdown dps = Of(Figure::PhysicalDps);
    EXPECT_EQ(Utf8FromCp1251(dps.Formula), "(55 + 16) / 1,24 + 22,89 + 15 = 95,10");
    EXPECT_EQ(dps.Value, "95,10");

    // Nothing magical: no formula for a figure the panel shows as none.
    EXPECT_EQ(Of(Figure::MagicalDps).Formula, "");
}

} // namespace
} // namespace zephyr::test
