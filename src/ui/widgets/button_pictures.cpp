#include "ui/widgets/button_pictures.h"

#include "ui/widgets/cell_list.h"

#include "data/interface_pictures.h"

#include <string_view>

namespace zephyr::ui {
namespace {

using namespace interface_picture;

// A group's pictures by state; an empty path is a state without a picture.
struct GroupFiles {
    std::string_view Passive;
    std::string_view Active;
    std::string_view Disabled;
};

// In group order.
constexpr GroupFiles kFiles[kButtonGroupCount] = {
    {kButtonClosePassive, kButtonCloseActive, {}},
    {kButtonMinimizePassive, kButtonMinimizeActive, {}},
    {kButtonDescriptionPassive, kButtonDescriptionActive, {}},
    {kButtonLevelPassive, kButtonLevelActive, {}},
    {kButtonEditLeftPassive, kButtonEditLeftActive, {}},
    {kButtonEditRightPassive, kButtonEditRightActive, {}},
    {kEditCenter, {}, {}},
    {kButtonResetPassive, kButtonResetActive, {}},
    {kButtonFormulaPassive, kButtonFormulaActive, {}},
    {kButtonStringOnPassive, kButtonStringOnActive, {}},
    {kButtonStringOffPassive, kButtonStringOffActive, {}},
    {kButtonBackPassive, kButtonBackActive, kButtonBackDisable},
    {kButtonNextPassive, kButtonNextActive, kButtonNextDisable},
    {kButtonLinkPassive, kButtonLinkActive, {}},
};

QImage LoadButton(const DataLocation& location, std::string_view stored) {
    return stored.empty() ? QImage() : LoadInterfacePicture(location, stored);
}

} // namespace

void ButtonPictures::Load(const DataLocation& location) {
    for (std::size_t g = 0; g < std::size(kFiles); ++g) {
        pictures_[g][0] = LoadButton(location, kFiles[g].Passive);
        pictures_[g][1] = LoadButton(location, kFiles[g].Active);
        pictures_[g][2] = LoadButton(location, kFiles[g].Disabled);
    }
}

} // namespace zephyr::ui
