#pragma once

#include "picture.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace zephyr {

// Decoders. Each reads the whole file; a missing, unreadable, truncated or
// corrupt file throws DataError naming the path. Pictures larger than
// kMaxPicturePixels are refused rather than allocated.
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

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
