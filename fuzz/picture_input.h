#pragma once

#include "fuzz_check.h"

#include "data/data_error.h"
#include "data/picture_codecs.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zephyr::fuzz {

// Decodes the input with `decode`, then stretches the picture to the icon
// sizes the loaders use. A DataError is the expected answer to a bad file.
template <class Decode>
void DecodeAndStretch(Decode decode, const std::uint8_t* data, std::size_t size) {
    Picture picture;
    try {
        picture = decode(std::string_view(reinterpret_cast<const char*>(data), size), "input");
    } catch (const DataError&) {
        return;
    }
    FUZZ_CHECK(picture.width >= 1 && picture.height >= 1);
    FUZZ_CHECK(!PictureTooLarge(picture.width, picture.height));
    FUZZ_CHECK(picture.pixels.size() ==
               static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (const auto& [width, height] : {std::pair{36, 36}, std::pair{15, 15}, std::pair{1, 3}}) {
        Picture copy = picture;
        StretchBitmap(copy, width, height);
        FUZZ_CHECK(copy.width == width && copy.height == height);
        FUZZ_CHECK(copy.pixels.size() == static_cast<std::size_t>(width * height));
    }
}

} // namespace zephyr::fuzz
