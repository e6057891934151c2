#include "interface_pictures.h"

namespace zephyr {
namespace {

constexpr std::string_view kRequired[] = {
    "Data\\Images\\design\\FormTop.bmp",
    "Data\\Images\\design\\FormLeft.bmp",
    "Data\\Images\\design\\FormBottom.bmp",
    "Data\\Images\\design\\MainMask.bmp",
    "Data\\images\\design\\edit_center.bmp",
    "Data\\images\\design\\buttons\\edit_left_passive.bmp",
    "Data\\images\\design\\buttons\\edit_left_active.bmp",
    "Data\\images\\design\\buttons\\edit_right_passive.bmp",
    "Data\\images\\design\\buttons\\edit_right_active.bmp",
    "Data\\images\\design\\buttons\\close_passive.bmp",
    "Data\\images\\design\\buttons\\close_active.bmp",
    "Data\\images\\design\\buttons\\minimize_passive.bmp",
    "Data\\images\\design\\buttons\\minimize_active.bmp",
    "Data\\images\\design\\buttons\\description_passive.bmp",
    "Data\\images\\design\\buttons\\description_active.bmp",
    "Data\\images\\design\\buttons\\level_passive.bmp",
    "Data\\images\\design\\buttons\\level_active.bmp",
    "Data\\images\\design\\buttons\\reset_passive.bmp",
    "Data\\images\\design\\buttons\\reset_active.bmp",
    "Data\\images\\design\\buttons\\formula_passive.bmp",
    "Data\\images\\design\\buttons\\formula_active.bmp",
    "Data\\images\\design\\buttons\\string_off_passive.bmp",
    "Data\\images\\design\\buttons\\string_off_active.bmp",
    "Data\\images\\design\\buttons\\string_on_passive.bmp",
    "Data\\images\\design\\buttons\\string_on_active.bmp",
    "Data\\images\\design\\headers\\FormCaption.bmp",
};

constexpr std::string_view kOther[] = {
    "Data\\Images\\design\\SplashImage.jpg",
    "Data\\images\\stats\\hero_a.jpg",
    "Data\\images\\stats\\hero_d.jpg",
    "Data\\images\\stats\\S.gif",
    "Data\\images\\stats\\A.gif",
    "Data\\images\\stats\\I.gif",
    "Data\\images\\skills\\skill000.jpg",
    "Data\\images\\design\\gold_border64.bmp",
    "Data\\images\\design\\bronze_border64.bmp",
    "Data\\images\\design\\EmptySlot.JPG",
    "Data\\images\\design\\gold_border36.bmp",
    "Data\\images\\design\\bronze_border36.bmp",
    "Data\\images\\orbs\\noneattack.bmp",
    "Data\\images\\design\\no_orb.bmp",
    "Data\\images\\design\\Levels.bmp",
    "Data\\images\\design\\buttons\\back_passive.bmp",
    "Data\\images\\design\\buttons\\back_active.bmp",
    "Data\\images\\design\\buttons\\back_disable.bmp",
    "Data\\images\\design\\buttons\\next_passive.bmp",
    "Data\\images\\design\\buttons\\next_active.bmp",
    "Data\\images\\design\\buttons\\next_disable.bmp",
    "Data\\images\\design\\buttons\\link_passive.bmp",
    "Data\\images\\design\\buttons\\link_active.bmp",
};

} // namespace

std::span<const std::string_view> RequiredDesignPictures() {
    return kRequired;
}
std::span<const std::string_view> OtherInterfacePictures() {
    return kOther;
}

} // namespace zephyr
