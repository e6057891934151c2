#pragma once

#include <span>
#include <string_view>

namespace zephyr {

// The interface pictures the main window loads at start-up, by their stored
// paths (relative, backslashes, as the window names them).

// Tested for existence before anything is loaded; a missing one ends start-up.
std::span<const std::string_view> RequiredDesignPictures();

// Loaded afterwards without that test: statistic pictures, fixed image lists,
// the navigation buttons and the splash picture.
std::span<const std::string_view> OtherInterfacePictures();

} // namespace zephyr
