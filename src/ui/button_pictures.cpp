#include "button_pictures.h"

#include "cell_list.h"

#include <string>

namespace zephyr::ui {
namespace {

struct GroupFiles {
    const char* passive;
    const char* active;
    const char* disabled;
};

// In group order; paths without a folder live in the buttons folder.
constexpr GroupFiles kFiles[kButtonGroupCount] = {
    {"close_passive.bmp", "close_active.bmp", nullptr},
    {"minimize_passive.bmp", "minimize_active.bmp", nullptr},
    {"description_passive.bmp", "description_active.bmp", nullptr},
    {"level_passive.bmp", "level_active.bmp", nullptr},
    {"edit_left_passive.bmp", "edit_left_active.bmp", nullptr},
    {"edit_right_passive.bmp", "edit_right_active.bmp", nullptr},
    {"Data\\images\\design\\edit_center.bmp", nullptr, nullptr},
    {"reset_passive.bmp", "reset_active.bmp", nullptr},
    {"formula_passive.bmp", "formula_active.bmp", nullptr},
    {"string_on_passive.bmp", "string_on_active.bmp", nullptr},
    {"string_off_passive.bmp", "string_off_active.bmp", nullptr},
    {"back_passive.bmp", "back_active.bmp", "back_disable.bmp"},
    {"next_passive.bmp", "next_active.bmp", "next_disable.bmp"},
    {"link_passive.bmp", "link_active.bmp", nullptr},
};

QImage LoadButton(const DataLocation& location, const char* file) {
    if (file == nullptr) {
        return {};
    }
    std::string stored = file;
    if (stored.find('\\') == std::string::npos) {
        stored = "Data\\images\\design\\buttons\\" + stored;
    }
    return LoadInterfacePicture(location, stored);
}

} // namespace

void ButtonPictures::Load(const DataLocation& location) {
    for (std::size_t g = 0; g < std::size(kFiles); ++g) {
        pictures_[g][0] = LoadButton(location, kFiles[g].passive);
        pictures_[g][1] = LoadButton(location, kFiles[g].active);
        pictures_[g][2] = LoadButton(location, kFiles[g].disabled);
    }
}

} // namespace zephyr::ui
