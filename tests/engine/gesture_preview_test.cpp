#include "build_fixture.h"
#include "random_builds.h"

#include "engine/calculator.h"
#include "engine/stat_figures.h"
#include "engine/stat_format.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zephyr::test {
namespace {

// A preview is the gesture made on a copy: the same statistics as making it
// and recomputing, and the build itself untouched.
TEST(GesturePreview, EqualsMakingTheGestureForEveryKind) {
    const Catalogue& catalogue = SampleCatalogue();
    std::mt19937 random(11);
    std::array<int, kLastGestureKind + 1> taken{};
    for (int round = 0; round < 300; ++round) {
        const Calculator calc = RandomBuild(catalogue, random, round % 30);
        const BuildState stateBefore = calc.State();
        const HeroStats statsBefore = calc.Stats();
        for (int n = 0; n < 8; ++n) {
            const Gesture gesture = RandomGesture(catalogue, random);
            const HeroStats preview = calc.Preview(gesture);
            Calculator made(calc);
            if (ApplyGesture(made, gesture)) {
                ++taken[static_cast<std::size_t>(gesture.Kind)];
            }
            EXPECT_TRUE(preview == made.Stats()) << "round " << round;
            EXPECT_EQ(calc.State(), stateBefore);
            EXPECT_TRUE(calc.Stats() == statsBefore);
        }
    }
    for (int kind = 1; kind <= kLastGestureKind; ++kind) {
        EXPECT_GT(taken[static_cast<std::size_t>(kind)], 0) << "gesture kind " << kind;
    }
}

TEST(GesturePreview, ARefusedGestureChangesNothing) {
    BuildFixture f;
    f.b.Item(f.b.AddItem("Crown - Gold", 900)).OnePerHero = true;
    f.b.Item(f.b.AddItem("Crown - Silver", 600)).OnePerHero = true;
    Calculator calc(f.b.Catalogue);
    calc.ChooseHero(1);
    EXPECT_EQ(calc.OnePerHeroConflict(2), 0);
    ASSERT_TRUE(calc.PlaceItem(3, 1));
    // Another variant of the group is kept out by the one in slot 3.
    EXPECT_EQ(calc.OnePerHeroConflict(2), 3);
    EXPECT_FALSE(calc.PlaceItem(1, 2));
    const HeroStats preview = calc.Preview({GestureKind::Place, 1, 0, "Crown - Silver"});
    EXPECT_TRUE(preview == calc.Stats());
    EXPECT_EQ(calc.Preview({GestureKind::Remove, 3, 0, {}}).TotalPrice, 0);
}

TEST(PreviewChanges, ListOnlyWhatChangesWithItsDirection) {
    HeroStats before;
    before.PhysicalDps = 50.0;
    before.HitPoints = 600;
    before.AttackCooldown = 1.5;
    before.PhysicalEhp = 900;
    before.CritChance = 0.15;
    HeroStats after = before;
    after.PhysicalDps = 62.25;
    after.AttackCooldown = 1.25;
    after.HitPoints = 560;
    after.PhysicalEhp = -1;
    after.CritChance = 0.2775;
    const std::vector<FigureChange> changes = PreviewChanges(before, after, ',');
    ASSERT_EQ(changes.size(), 5u);
    EXPECT_EQ(changes[0].Id, Figure::PhysicalDps);
    EXPECT_EQ(changes[0].Before, "50,00");
    EXPECT_EQ(changes[0].After, "62,25");
    EXPECT_EQ(changes[0].Delta, "+12,25");
    EXPECT_TRUE(changes[0].Better);
    EXPECT_EQ(changes[1].Id, Figure::PhysicalEhp);
    EXPECT_EQ(changes[1].After, "infinity");
    EXPECT_EQ(changes[1].Delta, ""); // no number for an unbounded side
    EXPECT_TRUE(changes[1].Better);
    EXPECT_EQ(changes[2].Id, Figure::HitPoints);
    EXPECT_EQ(changes[2].Delta, "-40");
    EXPECT_FALSE(changes[2].Better);
    // A shorter attack delay is the better one.
    EXPECT_EQ(changes[3].Id, Figure::AttackDelay);
    EXPECT_EQ(changes[3].Delta, "-0,25");
    EXPECT_TRUE(changes[3].Better);
    EXPECT_EQ(changes[4].Id, Figure::CritChance);
    EXPECT_EQ(changes[4].Before, "15,00%");
    EXPECT_EQ(changes[4].Delta, "+12,75%");
    // A difference the panel would not show is no change.
    HeroStats tiny = before;
    tiny.PhysicalDps = 50.001;
    EXPECT_TRUE(PreviewChanges(before, tiny, ',').empty());
}

bool ListsFigure(const std::vector<FigureChange>& changes, Figure figure) {
    return std::any_of(changes.begin(), changes.end(),
                       [figure](const FigureChange& c) { return c.Id == figure; });
}

// Whatever the panel writes differently after a gesture, in the grid or in
// the hero block, its preview lists.
TEST(PreviewChanges, ListEveryValueThePanelShowsDifferently) {
    const Catalogue& catalogue = SampleCatalogue();
    std::mt19937 random(29);
    int shown = 0;
    for (int round = 0; round < 200; ++round) {
        const Calculator calc = RandomBuild(catalogue, random, round % 25);
        const Gesture gesture = RandomGesture(catalogue, random);
        const HeroStats& before = calc.Stats();
        const HeroStats after = calc.Preview(gesture);
        const std::vector<FigureChange> changes = PreviewChanges(before, after, ',');
        const StatsGrid gridBefore = FormatStatsGrid(before, ',');
        const StatsGrid gridAfter = FormatStatsGrid(after, ',');
        for (int row = 0; row < 8; ++row) {
            for (int column = 1; column < 6; column += 2) {
                const auto r = static_cast<std::size_t>(row);
                const auto c = static_cast<std::size_t>(column);
                if (gridBefore[r][c] != gridAfter[r][c]) {
                    ++shown;
                    EXPECT_TRUE(ListsFigure(changes, *GridFigure(column, row)))
                        << column << "," << row << " in round " << round;
                }
            }
        }
        const HeroBlockLabels from = FormatHeroBlock(before, ',');
        const HeroBlockLabels to = FormatHeroBlock(after, ',');
        const std::pair<bool, Figure> labels[] = {
            {from.Label7 != to.Label7 || from.Label23 != to.Label23, Figure::Damage},
            {from.Label9 != to.Label9 || from.Label24 != to.Label24, Figure::Armor},
            {from.Label11 != to.Label11 || from.Label25 != to.Label25, Figure::Strength},
            {from.Label13 != to.Label13 || from.Label26 != to.Label26, Figure::Agility},
            {from.Label15 != to.Label15 || from.Label27 != to.Label27, Figure::Intelligence},
        };
        for (const auto& [differs, figure] : labels) {
            shown += differs ? 1 : 0;
            EXPECT_EQ(ListsFigure(changes, figure), differs)
                << FigureCaption(figure) << " in round " << round;
        }
        EXPECT_EQ(from.Label16 != to.Label16,
                  ListsFigure(changes, Figure::HitPoints) || ListsFigure(changes, Figure::HpRegen));
        EXPECT_EQ(from.Label17 != to.Label17,
                  ListsFigure(changes, Figure::Mana) || ListsFigure(changes, Figure::ManaRegen));
    }
    EXPECT_GT(shown, 200);
}

TEST(PreviewChanges, AQuiverOnARangedAgilityHero) {
    const Catalogue& catalogue = SampleCatalogue();
    Calculator calc(catalogue);
    ASSERT_TRUE(ApplyGesture(calc, {GestureKind::ChooseHero, 0, 0, "Corvin Mistarrow"}));
    const HeroStats after = calc.Preview({GestureKind::Place, 1, 0, "Longsight Quiver"});
    const std::vector<FigureChange> changes = PreviewChanges(calc.Stats(), after, ',');
    std::vector<Figure> listed;
    for (const FigureChange& change : changes) {
        listed.push_back(change.Id);
    }
    // Agility 4 makes the hit, the armour and the attack speed; range 75.
    EXPECT_EQ(listed,
              (std::vector{Figure::PhysicalDps, Figure::PhysicalEhp, Figure::Damage, Figure::Armor,
                           Figure::Agility, Figure::AttackRange, Figure::AttackDelay,
                           Figure::PhysicalReduction, Figure::TotalPrice}));
    EXPECT_EQ(changes[4].Before, "24");
    EXPECT_EQ(changes[4].After, "24 + 4");
    EXPECT_EQ(changes[4].Delta, "+4");
    EXPECT_EQ(changes[5].Delta, "+75");
}

TEST(PreviewChanges, RegenerationAloneIsAChange) {
    HeroStats before;
    before.HitPoints = 600;
    before.HpRegen = 1.25;
    HeroStats after = before;
    after.HpRegen = 3.25;
    const std::vector<FigureChange> changes = PreviewChanges(before, after, ',');
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].Id, Figure::HpRegen);
    EXPECT_EQ(changes[0].Delta, "+2,00");
    EXPECT_TRUE(changes[0].Better);
}

TEST(StatFigures, EveryGridValueCellHasItsFigure) {
    int found = 0;
    for (int column = 0; column < 6; ++column) {
        for (int row = 0; row < 8; ++row) {
            const std::optional<Figure> figure = GridFigure(column, row);
            if (column % 2 == 0 || (column == 5 && row > 3)) {
                EXPECT_FALSE(figure) << column << "," << row;
                continue;
            }
            ASSERT_TRUE(figure) << column << "," << row;
            ++found;
        }
    }
    EXPECT_EQ(found, 20);
}

} // namespace
} // namespace zephyr::test
