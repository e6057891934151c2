#pragma once

#include "build_recipe.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zephyr {

class Calculator;

// The recipe of today's build and the recipes that Undo and Redo step
// through. Choosing a hero starts a new recipe and the reset empties it, so a
// recipe holds only the gestures since the hero was chosen.
class BuildHistory {
public:
    static constexpr std::size_t kUndoSteps = 200;

    const BuildRecipe& Recipe() const { return recipe_; }

    // A gesture the calculator took.
    void Record(const Gesture& gesture);
    // A build replaced as a whole (a pasted code), undone in one step.
    void Replace(BuildRecipe recipe);

    // The recipe to rebuild, nothing when there is no step to take.
    std::optional<BuildRecipe> Undo();
    std::optional<BuildRecipe> Redo();

    // After a rebuild: the recipe of the gestures that took.
    void SetRecipe(BuildRecipe recipe) { recipe_ = std::move(recipe); }

private:
    // Keeps today's recipe for Undo and forgets what Redo had.
    void Remember();
    std::optional<BuildRecipe> StepTo(std::vector<BuildRecipe>& from, std::vector<BuildRecipe>& to);

    BuildRecipe recipe_;
    std::vector<BuildRecipe> undo_;
    std::vector<BuildRecipe> redo_;
};

// Makes the recipe's build anew on the calculator through its gestures and
// returns the recipe of those that took.
BuildRecipe Replay(Calculator& calc, const BuildRecipe& recipe);

// The recipe after one more gesture that took.
void Follow(BuildRecipe& recipe, const Gesture& gesture);

} // namespace zephyr
