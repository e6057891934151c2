#include "build_history.h"

#include "calculator.h"

namespace zephyr {

void Follow(BuildRecipe& recipe, const Gesture& gesture) {
    if (gesture.Kind == GestureKind::ChooseHero) {
        recipe = {gesture.Name, {}};
    } else if (gesture.Kind == GestureKind::Reset) {
        recipe.Gestures.clear();
    } else {
        recipe.Gestures.push_back(gesture);
    }
}

void BuildHistory::Remember() {
    if (recipe_.Hero.empty()) {
        return; // nothing was built yet
    }
    undo_.push_back(recipe_);
    if (undo_.size() > kUndoSteps) {
        undo_.erase(undo_.begin());
    }
    redo_.clear();
}

void BuildHistory::Record(const Gesture& gesture) {
    Remember();
    Follow(recipe_, gesture);
}

void BuildHistory::Replace(BuildRecipe recipe) {
    Remember();
    recipe_ = std::move(recipe);
}

std::optional<BuildRecipe> BuildHistory::StepTo(std::vector<BuildRecipe>& from,
                                                std::vector<BuildRecipe>& to) {
    if (from.empty()) {
        return std::nullopt;
    }
    to.push_back(recipe_);
    BuildRecipe step = std::move(from.back());
    from.pop_back();
    return step;
}

std::optional<BuildRecipe> BuildHistory::Undo() {
    return StepTo(undo_, redo_);
}

std::optional<BuildRecipe> BuildHistory::Redo() {
    return StepTo(redo_, undo_);
}

BuildRecipe Replay(Calculator& calc, const BuildRecipe& recipe) {
    BuildRecipe taken{recipe.Hero, {}};
    ApplyGesture(calc, {GestureKind::ChooseHero, 0, 0, recipe.Hero});
    for (const Gesture& gesture : recipe.Gestures) {
        if (ApplyGesture(calc, gesture)) {
            Follow(taken, gesture);
        }
    }
    return taken;
}

} // namespace zephyr
