#pragma once

#include <array>
#include <string>

namespace zephyr {

// The calculator screen's own texts, in Windows-1251.
struct ScreenTexts {
    std::string Activate; // ability and slot menus
    std::string Deactivate;
    std::string Configure;
    std::string Of; // " из " between a parameter value and its maximum
    std::string Yes;
    std::string No;
    std::string AttributeBonus; // build-order line of an attribute-bonus level
    std::string Ranged;
    std::string Melee;
    std::string None;
    std::string Infinity;
    // Caption columns 0, 2 and 4 of the eight grid rows; empty where none.
    std::array<std::array<std::string, 3>, 8> GridCaptions;
};

const ScreenTexts& Texts();

} // namespace zephyr
