#include "random_builds.h"

#include "engine/build_history.h"
#include "engine/calculator.h"

#include <gtest/gtest.h>

namespace zephyr::test {
namespace {

// The build as the screen can tell it: the reset keeps the kind of a
// parameter record it frees, and nothing reads the kind of a free record.
BuildState Visible(BuildState state) {
    for (AbilityParamRow& row : state.AbilityParams) {
        for (AbilityParam& param : row) {
            if (!param.Used) {
                param.Kind = 0;
            }
        }
    }
    return state;
}

// Undo and Redo rebuild through recorded gestures: after any sequence every
// step back and forth must give exactly the build of that step.
TEST(BuildHistory, UndoAndRedoRestoreEveryStepOfRandomSequences) {
    const Catalogue& catalogue = SampleCatalogue();
    std::mt19937 random(23);
    for (int round = 0; round < 40; ++round) {
        Calculator calc(catalogue);
        BuildHistory history;
        const Gesture first{
            GestureKind::ChooseHero, 0, 0,
            catalogue.Heroes[static_cast<std::size_t>(round) % catalogue.Heroes.size()].Name};
        ASSERT_TRUE(ApplyGesture(calc, first));
        history.Record(first);
        std::vector<BuildState> steps{calc.State()};
        while (steps.size() < 60) {
            const Gesture gesture = RandomGesture(catalogue, random);
            if (ApplyGesture(calc, gesture)) {
                history.Record(gesture);
                steps.push_back(calc.State());
            }
        }
        for (std::size_t back = steps.size() - 1; back-- > 0;) {
            const std::optional<BuildRecipe> step = history.Undo();
            ASSERT_TRUE(step);
            history.SetRecipe(Replay(calc, *step));
            ASSERT_EQ(Visible(calc.State()), Visible(steps[back]))
                << "round " << round << ", undo to " << back;
        }
        EXPECT_FALSE(history.Undo());
        for (std::size_t forward = 1; forward < steps.size(); ++forward) {
            const std::optional<BuildRecipe> step = history.Redo();
            ASSERT_TRUE(step);
            history.SetRecipe(Replay(calc, *step));
            ASSERT_EQ(Visible(calc.State()), Visible(steps[forward]))
                << "round " << round << ", redo to " << forward;
        }
        EXPECT_FALSE(history.Redo());
    }
}

TEST(BuildHistory, ANewGestureForgetsRedoAndTheOldestStepsGo) {
    BuildHistory history;
    history.Record({GestureKind::ChooseHero, 0, 0, "A"});
    for (std::size_t n = 0; n < BuildHistory::kUndoSteps + 10; ++n) {
        history.Record({GestureKind::LevelUp, 1, 0, {}});
    }
    EXPECT_EQ(history.Recipe().Gestures.size(), BuildHistory::kUndoSteps + 10);
    std::size_t undone = 0;
    while (history.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, BuildHistory::kUndoSteps);
    ASSERT_TRUE(history.Redo());
    history.Record({GestureKind::Reset, 0, 0, {}});
    EXPECT_FALSE(history.Redo());
    // The reset empties the recipe; choosing a hero starts a new one.
    EXPECT_TRUE(history.Recipe().Gestures.empty());
    history.Record({GestureKind::ChooseHero, 0, 0, "B"});
    EXPECT_EQ(history.Recipe(), (BuildRecipe{"B", {}}));
}

} // namespace
} // namespace zephyr::test
