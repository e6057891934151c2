#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// The calculator panel's gestures, as a build is replayed from them.
enum class GestureKind : std::uint8_t {
    ChooseHero = 1, // Name
    LevelUp,        // A: ability 1 to 5
    LevelDown,
    Reset,
    Place,         // A: slot, Name: item
    Remove,        // A: slot
    MoveLine,      // A: from, B: to
    ToggleAbility, // A: ability
    OpenParams,    // A: ability
    ToggleSlot,    // A: slot
    ParamText,     // A: editor, Name: the typed text
    ParamArrow,    // A: editor, B: 1 right, 0 left
};
inline constexpr std::uint8_t kLastGestureKind = static_cast<std::uint8_t>(GestureKind::ParamArrow);

struct Gesture {
    GestureKind Kind = GestureKind::Reset;
    std::int32_t A = 0;
    std::int32_t B = 0;
    std::string Name; // Windows-1251: a hero's or item's name, or typed text

    friend bool operator==(const Gesture&, const Gesture&) = default;
};

// A build as the gestures that make it, starting from a hero chosen by name.
struct BuildRecipe {
    std::string Hero; // Windows-1251
    std::vector<Gesture> Gestures;

    friend bool operator==(const BuildRecipe&, const BuildRecipe&) = default;
};

class Calculator;
struct Catalogue;

// Makes one gesture on the calculator, as the panel would; false when the
// screen would not offer it now (or names no hero or item of the catalogue).
bool ApplyGesture(Calculator& calc, const Gesture& gesture);

// A hero or an item a recipe names that the catalogue lacks.
struct MissingRecord {
    bool IsHero = false;
    std::string Name; // Windows-1251
};

// The first of them; nothing when all are there.
std::optional<MissingRecord> FindMissingRecord(const Catalogue& catalogue,
                                               const BuildRecipe& recipe);

// The same as "hero \"Name\"" or "item \"Name\"" (Windows-1251), for the
// command line.
std::optional<std::string> MissingName(const Catalogue& catalogue, const BuildRecipe& recipe);

} // namespace zephyr
