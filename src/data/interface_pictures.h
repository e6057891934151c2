#pragma once

#include <span>
#include <string_view>

namespace zephyr {

class DataLocation;

// The interface pictures by their stored paths (relative, backslashes, as the
// window names them). The window, the pack tool and `check` all take them from
// here.
namespace interface_picture {

inline constexpr std::string_view kFormTop = "Data\\Images\\design\\FormTop.bmp";
inline constexpr std::string_view kFormLeft = "Data\\Images\\design\\FormLeft.bmp";
inline constexpr std::string_view kFormBottom = "Data\\Images\\design\\FormBottom.bmp";
inline constexpr std::string_view kMainMask = "Data\\Images\\design\\MainMask.bmp";
inline constexpr std::string_view kEditCenter = "Data\\images\\design\\edit_center.bmp";
inline constexpr std::string_view kButtonEditLeftPassive =
    "Data\\images\\design\\buttons\\edit_left_passive.bmp";
inline constexpr std::string_view kButtonEditLeftActive =
    "Data\\images\\design\\buttons\\edit_left_active.bmp";
inline constexpr std::string_view kButtonEditRightPassive =
    "Data\\images\\design\\buttons\\edit_right_passive.bmp";
inline constexpr std::string_view kButtonEditRightActive =
    "Data\\images\\design\\buttons\\edit_right_active.bmp";
inline constexpr std::string_view kButtonClosePassive =
    "Data\\images\\design\\buttons\\close_passive.bmp";
inline constexpr std::string_view kButtonCloseActive =
    "Data\\images\\design\\buttons\\close_active.bmp";
inline constexpr std::string_view kButtonMinimizePassive =
    "Data\\images\\design\\buttons\\minimize_passive.bmp";
inline constexpr std::string_view kButtonMinimizeActive =
    "Data\\images\\design\\buttons\\minimize_active.bmp";
inline constexpr std::string_view kButtonDescriptionPassive =
    "Data\\images\\design\\buttons\\description_passive.bmp";
inline constexpr std::string_view kButtonDescriptionActive =
    "Data\\images\\design\\buttons\\description_active.bmp";
inline constexpr std::string_view kButtonLevelPassive =
    "Data\\images\\design\\buttons\\level_passive.bmp";
inline constexpr std::string_view kButtonLevelActive =
    "Data\\images\\design\\buttons\\level_active.bmp";
inline constexpr std::string_view kButtonResetPassive =
    "Data\\images\\design\\buttons\\reset_passive.bmp";
inline constexpr std::string_view kButtonResetActive =
    "Data\\images\\design\\buttons\\reset_active.bmp";
inline constexpr std::string_view kButtonFormulaPassive =
    "Data\\images\\design\\buttons\\formula_passive.bmp";
inline constexpr std::string_view kButtonFormulaActive =
    "Data\\images\\design\\buttons\\formula_active.bmp";
inline constexpr std::string_view kButtonStringOffPassive =
    "Data\\images\\design\\buttons\\string_off_passive.bmp";
inline constexpr std::string_view kButtonStringOffActive =
    "Data\\images\\design\\buttons\\string_off_active.bmp";
inline constexpr std::string_view kButtonStringOnPassive =
    "Data\\images\\design\\buttons\\string_on_passive.bmp";
inline constexpr std::string_view kButtonStringOnActive =
    "Data\\images\\design\\buttons\\string_on_active.bmp";
inline constexpr std::string_view kFormCaption = "Data\\images\\design\\headers\\FormCaption.bmp";
inline constexpr std::string_view kSplashImage = "Data\\Images\\design\\SplashImage.jpg";
inline constexpr std::string_view kStatAttack = "Data\\images\\stats\\hero_a.jpg";
inline constexpr std::string_view kStatDefence = "Data\\images\\stats\\hero_d.jpg";
inline constexpr std::string_view kAttributeStrength = "Data\\images\\stats\\S.gif";
inline constexpr std::string_view kAttributeAgility = "Data\\images\\stats\\A.gif";
inline constexpr std::string_view kAttributeIntelligence = "Data\\images\\stats\\I.gif";
inline constexpr std::string_view kNoAbility = "Data\\images\\skills\\skill000.jpg";
inline constexpr std::string_view kGoldBorder64 = "Data\\images\\design\\gold_border64.bmp";
inline constexpr std::string_view kBronzeBorder64 = "Data\\images\\design\\bronze_border64.bmp";
inline constexpr std::string_view kEmptySlot = "Data\\images\\design\\EmptySlot.JPG";
inline constexpr std::string_view kGoldBorder36 = "Data\\images\\design\\gold_border36.bmp";
inline constexpr std::string_view kBronzeBorder36 = "Data\\images\\design\\bronze_border36.bmp";
inline constexpr std::string_view kNoOrbWorks = "Data\\images\\orbs\\noneattack.bmp";
inline constexpr std::string_view kNoOrb = "Data\\images\\design\\no_orb.bmp";
inline constexpr std::string_view kLevelBadges = "Data\\images\\design\\Levels.bmp";
inline constexpr std::string_view kButtonBackPassive =
    "Data\\images\\design\\buttons\\back_passive.bmp";
inline constexpr std::string_view kButtonBackActive =
    "Data\\images\\design\\buttons\\back_active.bmp";
inline constexpr std::string_view kButtonBackDisable =
    "Data\\images\\design\\buttons\\back_disable.bmp";
inline constexpr std::string_view kButtonNextPassive =
    "Data\\images\\design\\buttons\\next_passive.bmp";
inline constexpr std::string_view kButtonNextActive =
    "Data\\images\\design\\buttons\\next_active.bmp";
inline constexpr std::string_view kButtonNextDisable =
    "Data\\images\\design\\buttons\\next_disable.bmp";
inline constexpr std::string_view kButtonLinkPassive =
    "Data\\images\\design\\buttons\\link_passive.bmp";
inline constexpr std::string_view kButtonLinkActive =
    "Data\\images\\design\\buttons\\link_active.bmp";

} // namespace interface_picture

// Tested for existence before anything is loaded; a missing one ends start-up.
std::span<const std::string_view> RequiredDesignPictures();
// Whether every one of them is there.
bool RequiredDesignPicturesPresent(const DataLocation& location);

// Loaded afterwards without that test: statistic pictures, fixed image lists,
// the navigation buttons and the splash picture.
std::span<const std::string_view> OtherInterfacePictures();

} // namespace zephyr
