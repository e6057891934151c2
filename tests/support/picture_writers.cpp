#include "picture_writers.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <utility>

namespace zephyr::testing {

void PutU16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::string BmpInfoHeader(const BmpInfo& info) {
    std::string header;
    PutU32(header, info.HeaderSize);
    PutU32(header, static_cast<std::uint32_t>(info.Width));
    PutU32(header, static_cast<std::uint32_t>(info.Height));
    PutU16(header, 1); // planes
    PutU16(header, static_cast<std::uint32_t>(info.Bits));
    PutU32(header, info.Compression);
    PutU32(header, info.ImageSize);
    PutU32(header, 2835); // 72 dpi, both ways
    PutU32(header, 2835);
    PutU32(header, info.ColoursUsed);
    PutU32(header, 0); // important colours
    for (const std::uint32_t mask : info.Masks) {
        PutU32(header, mask);
    }
    if (header.size() < info.HeaderSize) {
        header.resize(info.HeaderSize, '\0');
    }
    return header;
}

std::string BmpCoreHeader(int width, int height, int bits) {
    std::string header;
    PutU32(header, 12);
    PutU16(header, static_cast<std::uint32_t>(width));
    PutU16(header, static_cast<std::uint32_t>(height));
    PutU16(header, 1); // planes
    PutU16(header, static_cast<std::uint32_t>(bits));
    return header;
}

std::string BmpFile(const std::string& headers, const std::string& pixels) {
    const auto offset = static_cast<std::uint32_t>(14 + headers.size());
    std::string file = "BM";
    PutU32(file, offset + static_cast<std::uint32_t>(pixels.size()));
    PutU32(file, 0);
    PutU32(file, offset);
    return file + headers + pixels;
}

std::string WriteJpeg(const JpegSettings& settings, const JpegRowFiller& fill) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(settings.Width);
    info.image_height = static_cast<JDIMENSION>(settings.Height);
    info.input_components = settings.Components;
    info.in_color_space = settings.Input;
    jpeg_set_defaults(&info);
    if (settings.Stored) {
        jpeg_set_colorspace(&info, *settings.Stored);
    }
    if (settings.AdobeMarker) {
        info.write_Adobe_marker = *settings.AdobeMarker ? TRUE : FALSE;
    }
    jpeg_set_quality(&info, settings.Quality, TRUE);
    if (settings.LumaH != 0) {
        info.comp_info[0].h_samp_factor = settings.LumaH;
    }
    if (settings.LumaV != 0) {
        info.comp_info[0].v_samp_factor = settings.LumaV;
    }
    info.restart_interval = settings.RestartInterval;
    info.restart_in_rows = settings.RestartRows;
    if (!settings.Script.empty()) {
        info.scan_info = settings.Script.data();
        info.num_scans = static_cast<int>(settings.Script.size());
    } else if (settings.Progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(settings.Width) *
                             static_cast<std::size_t>(settings.Components));
    JSAMPROW rows[1] = {row.data()};
    while (info.next_scanline < info.image_height) {
        fill(static_cast<int>(info.next_scanline), row);
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

std::vector<int> GifRowOrder(int height, bool interlace) {
    std::vector<int> order;
    if (!interlace) {
        for (int y = 0; y < height; ++y) {
            order.push_back(y);
        }
        return order;
    }
    const std::pair<int, int> passes[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
    for (const auto& [first, step] : passes) {
        for (int y = first; y < height; y += step) {
            order.push_back(y);
        }
    }
    return order;
}

namespace {

int AppendToString(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using MapHandle = std::unique_ptr<ColorMapObject, MapDeleter>;

MapHandle MakeMap(const std::vector<GifColorType>& entries) {
    return MapHandle(entries.empty()
                         ? nullptr
                         : GifMakeMapObject(static_cast<int>(entries.size()), entries.data()));
}

// Owns the file being written, so that giflib's state is freed whatever fails.
class GifWriter {
public:
    explicit GifWriter(std::string& out) {
        int error = 0;
        gif_ = EGifOpen(&out, AppendToString, &error);
        if (gif_ == nullptr) {
            Fail("EGifOpen", error);
        }
        EGifSetGifVersion(gif_, true);
    }
    ~GifWriter() {
        if (gif_ != nullptr) {
            int error = 0;
            EGifCloseFile(gif_, &error);
        }
    }
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    GifFileType* get() const { return gif_; }

    // Fails unless a call on the file returned GIF_OK.
    void Check(int result, const char* call) const {
        if (result != GIF_OK) {
            Fail(call, gif_->Error);
        }
    }

    // Writes the trailer and frees the file.
    void Close() {
        int error = 0;
        const int result = EGifCloseFile(std::exchange(gif_, nullptr), &error);
        if (result != GIF_OK) {
            Fail("EGifCloseFile", error);
        }
    }

private:
    [[noreturn]] static void Fail(const char* call, int error) {
        const char* text = GifErrorString(error);
        throw std::runtime_error(std::string(call) + ": " + (text != nullptr ? text : "failed"));
    }

    GifFileType* gif_ = nullptr;
};

} // namespace

std::string WriteGif(const GifLayout& layout) {
    std::string out;
    GifWriter gif(out);
    const MapHandle global = MakeMap(layout.GlobalMap);
    gif.Check(EGifPutScreenDesc(gif.get(), layout.Width, layout.Height, 8, 0, global.get()),
              "EGifPutScreenDesc");
    if (layout.Looping) {
        GifByteType loop[] = {1, 0, 0}; // loop for ever
        gif.Check(EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE),
                  "EGifPutExtensionLeader");
        gif.Check(EGifPutExtensionBlock(gif.get(), 11, "NETSCAPE2.0"), "EGifPutExtensionBlock");
        gif.Check(EGifPutExtensionBlock(gif.get(), 3, loop), "EGifPutExtensionBlock");
        gif.Check(EGifPutExtensionTrailer(gif.get()), "EGifPutExtensionTrailer");
    }
    if (!layout.Comment.empty()) {
        gif.Check(EGifPutComment(gif.get(), layout.Comment.c_str()), "EGifPutComment");
    }
    for (const GifFrame& frame : layout.Frames) {
        if (frame.Control) {
            GifByteType extension[4];
            const std::size_t length = EGifGCBToExtension(&*frame.Control, extension);
            gif.Check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length),
                                       extension),
                      "EGifPutExtension");
        }
        const MapHandle local = MakeMap(frame.LocalMap);
        gif.Check(EGifPutImageDesc(gif.get(), frame.Left, frame.Top, frame.Width, frame.Height,
                                   frame.Interlace, local.get()),
                  "EGifPutImageDesc");
        for (const int y : GifRowOrder(frame.Height, frame.Interlace)) {
            // giflib takes a writable row.
            std::vector<GifPixelType> row = frame.Rows.at(static_cast<std::size_t>(y));
            gif.Check(EGifPutLine(gif.get(), row.data(), frame.Width), "EGifPutLine");
        }
    }
    gif.Close();
    return out;
}

} // namespace zephyr::testing
