#include "data_error.h"
#include "file_bytes.h"
#include "picture_codecs.h"

// jpeglib.h needs FILE and size_t declared first.
#include <cstddef>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

#include <climits>
#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

// libjpeg reports fatal errors by calling error_exit, whose default ends the
// process; ours longjmps back instead. longjmp skips destructors, so every
// function that calls setjmp below touches only trivially destructible data:
// the libjpeg state lives in a plain struct owned by the caller and C++
// objects are reached through pointers.

namespace zephyr {
namespace {

struct ErrorManager {
    jpeg_error_mgr base; // first, so libjpeg's pointer converts back to ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ExitWithError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void IgnoreOutput(j_common_ptr) {}

// Warnings mostly mean lost image data ("premature end of JPEG file" is only
// a warning to libjpeg), and a damaged picture must not load as if it were
// fine. Only those about metadata we do not use, or about stray bytes between
// segments, are let through.
void EmitMessage(j_common_ptr info, int level) {
    if (level >= 0) {
        return; // trace output
    }
    ++info->err->num_warnings;
    switch (info->err->msg_code) {
    case JWRN_ADOBE_XFORM:
    case JWRN_JFIF_MAJOR:
    case JWRN_BOGUS_ICC:
    case JWRN_EXTRANEOUS_DATA:
        return;
    default:
        ExitWithError(info);
    }
}

void InstallErrorManager(ErrorManager& errors) {
    jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitWithError;
    errors.base.output_message = IgnoreOutput;
    errors.base.emit_message = EmitMessage;
    errors.message[0] = '\0';
}

// A progressive file may hold any number of scans and each is a pass over
// the whole picture, so a few hundred kilobytes of near-empty scans keep the
// decoder busy for tens of seconds. Encoders write about ten.
constexpr int kMaxJpegScans = 100;

void LimitScans(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxJpegScans) {
        auto* errors = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(errors->message, sizeof errors->message, "JPEG has more than %d scans",
                      kMaxJpegScans);
        std::longjmp(errors->jump, 1);
    }
}

std::uint32_t Scale(std::uint32_t value, std::uint32_t factor) {
    return (value * factor + 127) / 255;
}

// ---- Decoding -------------------------------------------------------------

enum class DecodeOutcome { kDone, kLibraryError, kTooLarge, kOutOfMemory };

struct DecodeJob {
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    const unsigned char* data;
    unsigned long size;
    Picture* picture;
    long long width; // set when the picture is refused as too large
    long long height;
};

std::uint32_t FromCmyk(const JSAMPLE* sample, bool adobeInverted) {
    // Adobe's writers store CMYK inverted, so there the samples already read
    // as "amount of light"; otherwise invert them first.
    std::uint32_t light[4];
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t value = sample[i];
        light[i] = adobeInverted ? value : 255 - value;
    }
    return 0xFF000000u | Scale(light[0], light[3]) << 16 | Scale(light[1], light[3]) << 8 |
           Scale(light[2], light[3]);
}

DecodeOutcome RunDecoder(DecodeJob& job) {
    jpeg_decompress_struct& info = job.info;
    info.err = &job.errors.base;
    InstallErrorManager(job.errors);
    // Armed before jpeg_create_*, which can fail too; destroying a struct that
    // was never created is harmless since the job starts zeroed.
    if (setjmp(job.errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return DecodeOutcome::kLibraryError;
    }
    jpeg_create_decompress(&info);
    job.progress.progress_monitor = LimitScans;
    info.progress = &job.progress;
    jpeg_mem_src(&info, job.data, job.size);
    jpeg_read_header(&info, TRUE);

    job.width = info.image_width;
    job.height = info.image_height;
    if (PictureTooLarge(job.width, job.height)) {
        jpeg_destroy_decompress(&info);
        return DecodeOutcome::kTooLarge;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);

    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    try {
        job.picture->width = width;
        job.picture->height = height;
        job.picture->pixels.assign(
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFF000000u);
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&info);
        return DecodeOutcome::kOutOfMemory;
    }

    const auto components = static_cast<std::size_t>(info.output_components);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, row, 1) != 1) {
            ERREXIT(&info, JERR_INPUT_EOF); // cannot happen with a memory source
        }
        std::uint32_t* out = &job.picture->at(0, y);
        for (int x = 0; x < width; ++x) {
            const JSAMPLE* sample = row[0] + static_cast<std::size_t>(x) * components;
            out[x] = cmyk ? FromCmyk(sample, info.saw_Adobe_marker != 0)
                          : 0xFF000000u | std::uint32_t{sample[0]} << 16 |
                                std::uint32_t{sample[1]} << 8 | std::uint32_t{sample[2]};
        }
    }
    // Reads on to the end-of-image marker, so data cut short after the last
    // scan is noticed too.
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return DecodeOutcome::kDone;
}

// ---- Encoding -------------------------------------------------------------

struct EncodeJob {
    jpeg_compress_struct info;
    ErrorManager errors;
    const Picture* picture;
    int quality;
    JSAMPLE* row; // width * 3 samples
    unsigned char* buffer;
    unsigned long size;
};

bool RunEncoder(EncodeJob& job) {
    jpeg_compress_struct& info = job.info;
    info.err = &job.errors.base;
    InstallErrorManager(job.errors);
    if (setjmp(job.errors.jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &job.buffer, &job.size);
    info.image_width = static_cast<JDIMENSION>(job.picture->width);
    info.image_height = static_cast<JDIMENSION>(job.picture->height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, job.quality, TRUE);
    jpeg_start_compress(&info, TRUE);

    JSAMPROW rows[1] = {job.row};
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < job.picture->width; ++x) {
            // Composited on black: a transparent pixel comes out black.
            const std::uint32_t argb = job.picture->at(x, y);
            const std::uint32_t alpha = argb >> 24;
            JSAMPLE* sample = job.row + static_cast<std::size_t>(x) * 3;
            sample[0] = static_cast<JSAMPLE>(Scale(argb >> 16 & 0xFF, alpha));
            sample[1] = static_cast<JSAMPLE>(Scale(argb >> 8 & 0xFF, alpha));
            sample[2] = static_cast<JSAMPLE>(Scale(argb & 0xFF, alpha));
        }
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

struct FreeDeleter {
    void operator()(unsigned char* buffer) const { std::free(buffer); }
};

} // namespace

Picture DecodeJpeg(std::string_view bytes, const std::string& name) {
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xD8) {
        throw DataError(name, "not a JPEG file");
    }
    if (bytes.size() > ULONG_MAX) {
        throw DataError(name, "JPEG data too large");
    }
    Picture picture;
    DecodeJob job{};
    job.data = reinterpret_cast<const unsigned char*>(bytes.data());
    job.size = static_cast<unsigned long>(bytes.size());
    job.picture = &picture;
    switch (RunDecoder(job)) {
    case DecodeOutcome::kDone:
        return picture;
    case DecodeOutcome::kTooLarge:
        throw DataError(name, TooLargeText(job.width, job.height));
    case DecodeOutcome::kOutOfMemory:
        throw DataError(name, "not enough memory for the picture");
    case DecodeOutcome::kLibraryError:
        break;
    }
    throw DataError(name, job.errors.message);
}

Picture DecodeJpegFile(const std::filesystem::path& path) {
    return DecodeJpeg(ReadFileBytes(path), PathText(path));
}

std::string EncodeJpeg(const Picture& picture, int quality) {
    if (picture.width < 1 || picture.height < 1 ||
        picture.pixels.size() !=
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
        throw std::invalid_argument("EncodeJpeg: the picture has no pixels");
    }
    std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width) * 3);
    EncodeJob job{};
    job.picture = &picture;
    job.quality = quality < 1 ? 1 : (quality > 100 ? 100 : quality);
    job.row = row.data();
    const bool done = RunEncoder(job);
    // libjpeg mallocs the output buffer and leaves freeing it to us, even
    // after a failure.
    const std::unique_ptr<unsigned char, FreeDeleter> buffer(job.buffer);
    if (!done) {
        throw std::runtime_error(std::string("EncodeJpeg: ") + job.errors.message);
    }
    return std::string(reinterpret_cast<const char*>(buffer.get()), job.size);
}

} // namespace zephyr
