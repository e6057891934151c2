#pragma once

#include "data/data_location.h"

#include <QImage>

#include <array>

namespace zephyr::ui {

enum class ButtonGroup {
    Close,
    Minimize,
    Description,
    Level,
    EditLeft,
    EditRight,
    EditCentre,
    Reset,
    Formula,
    StringOn,
    StringOff,
    Back,
    Next,
    Link,
};
inline constexpr int kButtonGroupCount = 14;

enum class ButtonState { Passive, Active, Disabled };

// The picture buttons' bitmaps: passive, active and disabled of every group.
// A bitmap the set has no file for stays empty.
class ButtonPictures {
public:
    // Throws PictureError naming the first file that cannot be read.
    void Load(const DataLocation& location);

    const QImage& Get(ButtonGroup group, ButtonState state) const {
        return pictures_[static_cast<std::size_t>(group)][static_cast<std::size_t>(state)];
    }

private:
    std::array<std::array<QImage, 3>, kButtonGroupCount> pictures_;
};

} // namespace zephyr::ui
