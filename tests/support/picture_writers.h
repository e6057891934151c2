#pragma once

// Picture files in layouts the program's own encoders never produce: BMPs
// built field by field, JPEGs and GIFs written with libjpeg and giflib
// directly.
#include <cstddef>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <gif_lib.h>
#include <jpeglib.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zephyr::testing {

// ---- Little-endian fields --------------------------------------------------

void PutU16(std::string& out, std::uint32_t value);
void PutU32(std::string& out, std::uint32_t value);

// ---- BMP -------------------------------------------------------------------

// The fields of a 40-byte BITMAPINFOHEADER. Masks follow them inside the
// header, which is padded with zeros to `headerSize` bytes (a V2 to V5
// header); with a 40-byte header they simply come after it.
struct BmpInfo {
    std::int32_t width = 0;
    std::int32_t height = 0; // negative for rows stored top first
    int bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0; // bytes of pixel data; 0 is allowed when uncompressed
    std::uint32_t coloursUsed = 0;
    std::uint32_t headerSize = 40;
    std::vector<std::uint32_t> masks;
};
std::string BmpInfoHeader(const BmpInfo& info);

// The old 12-byte BITMAPCOREHEADER.
std::string BmpCoreHeader(int width, int height, int bits);

// The 14-byte file header, then `headers` (bitmap header, masks, palette)
// and the pixels, which the file header points at.
std::string BmpFile(const std::string& headers, const std::string& pixels);

// ---- JPEG ------------------------------------------------------------------

// How a JPEG is written; what is left unset keeps libjpeg's default.
struct JpegSettings {
    int width = 0;
    int height = 0;
    int components = 3; // samples a pixel in the input colour space
    J_COLOR_SPACE input = JCS_RGB;
    std::optional<J_COLOR_SPACE> stored; // the colour space inside the file
    std::optional<bool> adobeMarker;
    int quality = 75;
    int lumaH = 0; // sampling factors of the first component; 0 for the default
    int lumaV = 0;
    unsigned restartInterval = 0; // in MCUs
    int restartRows = 0;
    bool progressive = false;           // libjpeg's own progression
    std::vector<jpeg_scan_info> script; // progressive scans of its own, if any
};

// Fills row y with width x components samples.
using JpegRowFiller = std::function<void(int y, std::span<JSAMPLE> row)>;

// libjpeg's default error handler ends the program should the settings make
// no sense.
std::string WriteJpeg(const JpegSettings& settings, const JpegRowFiller& fill);

// ---- GIF -------------------------------------------------------------------

struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlace = false;
    std::vector<GifColorType> localMap;               // empty: the global one applies
    std::vector<std::vector<GifPixelType>> rows;      // `width` each, top first, interlaced or not
    std::optional<GraphicsControlBlock> control = {}; // written just before the frame
};

struct GifLayout {
    int width = 0; // of the logical screen
    int height = 0;
    std::vector<GifColorType> globalMap; // empty: none
    bool looping = false;                // a NETSCAPE2.0 block, as animations carry
    std::string comment;                 // empty: none
    std::vector<GifFrame> frames;
};

// The order in which a frame's rows are stored: top to bottom, or in the four
// passes of an interlaced frame.
std::vector<int> GifRowOrder(int height, bool interlace);

// A GIF89a file. Throws std::runtime_error when giflib refuses the layout.
std::string WriteGif(const GifLayout& layout);

} // namespace zephyr::testing
