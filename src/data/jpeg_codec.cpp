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
    jpeg_error_mgr Base; // first, so libjpeg's pointer converts back to ours
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ExitWithError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->Message);
    std::longjmp(errors->Jump, 1);
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
    jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ExitWithError;
    errors.Base.output_message = IgnoreOutput;
    errors.Base.emit_message = EmitMessage;
    errors.Message[0] = '\0';
}

// A progressive file may hold any number of scans and each is a pass over
// the whole picture, so a few hundred kilobytes of near-empty scans keep the
// decoder busy for tens of seconds. Encoders write about ten.
constexpr int kMaxJpegScans = 100;

void LimitScans(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxJpegScans) {
        auto* errors = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(errors->Message, sizeof errors->Message, "JPEG has more than %d scans",
                      kMaxJpegScans);
        std::longjmp(errors->Jump, 1);
    }
}

std::uint32_t Scale(std::uint32_t value, std::uint32_t factor) {
    return (value * factor + 127) / 255;
}

// ---- Decoding -------------------------------------------------------------

enum class DecodeOutcome { kDone, kLibraryError, kTooLarge, kOutOfMemory };

struct DecodeJob {
    jpeg_decompress_struct Info;
    ErrorManager Errors;
    jpeg_progress_mgr Progress;
    const unsigned char* Data;
    unsigned long Size;
    zephyr::Picture* Picture;
    long long Width; // set when the picture is refused as too large
    long long Height;
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
    jpeg_decompress_struct& info = job.Info;
    info.err = &job.Errors.Base;
    InstallErrorManager(job.Errors);
    // Armed before jpeg_create_*, which can fail too; destroying a struct that
    // was never created is harmless since the job starts zeroed.
    if (setjmp(job.Errors.Jump) != 0) {
        jpeg_destroy_decompress(&info);
        return DecodeOutcome::kLibraryError;
    }
    jpeg_create_decompress(&info);
    job.Progress.progress_monitor = LimitScans;
    info.progress = &job.Progress;
    jpeg_mem_src(&info, job.Data, job.Size);
    jpeg_read_header(&info, TRUE);

    job.Width = info.image_width;
    job.Height = info.image_height;
    if (PictureTooLarge(job.Width, job.Height)) {
        jpeg_destroy_decompress(&info);
        return DecodeOutcome::kTooLarge;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);

    const int width = static_cast<int>(info.output_width);
    const int height = static_cast<int>(info.output_height);
    try {
        job.Picture->Width = width;
        job.Picture->Height = height;
        job.Picture->Pixels.assign(
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
        std::uint32_t* out = &job.Picture->At(0, y);
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
    jpeg_compress_struct Info;
    ErrorManager Errors;
    const zephyr::Picture* Picture;
    int Quality;
    JSAMPLE* Row; // width * 3 samples
    unsigned char* Buffer;
    unsigned long Size;
};

bool RunEncoder(EncodeJob& job) {
    jpeg_compress_struct& info = job.Info;
    info.err = &job.Errors.Base;
    InstallErrorManager(job.Errors);
    if (setjmp(job.Errors.Jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &job.Buffer, &job.Size);
    info.image_width = static_cast<JDIMENSION>(job.Picture->Width);
    info.image_height = static_cast<JDIMENSION>(job.Picture->Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, job.Quality, TRUE);
    jpeg_start_compress(&info, TRUE);

    JSAMPROW rows[1] = {job.Row};
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < job.Picture->Width; ++x) {
            // Composited on black: a transparent pixel comes out black.
            const std::uint32_t argb = job.Picture->At(x, y);
            const std::uint32_t alpha = argb >> 24;
            JSAMPLE* sample = job.Row + static_cast<std::size_t>(x) * 3;
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
    job.Data = reinterpret_cast<const unsigned char*>(bytes.data());
    job.Size = static_cast<unsigned long>(bytes.size());
    job.Picture = &picture;
    switch (RunDecoder(job)) {
    case DecodeOutcome::kDone:
        return picture;
    case DecodeOutcome::kTooLarge:
        throw DataError(name, TooLargeText(job.Width, job.Height));
    case DecodeOutcome::kOutOfMemory:
        throw DataError(name, "not enough memory for the picture");
    case DecodeOutcome::kLibraryError:
        break;
    }
    throw DataError(name, job.Errors.Message);
}

Picture DecodeJpegFile(const std::filesystem::path& path) {
    return DecodeJpeg(ReadFileBytes(path), PathText(path));
}

std::string EncodeJpeg(const Picture& picture, int quality) {
    if (picture.Width < 1 || picture.Height < 1 ||
        picture.Pixels.size() !=
            static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height)) {
        throw std::invalid_argument("EncodeJpeg: the picture has no pixels");
    }
    std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.Width) * 3);
    EncodeJob job{};
    job.Picture = &picture;
    job.Quality = quality < 1 ? 1 : (quality > 100 ? 100 : quality);
    job.Row = row.data();
    const bool done = RunEncoder(job);
    // libjpeg mallocs the output buffer and leaves freeing it to us, even
    // after a failure.
    const std::unique_ptr<unsigned char, FreeDeleter> buffer(job.Buffer);
    if (!done) {
        throw std::runtime_error(std::string("EncodeJpeg: ") + job.Errors.Message);
    }
    return std::string(reinterpret_cast<const char*>(buffer.get()), job.Size);
}

} // namespace zephyr
