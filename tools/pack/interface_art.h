#pragma once

#include "data/picture.h"

#include <QRect>

#include <string_view>
#include <vector>

namespace zephyr::pack {

class IconSet;

// Draws an interface picture (frames, caption, buttons, frames of slots and
// abilities, level marks, statistic icons, splash) by its stored path, with
// a few icons from the set when there is one. Returns an empty picture for a
// path it does not know.
Picture DrawInterfaceArt(std::string_view storedPath, const IconSet* icons = nullptr);

// One framed panel of the calculator's background (MainMask.bmp), in the
// calculator panel's coordinates: the controls of src/ui/calculator/calculator_panel.cpp
// it holds (labels that size themselves by their widest text), and the
// areas inside it left lime, where the panel's black shows through.
struct MaskPanel {
    const char* Name;
    QRect Area;
    const char* Title; // UTF-8, drawn in the top left corner; empty for none
    std::vector<QRect> Controls;
    std::vector<QRect> Lime;
};

// The room between a panel's edge and its controls, and between two panels.
inline constexpr int kMaskMargin = 4;
inline constexpr int kMainMaskWidth = 793;
inline constexpr int kMainMaskHeight = 550;

// Every panel MainMask.bmp draws.
const std::vector<MaskPanel>& MainMaskPanels();

} // namespace zephyr::pack
