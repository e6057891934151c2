#pragma once

#include <cstdint>
#include <vector>

namespace zephyr {

// A decoded picture: 32-bit pixels 0xAARRGGBB (not premultiplied), rows top to
// bottom. Alpha 0 marks a transparent pixel (a GIF's transparent colour).
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    Picture() = default;
    Picture(int w, int h, std::uint32_t fill = 0xFF000000u)
        : Width(w), Height(h),
          Pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    std::uint32_t& At(int x, int y) {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }
    std::uint32_t At(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }

    friend bool operator==(const Picture&, const Picture&) = default;
};

// Replaces the picture by a copy stretched to exactly width x height (aspect
// ratio not kept). Sizes below 1 give an empty picture.
void StretchBitmap(Picture& picture, int width, int height);

} // namespace zephyr
