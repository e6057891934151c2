#pragma once

#include "data_location.h"
#include "picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zephyr {

enum class PictureFormat { Jpeg, Gif, Bmp };

// The format a stored path names by its extension (".jpg", ".jpeg", ".gif",
// ".bmp", any letter case), or nothing for any other or no extension.
std::optional<PictureFormat> PictureFormatOf(std::string_view storedPath);

// No picture the data names comes near this; a larger file is refused unread.
inline constexpr std::uintmax_t kMaxPictureFileBytes = 32 * 1024 * 1024;

// Decodes the picture at a path stored in the data. Only a regular file of at
// most kMaxPictureFileBytes inside a folder that holds the data is read (see
// ReadStoredFile). A missing, refused, unreadable or corrupt picture throws
// PictureError: named by `owner`, the record that stores the path (UTF-8),
// with the stored path in the reason; without an owner, by the file's path.
Picture LoadStoredPicture(const DataLocation& location, std::string_view storedPath,
                          PictureFormat format, std::string_view owner = {});

// A record as picture errors name it: "hero 3 (Brannoc Ironvow)", or "aura 2"
// when the name is empty. `name` is Windows-1251.
std::string RecordName(std::string_view kind, int number, std::string_view name);

// The picture stretched to width x height, unless it already has that size.
Picture FitPicture(Picture picture, int width, int height);

} // namespace zephyr
