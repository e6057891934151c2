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
    FUZZ_CHECK(picture.Width >= 1 && picture.Height >= 1);
    FUZZ_CHECK(!PictureTooLarge(picture.Width, picture.Height));
    FUZZ_CHECK(picture.Pixels.size() ==
               static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height));
    for (const auto& [width, height] : {std::pair{36, 36}, std::pair{15, 15}, std::pair{1, 3}}) {
        Picture copy = picture;
        StretchBitmap(copy, width, height);
        FUZZ_CHECK(copy.Width == width && copy.Height == height);
        FUZZ_CHECK(copy.Pixels.size() == static_cast<std::size_t>(width * height));
    }
}

} // namespace zephyr::fuzz
