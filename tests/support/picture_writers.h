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
    std::int32_t Width = 0;
    std::int32_t Height = 0; // negative for rows stored top first
    int Bits = 24;
    std::uint32_t Compression = 0;
    std::uint32_t ImageSize = 0; // bytes of pixel data; 0 is allowed when uncompressed
    std::uint32_t ColoursUsed = 0;
    std::uint32_t HeaderSize = 40;
    std::vector<std::uint32_t> Masks;
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
    int Width = 0;
    int Height = 0;
    int Components = 3; // samples a pixel in the input colour space
    J_COLOR_SPACE Input = JCS_RGB;
    std::optional<J_COLOR_SPACE> Stored; // the colour space inside the file
    std::optional<bool> AdobeMarker;
    int Quality = 75;
    int LumaH = 0; // sampling factors of the first component; 0 for the default
    int LumaV = 0;
    unsigned RestartInterval = 0; // in MCUs
    int RestartRows = 0;
    bool Progressive = false;           // libjpeg's own progression
    std::vector<jpeg_scan_info> Script; // progressive scans of its own, if any
};

// Fills row y with width x components samples.
using JpegRowFiller = std::function<void(int y, std::span<JSAMPLE> row)>;

// libjpeg's default error handler ends the program should the settings make
// no sense.
std::string WriteJpeg(const JpegSettings& settings, const JpegRowFiller& fill);

// ---- GIF -------------------------------------------------------------------

struct GifFrame {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Interlace = false;
    std::vector<GifColorType> LocalMap;               // empty: the global one applies
    std::vector<std::vector<GifPixelType>> Rows;      // `width` each, top first, interlaced or not
    std::optional<GraphicsControlBlock> Control = {}; // written just before the frame
};

struct GifLayout {
    int Width = 0; // of the logical screen
    int Height = 0;
    std::vector<GifColorType> GlobalMap; // empty: none
    bool Looping = false;                // a NETSCAPE2.0 block, as animations carry
    std::string Comment;                 // empty: none
    std::vector<GifFrame> Frames;
};

// The order in which a frame's rows are stored: top to bottom, or in the four
// passes of an interlaced frame.
std::vector<int> GifRowOrder(int height, bool interlace);

// A GIF89a file. Throws std::runtime_error when giflib refuses the layout.
std::string WriteGif(const GifLayout& layout);

} // namespace zephyr::testing
