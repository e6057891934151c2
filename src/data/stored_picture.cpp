#include "stored_picture.h"

#include "byte_helpers.h"
#include "cp1251.h"
#include "data_error.h"
#include "file_bytes.h"
#include "picture_codecs.h"
#include "stored_file.h"

namespace zephyr {
namespace {

Picture Decode(std::string_view bytes, const std::string& name, PictureFormat format) {
    switch (format) {
    case PictureFormat::Jpeg:
        return DecodeJpeg(bytes, name);
    case PictureFormat::Gif:
        return DecodeGif(bytes, name);
    case PictureFormat::Bmp:
        return DecodeBmp(bytes, name);
    }
    throw DataError(name, "unknown picture format");
}

} // namespace

std::optional<PictureFormat> PictureFormatOf(std::string_view storedPath) {
    const std::size_t dot = storedPath.find_last_of('.');
    const std::size_t slash = storedPath.find_last_of("\\/");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return std::nullopt;
    }
    const std::string extension = UpperCaseCyr(storedPath.substr(dot + 1));
    if (extension == "JPG" || extension == "JPEG") {
        return PictureFormat::Jpeg;
    }
    if (extension == "GIF") {
        return PictureFormat::Gif;
    }
    if (extension == "BMP") {
        return PictureFormat::Bmp;
    }
    return std::nullopt;
}

Picture LoadStoredPicture(const DataLocation& location, std::string_view storedPath,
                          PictureFormat format, std::string_view owner) {
    const std::filesystem::path path = location.Resolve(storedPath);
    try {
        return Decode(ReadStoredFile(location, path, kMaxPictureFileBytes), PathText(path), format);
    } catch (const DataError& error) {
        if (owner.empty()) {
            throw PictureError(error.File(), error.Reason());
        }
        throw PictureError(std::string(owner),
                           "picture \"" + Utf8FromCp1251(storedPath) + "\": " + error.Reason());
    }
}

std::string RecordName(std::string_view kind, int number, std::string_view name) {
    std::string text = std::string(kind) + " " + std::to_string(number);
    if (!name.empty()) {
        text += " (" + Utf8FromCp1251(name) + ")";
    }
    return text;
}

Picture FitPicture(Picture picture, int width, int height) {
    if (picture.Width != width || picture.Height != height) {
        StretchBitmap(picture, width, height);
    }
    return picture;
}

} // namespace zephyr
