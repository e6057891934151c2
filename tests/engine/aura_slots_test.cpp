#include "catalogue_builder.h"

#include "engine/aura_slots.h"
#include "engine/build_state.h"

#include <gtest/gtest.h>

namespace zephyr {
namespace {

using test::CatalogueBuilder;

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values) {
        bytes.push_back(static_cast<std::uint8_t>(v));
    }
    return bytes;
}

TEST(AbilityLevelTest, CountsPicksOfOneKind) {
    BuildState state;
    state.SkillPicks[0] = 1;
    state.SkillPicks[1] = 3;
    state.SkillPicks[2] = 3;
    state.SkillPicks[3] = 5;
    state.SkillPicks[24] = 5;
    EXPECT_EQ(AbilityLevel(state, 3), 2);
    EXPECT_EQ(AbilityLevel(state, 1), 1);
    EXPECT_EQ(AbilityLevel(state, 5), 2);
    EXPECT_EQ(AbilityLevel(state, 4), 0);
}

TEST(ResetParamsTest, AllRowsOrOneRowKeepingKind) {
    BuildState state;
    for (auto& row : state.AbilityParams) {
        for (AbilityParam& param : row) {
            param = AbilityParam{true, 1, 3, 1, 5};
        }
    }
    ResetParams(state, 1);
    for (int m = 0; m < 4; ++m) {
        for (const AbilityParam& param : state.AbilityParams[m]) {
            EXPECT_EQ(param.Used, m != 1);
            EXPECT_EQ(param.Value, m != 1 ? 3 : 0);
            EXPECT_EQ(param.Kind, 1);
        }
    }
    ResetParams(state, -1);
    for (const auto& row : state.AbilityParams) {
        for (const AbilityParam& param : row) {
            EXPECT_FALSE(param.Used);
            EXPECT_EQ(param.Min, 0);
            EXPECT_EQ(param.Max, 0);
        }
    }
    ResetParams(state, 7); // out of range: nothing to clear, no crash
}

class AuraSlotsTest : public ::testing::Test {
protected:
    AuraSlotsTest() {
        weak = b.AddAura("Weak", 1);
        strong = b.AddAura("Strong", 1);
        for (int g = 2; g <= 11; ++g) {
            groups.push_back(b.AddAura("Group " + std::to_string(g), g));
        }
    }
    const Catalogue& cat() const { return b.Catalogue; }

    CatalogueBuilder b;
    BuildState state;
    int weak = 0;
    int strong = 0;
    std::vector<int> groups; // auras of groups 2 to 11
};

TEST_F(AuraSlotsTest, SameGroupSharesOneSlotAndTheStrongerIsInForce) {
    AddAura(cat(), state, weak);
    AddAura(cat(), state, strong);
    EXPECT_EQ(state.AuraSlots[0].AuraNumber, strong);
    EXPECT_EQ(state.AuraSlots[0].Sources, Bytes({weak, strong}));
    EXPECT_EQ(state.AuraSlots[1].AuraNumber, 0);
    EXPECT_EQ(state.AuraHints[0], "Strong");

    WithdrawAura(cat(), state, strong);
    EXPECT_EQ(state.AuraSlots[0].AuraNumber, weak);
    EXPECT_EQ(state.AuraHints[0], "Weak");
}

TEST_F(AuraSlotsTest, FreeingASlotMovesTheLaterSlotsUp) {
    AddAura(cat(), state, groups[0]);
    AddAura(cat(), state, groups[1]);
    AddAura(cat(), state, groups[2]); // slot 3
    AddAura(cat(), state, groups[3]);
    AddAura(cat(), state, groups[4]);
    WithdrawAura(cat(), state, groups[2]);
    EXPECT_EQ(state.AuraSlots[2].AuraNumber, groups[3]);
    EXPECT_EQ(state.AuraSlots[3].AuraNumber, groups[4]);
    EXPECT_EQ(state.AuraSlots[4].AuraNumber, 0);
    EXPECT_TRUE(state.AuraSlots[4].Sources.empty());
    EXPECT_EQ(state.AuraHints[2], "Group 5");
    EXPECT_EQ(state.AuraHints[3], "Group 6");
    EXPECT_EQ(state.AuraHints[4], "");
}

TEST_F(AuraSlotsTest, AnEleventhGroupIsIgnored) {
    for (int i = 0; i < 10; ++i) {
        AddAura(cat(), state, groups[i]);
    }
    AddAura(cat(), state, weak);
    for (const TCurAura& slot : state.AuraSlots) {
        EXPECT_NE(slot.AuraNumber, weak);
    }
    EXPECT_EQ(state.AuraSlots[9].AuraNumber, groups[9]);
}

TEST_F(AuraSlotsTest, WithdrawingLeavesAnotherAuraOfTheGroupAlone) {
    AddAura(cat(), state, strong);
    WithdrawAura(cat(), state, weak); // never added: the strong one stays
    EXPECT_EQ(state.AuraSlots[0].AuraNumber, strong);
    EXPECT_EQ(state.AuraSlots[0].Sources, Bytes({strong}));
}

TEST_F(AuraSlotsTest, TwoSourcesOfOneAuraNeedTwoWithdrawals) {
    AddAura(cat(), state, weak);
    AddAura(cat(), state, weak);
    WithdrawAura(cat(), state, weak);
    EXPECT_EQ(state.AuraSlots[0].AuraNumber, weak);
    WithdrawAura(cat(), state, weak);
    EXPECT_EQ(state.AuraSlots[0].AuraNumber, 0);
    EXPECT_EQ(state.AuraHints[0], "");
}

TEST_F(AuraSlotsTest, NumbersOutsideTheAuraTableAreIgnored) {
    AddAura(cat(), state, 0);
    AddAura(cat(), state, 99);
    AddAura(cat(), state, -4);
    AddAura(cat(), state, 256 + weak); // would wrap to a valid byte
    WithdrawAura(cat(), state, 1000);
    for (const TCurAura& slot : state.AuraSlots) {
        EXPECT_EQ(slot.AuraNumber, 0);
    }
}

TEST_F(AuraSlotsTest, RecomputeRestoresTheLargestSource) {
    state.AuraSlots[0].Sources = Bytes({weak, strong, weak});
    state.AuraSlots[1].AuraNumber = 7; // stale, no sources
    RecomputeAuraSlots(cat(), state);
    EXPECT_EQ(state.AuraSlots[0].AuraNumber, strong);
    EXPECT_EQ(state.AuraSlots[1].AuraNumber, 0);
    EXPECT_EQ(state.AuraHints[0], "Strong");
    EXPECT_EQ(state.AuraHints[1], "");
}

} // namespace
} // namespace zephyr
