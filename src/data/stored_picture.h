#pragma once

#include "data_location.h"
#include "picture.h"

#include <string_view>

namespace zephyr {

enum class PictureFormat { Jpeg, Gif, Bmp };

// Decodes the picture at a path stored in the data. A missing, unreadable or
// corrupt picture throws PictureError naming the path.
Picture LoadStoredPicture(const DataLocation& location, std::string_view storedPath,
                          PictureFormat format);

// The picture stretched to width x height, unless it already has that size.
Picture FitPicture(Picture picture, int width, int height);

} // namespace zephyr
