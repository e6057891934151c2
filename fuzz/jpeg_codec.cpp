// The JPEG decoder (libjpeg), then StretchBitmap of its picture.
#include "picture_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephyr::fuzz::DecodeAndStretch(zephyr::DecodeJpeg, data, size);
    return 0;
}
