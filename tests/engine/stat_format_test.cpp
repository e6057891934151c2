#include "engine/number_format.h"
#include "engine/stat_format.h"

#include "data/cp1251.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

TEST(FixedTwoDecimalsTest, KeepsFiveSignificantDigitsOrTwoDecimals) {
    EXPECT_EQ(FormatFixed2(1234.5678, '.'), "1234.60");
    EXPECT_EQ(FormatFixed2(12345.678, '.'), "12346.00");
    EXPECT_EQ(FormatFixed2(123456.7, '.'), "1.2346E+05");
    EXPECT_EQ(FormatFixed2(0.57, '.'), "0.57");
    EXPECT_EQ(FormatFixed2(25, ','), "25,00");
    EXPECT_EQ(FormatFixed2(0.1, ','), "0,10");
    EXPECT_EQ(FormatFixed2(-3.456, '.'), "-3.46");
    EXPECT_EQ(FormatFixed2(0, '.'), "0.00");
    EXPECT_EQ(FormatFixed2(-0.001, '.'), "0.00");
    EXPECT_EQ(FormatFixed2(0.125, '.'), "0.13"); // half away from zero
    EXPECT_EQ(FormatFixed2(99999.7, '.'), "1.0000E+05");
    EXPECT_EQ(FormatFixed2(1.5e-7 * 1e12, '.'), "1.5000E+05");
    EXPECT_EQ(FormatFixed2(-2e20, ','), "-2,0000E+20");
}

TEST(GeneralFormTest, ShortestWithoutTrailingZeros) {
    EXPECT_EQ(FormatGeneral(0.57, '.'), "0.57");
    EXPECT_EQ(FormatGeneral(2, '.'), "2");
    EXPECT_EQ(FormatGeneral(0.5, ','), "0,5");
    EXPECT_EQ(FormatGeneral(43.75, ','), "43,75");
    EXPECT_EQ(FormatGeneral(1.0 / 3, '.'), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(1500, '.'), "1500");
    EXPECT_EQ(FormatGeneral(-0.25, '.'), "-0.25");
    EXPECT_EQ(FormatGeneral(0.0001, '.'), "0.0001");
    EXPECT_EQ(FormatGeneral(0.00001, '.'), "1E-5");
    EXPECT_EQ(FormatGeneral(1.5e20, '.'), "1.5E20");
}

TEST(GridCellTest, ChancesShowNoneOnlyForExactlyZero) {
    EXPECT_EQ(FormatChance(0, ','), "none");
    EXPECT_EQ(FormatChance(0.001, ','), "0,10%");
    EXPECT_EQ(FormatChance(0.25, ','), "25,00%");
}

TEST(GridCellTest, ReductionsAreTruncatedNotRounded) {
    EXPECT_EQ(FormatPhysicalReduction(0.259), "25%");
    EXPECT_EQ(FormatPhysicalReduction(0.129), "12%");
    EXPECT_EQ(FormatMagicalReduction(43.75, ','), "43,75%");
    EXPECT_EQ(FormatMagicalReduction(43.759, ','), "43,75%");
    EXPECT_EQ(FormatMagicalReduction(43.7499, '.'), "43.74%");
    // A hair below the boundary is binary noise, not a lower figure.
    EXPECT_EQ(FormatMagicalReduction(43.75 - 1e-12, '.'), "43.75%");
    EXPECT_EQ(FormatPhysicalReduction(0.29 - 1e-17), "29%");
}

TEST(GridCellTest, CooldownRoundsHalfToEven) {
    EXPECT_EQ(FormatCooldown(0.5, ','), "0,5");
    EXPECT_EQ(FormatCooldown(1.7 / 1.2, '.'), "1.42");
    EXPECT_EQ(FormatCooldown(2, '.'), "2");
    EXPECT_EQ(FormatCooldown(0.125, '.'), "0.12");
}

TEST(GridCellTest, EffectiveHitPoints) {
    EXPECT_EQ(FormatEhp(-1), "infinity");
    EXPECT_EQ(FormatEhp(0), "0");
    EXPECT_EQ(FormatEhp(1234), "1234");
}

TEST(StatsGridTest, MeleeHeroWithoutProcs) {
    HeroStats s;
    s.AttackRange = 128;
    s.AttackCooldown = 1.7;
    s.PhysicalDps = 41.2345;
    s.MagicalReduction = 25;
    s.PhysicalReduction = 0.0566;
    s.PhysicalEhp = 600;
    s.MagicalEhp = -1;
    s.MoveSpeed = 299.9;
    s.RespawnTime = 4;
    s.GoldLoss = 30;
    s.TotalPrice = 1500;
    s.LifeSteal = 15;
    const StatsGrid grid = FormatStatsGrid(s, ',');
    EXPECT_EQ(grid[0][0], Cp1251FromUtf8("Тип"));
    EXPECT_EQ(grid[0][1], "Melee");
    EXPECT_EQ(grid[1][1], "128");
    EXPECT_EQ(grid[2][1], "1,7");
    EXPECT_EQ(grid[3][1], "none");
    EXPECT_EQ(grid[4][1], "none");
    EXPECT_EQ(grid[5][1], "15%");
    EXPECT_EQ(grid[6][1], "41,23");
    EXPECT_EQ(grid[7][1], "none");
    EXPECT_EQ(grid[0][2], Cp1251FromUtf8("Уменьшение физ. урона"));
    EXPECT_EQ(grid[0][3], "5%");
    EXPECT_EQ(grid[1][3], "25%");
    EXPECT_EQ(grid[5][3], "none");
    EXPECT_EQ(grid[6][3], "600");
    EXPECT_EQ(grid[7][3], "infinity");
    EXPECT_EQ(grid[0][5], "299");
    EXPECT_EQ(grid[3][4], Cp1251FromUtf8("Общая цена"));
    EXPECT_EQ(grid[3][5], "1500");
    EXPECT_EQ(grid[4][4], "");
    EXPECT_EQ(grid[7][5], "");
}

TEST(HeroBlockTest, LabelsAndBonusesThatHideAtZero) {
    HeroStats s;
    s.DamageLow = 50;
    s.DamageHigh = 60;
    s.DamageBonus = 12;
    s.ArmorBase = 3.14159;
    s.ArmorBonus = 1.5;
    s.StrengthBase = 20;
    s.StrengthBonus = 0;
    s.AgilityBonus = -3;
    s.HitPoints = 530;
    s.HpRegen = 1.1;
    s.Mana = 130;
    s.ManaRegen = 0.65;
    HeroBlockLabels labels = FormatHeroBlock(s, ',');
    EXPECT_EQ(labels.Label7, "50 - 60");
    EXPECT_EQ(labels.Label9, "3,14");
    EXPECT_EQ(labels.Label11, "20");
    EXPECT_EQ(labels.Label16, "530 (1,10)");
    EXPECT_EQ(labels.Label17, "130 (0,65)");
    EXPECT_EQ(labels.Label23, " + 12");
    EXPECT_EQ(labels.Label24, " + 1,50");
    EXPECT_EQ(labels.Label25, std::nullopt);
    EXPECT_EQ(labels.Label26, " + -3");
    s.DamageBonus = 0;
    s.ArmorBonus = 0;
    labels = FormatHeroBlock(s, ',');
    EXPECT_EQ(labels.Label23, std::nullopt);
    EXPECT_EQ(labels.Label24, std::nullopt);
}

} // namespace
} // namespace zephyr
