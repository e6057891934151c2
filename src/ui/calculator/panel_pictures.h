#pragma once

#include "ui/widgets/button_pictures.h"
#include "ui/widgets/cell_list.h"

#include "data/catalogue.h"

namespace zephyr::ui {

// The cells of the fixed lists, in the order the set-up adds them.
namespace cell {
inline constexpr int kNoAbility = 0;       // Other64
inline constexpr int kGoldFrame = 0;       // Frames
inline constexpr int kBronzeFrame = 1;     // Frames
inline constexpr int kEmptySlot = 0;       // Other36
inline constexpr int kSlotGoldFrame = 1;   // Other36
inline constexpr int kSlotBronzeFrame = 2; // Other36
inline constexpr int kNoOrbWorks = 0;      // Other30
inline constexpr int kNoOrb = 1;           // Other30
} // namespace cell

// Every image list of the calculator panel and the button picture set,
// filled by the window's set-up.
struct PanelPictures {
    // From the catalogue.
    CellList Heroes64{64, 64};
    CellList Heroes32{32, 32};
    CellList Shops{36, 36};
    CellList Aurs15{15, 15};
    CellList Orbs30{30, 30};
    // Fixed lists of the design.
    CellList Other64{64, 64};
    CellList Frames{64, 64};
    CellList Other36{36, 36};
    CellList Other30{30, 30};
    CellList Levels{20, 20};
    // The current hero's four ability pictures.
    CellList Abilities{64, 64};

    ButtonPictures Buttons;

    void TakeCatalogueLists(const Catalogue& catalogue) {
        Heroes64 = CellList::FromImageList(catalogue.Heroes64);
        Heroes32 = CellList::FromImageList(catalogue.Heroes32);
        Shops = CellList::FromImageList(catalogue.Shops);
        Aurs15 = CellList::FromImageList(catalogue.Aurs15);
        Orbs30 = CellList::FromImageList(catalogue.Orbs30);
    }
};

} // namespace zephyr::ui
