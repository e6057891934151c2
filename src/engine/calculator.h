#pragma once

#include "build_recipe.h"
#include "build_state.h"
#include "hero_stats.h"
#include "stat_record.h"

#include "data/catalogue.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

// One parameter editor (DynLabel n, DynEdit n and its two arrows).
// Why an ability picture takes no level now.
struct LevelLimit {
    enum class Kind : std::uint8_t {
        None,         // it takes one
        AbilityAtTop, // the ability has all its levels
        HeroTooLow,   // the next one comes at HeroLevelNeeded
    };
    Kind Why = Kind::None;
    int HeroLevelNeeded = 0;
};

struct EditorView {
    std::string Label;
    std::string Text;
    bool Enabled = false;  // field and arrows
    bool ReadOnly = false; // yes/no fields take no typing
};

// Context menu of an ability picture: "Активировать"/"Деактивировать" (N2)
// and "Настроить" (N4).
struct AbilityMenuView {
    bool ActivateVisible = false;
    std::string ActivateCaption;
    bool ConfigureVisible = false;
};

// Context menu of a slot: "Активировать"/"Деактивировать" (N1).
struct SlotMenuView {
    bool ActivateVisible = false;
    std::string ActivateCaption;
};

struct AbilityPictureView {
    bool Dimmed = false; // drawn in the list's blended style: cannot take a level
    int LevelBadge = -1; // cell of the Levels strip, -1 = no badge
    bool BronzeFrame = false;
    bool GoldFrame = false;
};

struct SlotPictureView {
    bool Empty = true;  // Other36 cell 0
    int IconIndex = -1; // Shops icon when not empty
    bool BronzeFrame = false;
    bool GoldFrame = false;
};

struct AuraPictureView {
    int IconIndex = -1; // Aurs15 icon drawn over black, -1 = black only
    std::string Hint;
};

enum class OrbPictureKind {
    NoOrb,      // Other30 cell 1 at x 20
    NoOrbWorks, // Other30 cell 0 at x 20
    Single,     // Orbs30 FirstIcon at x 20
    Pair,       // Orbs30 FirstIcon at x 0, SecondIcon at x 40
};

struct OrbPictureView {
    OrbPictureKind Kind = OrbPictureKind::NoOrb;
    int FirstIcon = -1;
    int SecondIcon = -1;
};

// Every rule of what a gesture on the calculator panel changes, and what the
// panel then draws. Each gesture returns false when the screen would not
// offer it at that moment; it then changes nothing. After every gesture that
// changes the build the statistics are recomputed.
class Calculator {
public:
    explicit Calculator(const Catalogue& catalogue);

    const Catalogue& Catalog() const { return *catalogue_; }
    const BuildState& State() const { return state_; }
    const HeroStats& Stats() const { return stats_; }
    // The level the panel shows: 1 before the first pick.
    int ShownLevel() const { return state_.HeroLevel < 1 ? 1 : state_.HeroLevel; }

    // Hero picker: choose a hero and reset the build for it.
    bool ChooseHero(int hero);
    // Reset button: the same reset for the current hero.
    bool ShowHero();

    // Item picker opened on empty slot 1-6.
    bool PlaceItem(int slot, int item);
    // Click on a filled slot.
    bool RemoveItem(int slot);
    // Drag build-order line `from` onto line `to` (0-based).
    bool MoveBuildOrderLine(int from, int to);

    // Left mouse-down on ability picture 1-5 (5 = attribute bonus).
    bool LevelUp(int ability);
    bool LevelDown();

    // Ability menu "Активировать"/"Деактивировать" and "Настроить".
    bool ToggleAbility(int ability);
    bool ConfigureAbility(int ability);
    // Slot menu "Активировать"/"Деактивировать".
    bool ToggleSlot(int slot);

    // Parameter editors 1-3: focus, one key press, leaving the field.
    bool EnterEditor(int editor);
    bool EditorKey(int editor, char key); // false when the key filter discards it
    bool LeaveEditor(int editor);
    // Typing a whole text through the key filter, then leaving the field.
    bool TypeIntoEditor(int editor, std::string_view keys);
    bool EditorArrow(int editor, bool right);

    // What the gesture would make of the statistics, worked out on a copy
    // of the build; today's statistics when the screen would not take it.
    HeroStats Preview(const Gesture& gesture) const;
    // Where today's statistics come from, source by source.
    StatRecord RecordStats() const;
    // The slot whose one-per-hero item keeps `item` out of every slot, 0
    // when nothing does.
    int OnePerHeroConflict(int item) const;

    // What the screen draws.
    bool CanLevel(int ability) const;
    LevelLimit LevelLimitOf(int ability) const;
    // The levels ability 1-5 has in all: 4, the ultimate 3, the attribute
    // bonus 10.
    static int TopAbilityLevel(int ability);
    AbilityMenuView AbilityMenu(int ability) const;
    SlotMenuView SlotMenu(int slot) const;
    AbilityPictureView AbilityPicture(int ability) const;
    SlotPictureView SlotPicture(int slot) const;
    AuraPictureView AuraPicture(int slot) const;
    OrbPictureView OrbPicture() const;
    const std::string& LevelCaption() const { return levelCaption_; } // Label2
    const std::string& HeroName() const { return heroName_; }         // Label3
    const EditorView& Editor(int editor) const;
    const std::vector<std::string>& BuildOrderLines() const { return lines_; }
    int BuildOrderLineCode(int line) const;
    // The item in slot 1-6, null when it is empty.
    const TItem* ItemInSlot(int slot) const;

private:
    const TAbility* Ability(int ability) const;
    bool HeroChosen() const;
    void RefreshStats();
    void UpdateAvailability();
    void RemoveBuildOrderEntry(int position);
    void OpenParameters(int ability, bool fromConfigureMenu);
    void CloseParameterEditors();
    void WriteEditorText(int editor);
    AbilityParam* EditedParam(int editor);
    void SwitchAbilityOff(int ability);

    const Catalogue* catalogue_;
    BuildState state_;
    HeroStats stats_;
    std::array<bool, 5> canLevel_{};
    std::vector<std::string> lines_;
    std::string levelCaption_;
    std::string heroName_;
    std::array<EditorView, 3> editors_{};
    int focusedEditor_ = 0;
};

} // namespace zephyr
