// The GIF decoder (giflib: first frame, transparency), then StretchBitmap of its picture.
#include "picture_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephyr::fuzz::DecodeAndStretch(zephyr::DecodeGif, data, size);
    return 0;
}
