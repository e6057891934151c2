#pragma once

#include "picture.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zephyr {

// Decoders. Each reads the whole file; a missing, unreadable, truncated or
// corrupt file throws DataError naming the path. A picture with a side longer
// than kMaxPictureSide is refused from its header, before anything is
// decoded or allocated: the program shows nothing larger than its 800 x 600
// window, and a tiny file may claim a huge picture.
inline constexpr long long kMaxPictureSide = 4096;

// True when a picture of width x height is refused as too large.
inline bool PictureTooLarge(long long width, long long height) {
    return width > kMaxPictureSide || height > kMaxPictureSide;
}
// The reason given for such a picture.
inline std::string TooLargeText(long long width, long long height) {
    return "picture of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels is too large (at most " + std::to_string(kMaxPictureSide) + " x " +
           std::to_string(kMaxPictureSide) + ")";
}

Picture DecodeJpegFile(const std::filesystem::path& path);
Picture DecodeGifFile(const std::filesystem::path& path); // first frame, transparency honoured
Picture DecodeBmpFile(const std::filesystem::path& path);

// The same over bytes in memory; `name` is what error messages call the data.
Picture DecodeJpeg(std::string_view bytes, const std::string& name);
Picture DecodeGif(std::string_view bytes, const std::string& name);
Picture DecodeBmp(std::string_view bytes, const std::string& name);

// Encoders, used by the data-pack compiler and by test fixtures.
std::string EncodeJpeg(const Picture& picture, int quality = 90);
// Pixels with alpha below 128 become the GIF's transparent colour; other
// colours are reduced to at most 255 palette entries.
std::string EncodeGif(const Picture& picture);
std::string EncodeBmp(const Picture& picture); // 24-bit, bottom-up

} // namespace zephyr
