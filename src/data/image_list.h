#pragma once

#include "picture.h"

#include <vector>

namespace zephyr {

// A list of icons that all have the same cell size.
struct ImageList {
    int Width = 0;
    int Height = 0;
    std::vector<Picture> Images;

    // Adds a picture that already has the cell size; returns its index.
    int Add(Picture picture) {
        Images.push_back(std::move(picture));
        return static_cast<int>(Images.size()) - 1;
    }
    int Count() const { return static_cast<int>(Images.size()); }
};

} // namespace zephyr
