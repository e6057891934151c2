#pragma once

#include "picture.h"

#include <vector>

namespace zephyr {

// A list of icons that all have the same cell size.
struct ImageList {
    int width = 0;
    int height = 0;
    std::vector<Picture> images;

    // Adds a picture that already has the cell size; returns its index.
    int Add(Picture picture) {
        images.push_back(std::move(picture));
        return static_cast<int>(images.size()) - 1;
    }
    int Count() const { return static_cast<int>(images.size()); }
};

} // namespace zephyr
