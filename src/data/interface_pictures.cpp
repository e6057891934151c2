#include "interface_pictures.h"

#include "data_location.h"

#include <algorithm>

namespace zephyr {
namespace {

using namespace interface_picture;

constexpr std::string_view kRequired[] = {
    kFormTop,
    kFormLeft,
    kFormBottom,
    kMainMask,
    kEditCenter,
    kButtonEditLeftPassive,
    kButtonEditLeftActive,
    kButtonEditRightPassive,
    kButtonEditRightActive,
    kButtonClosePassive,
    kButtonCloseActive,
    kButtonMinimizePassive,
    kButtonMinimizeActive,
    kButtonDescriptionPassive,
    kButtonDescriptionActive,
    kButtonLevelPassive,
    kButtonLevelActive,
    kButtonResetPassive,
    kButtonResetActive,
    kButtonFormulaPassive,
    kButtonFormulaActive,
    kButtonStringOffPassive,
    kButtonStringOffActive,
    kButtonStringOnPassive,
    kButtonStringOnActive,
    kFormCaption,
};

constexpr std::string_view kOther[] = {
    kSplashImage,       kStatAttack,
    kStatDefence,       kAttributeStrength,
    kAttributeAgility,  kAttributeIntelligence,
    kNoAbility,         kGoldBorder64,
    kBronzeBorder64,    kEmptySlot,
    kGoldBorder36,      kBronzeBorder36,
    kNoOrbWorks,        kNoOrb,
    kLevelBadges,       kButtonBackPassive,
    kButtonBackActive,  kButtonBackDisable,
    kButtonNextPassive, kButtonNextActive,
    kButtonNextDisable, kButtonLinkPassive,
    kButtonLinkActive,
};

} // namespace

std::span<const std::string_view> RequiredDesignPictures() {
    return kRequired;
}
bool RequiredDesignPicturesPresent(const DataLocation& location) {
    return std::ranges::all_of(kRequired, [&location](std::string_view stored) {
        return location.Find(stored).has_value();
    });
}
std::span<const std::string_view> OtherInterfacePictures() {
    return kOther;
}

} // namespace zephyr
