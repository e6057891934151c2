#include "stored_picture.h"

#include "cp1251.h"
#include "data_error.h"
#include "picture_codecs.h"

namespace zephyr {

Picture LoadStoredPicture(const DataLocation& location, std::string_view storedPath,
                          PictureFormat format) {
    const std::filesystem::path path = location.Resolve(storedPath);
    try {
        switch (format) {
        case PictureFormat::Jpeg:
            return DecodeJpegFile(path);
        case PictureFormat::Gif:
            return DecodeGifFile(path);
        case PictureFormat::Bmp:
            return DecodeBmpFile(path);
        }
    } catch (const DataError& error) {
        throw PictureError(error.file(), error.reason());
    }
    throw PictureError(Utf8FromCp1251(storedPath), "unknown picture format");
}

Picture FitPicture(Picture picture, int width, int height) {
    if (picture.width != width || picture.height != height) {
        StretchBitmap(picture, width, height);
    }
    return picture;
}

} // namespace zephyr
