#include "build_fixture.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using namespace test;

class OrbRulesTest : public ::testing::Test, public BuildFixture {
protected:
    OrbRulesTest() {
        for (const char* name : {"Cold", "Lifesteal", "Poison"}) {
            b.AddCategory(name);
        }
        frost = b.AddItemOrb(1, 30, 40, 0);
        leech = b.AddItemOrb(2, 0, 0, 15);
        venom = b.AddItemOrb(3, 25, 12, 0);
        frostItem = OrbItem("Frost Orb", frost);
        leechItem = OrbItem("Mask", leech);
        venomItem = OrbItem("Venom", venom);
    }

    int OrbItem(std::string name, int orb) {
        const int item = b.AddItem(std::move(name));
        b.Item(item).OrbCode = static_cast<std::uint8_t>(orb);
        return item;
    }

    void Pair(std::vector<TOrbPair>& table, int first, int second, int result) {
        table.push_back(TOrbPair{static_cast<std::uint8_t>(first),
                                 static_cast<std::uint8_t>(second),
                                 static_cast<std::uint8_t>(result)});
    }

    int frost = 0, leech = 0, venom = 0;
    int frostItem = 0, leechItem = 0, venomItem = 0;
};

TEST_F(OrbRulesTest, NoOrbNoPicture) {
    const HeroStats s = Compute();
    EXPECT_FALSE(s.OrbShown);
    EXPECT_EQ(s.OrbPicture1, 0);
}

TEST_F(OrbRulesTest, ASingleItemOrbApplies) {
    Carry(1, leechItem);
    const HeroStats s = Compute();
    EXPECT_TRUE(s.OrbShown);
    EXPECT_EQ(s.OrbPicture1, 2);
    EXPECT_EQ(s.LifeSteal, 15);
}

TEST_F(OrbRulesTest, TwoOrbsWithoutATableRowDoNothing) {
    Carry(1, frostItem);
    Carry(2, leechItem);
    const HeroStats s = Compute();
    EXPECT_TRUE(s.OrbShown);
    EXPECT_EQ(s.OrbPicture1, 0);
    EXPECT_EQ(s.OrbPicture2, 0);
    EXPECT_EQ(s.LifeSteal, 0);
}

TEST_F(OrbRulesTest, ResultTwoReadTheOtherWayRoundActsAsOne) {
    Pair(b.Catalogue.MeleeOrbTable, 2, 1, 2); // leech over frost, read as (1, 2) it is rule 1
    Carry(1, frostItem);
    Carry(2, leechItem);
    const HeroStats s = Compute();
    EXPECT_EQ(s.OrbPicture1, 1);
    EXPECT_EQ(s.LifeSteal, 0);
    EXPECT_DOUBLE_EQ(s.MagicalDps, 0.30 * 40 / s.AttackCooldown);
}

TEST_F(OrbRulesTest, RangedHeroesConsultTheRangedTable) {
    Pair(b.Catalogue.MeleeOrbTable, 1, 2, 2);
    Pair(b.Catalogue.RangedOrbTable, 1, 2, 5);
    Carry(1, frostItem);
    Carry(2, leechItem);
    EXPECT_EQ(Compute().OrbPicture1, 2);
    hero().Ranged = true;
    EXPECT_EQ(Compute().OrbPicture1, -1);
}

TEST_F(OrbRulesTest, BothOrbsWork) {
    Pair(b.Catalogue.MeleeOrbTable, 2, 3, 6);
    Carry(1, leechItem);
    Carry(2, venomItem);
    const HeroStats s = Compute();
    EXPECT_EQ(s.OrbPicture1, 2);
    EXPECT_EQ(s.OrbPicture2, 3);
    EXPECT_EQ(s.LifeSteal, 15);
    // leech has no chance, so chance and damage come from venom
    EXPECT_DOUBLE_EQ(s.MagicalDps, 0.25 * 12 / s.AttackCooldown);
}

TEST_F(OrbRulesTest, RuleThreeTakesTheFirstSlotWithAnOrb) {
    Pair(b.Catalogue.MeleeOrbTable, 1, 3, 3);
    const int plain = b.AddItem("Plain");
    Carry(1, plain);
    Carry(2, venomItem);
    Carry(3, frostItem);
    const HeroStats s = Compute();
    EXPECT_EQ(s.OrbPicture1, 3);
}

TEST_F(OrbRulesTest, AbilityOrbAloneShowsItsOwnPicture) {
    const int ability = b.AddAbilityOrb("Cinder Darts");
    this->ability(1).OrbCode = static_cast<std::uint8_t>(ability);
    Learn({1});
    const HeroStats s = Compute();
    EXPECT_TRUE(s.OrbShown);
    EXPECT_EQ(s.OrbPicture1, 3 + ability);
}

TEST_F(OrbRulesTest, AbilityOrbAgainstItemOrb) {
    const int ability = b.AddAbilityOrb("Cinder Darts");
    this->ability(1).OrbCode = static_cast<std::uint8_t>(ability);
    Pair(b.Catalogue.AbilityOrbTable, ability, 2, 6);
    Learn({1});
    Carry(1, leechItem);
    const HeroStats s = Compute();
    EXPECT_EQ(s.OrbPicture1, 3 + ability);
    EXPECT_EQ(s.OrbPicture2, 2);
    EXPECT_EQ(s.LifeSteal, 15);
}

TEST_F(OrbRulesTest, OrbNumbersOutsideTheTablesAreIgnored) {
    const int stray = OrbItem("Stray", 40);
    const int badCategory = b.AddItemOrb(9, 50, 50, 50);
    const int odd = OrbItem("Odd", badCategory);
    this->ability(2).OrbCode = 12; // no ability orbs at all
    Learn({2});
    Carry(1, stray);
    Carry(2, odd);
    const HeroStats s = Compute();
    // Only the orb with an unknown category counts as an orb, without a picture.
    EXPECT_TRUE(s.OrbShown);
    EXPECT_EQ(s.OrbPicture1, 0);
    EXPECT_EQ(s.LifeSteal, 50);
}

} // namespace
} // namespace zephyr
