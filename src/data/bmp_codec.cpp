#include "data_error.h"
#include "file_bytes.h"
#include "picture_codecs.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace zephyr {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t {
    kBiRgb = 0,
    kBiRle8 = 1,
    kBiRle4 = 2,
    kBiBitfields = 3,
    kBiJpeg = 4,
    kBiPng = 5,
    kBiAlphaBitfields = 6,
};

std::uint32_t ReadU16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    return ReadU16(bytes, at) | ReadU16(bytes, at + 2) << 16;
}

std::int32_t ReadI32(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(ReadU32(bytes, at));
}

// One channel of a BI_BITFIELDS pixel: the mask and how to bring the masked
// value to 0..255. Masks need not be contiguous; the value is scaled by the
// largest value the mask can hold.
struct Channel {
    std::uint32_t Mask = 0;
    int Shift = 0;
    std::uint32_t Max = 0;

    explicit Channel(std::uint32_t m = 0) : Mask(m) {
        if (Mask == 0) {
            return;
        }
        while (((Mask >> Shift) & 1u) == 0) {
            ++Shift;
        }
        Max = Mask >> Shift;
    }

    std::uint32_t Extract(std::uint32_t pixel, std::uint32_t absent) const {
        if (Max == 0) {
            return absent;
        }
        const std::uint64_t value = (pixel & Mask) >> Shift;
        return static_cast<std::uint32_t>((value * 255 + Max / 2) / Max);
    }
};

struct Layout {
    std::int64_t Width = 0;
    std::int64_t Height = 0; // always positive; topDown carries the sign
    bool TopDown = false;
    std::uint32_t BitsPerPixel = 0;
    std::uint32_t Compression = kBiRgb;
    std::vector<std::uint32_t> Palette;
    std::array<Channel, 4> Channels; // red, green, blue, alpha
    bool UseMasks = false;
};

class BmpReader {
public:
    BmpReader(std::string_view bytes, const std::string& name) : bytes_(bytes), name_(name) {}

    Picture Decode() {
        if (bytes_.size() < 2 || bytes_[0] != 'B' || bytes_[1] != 'M') {
            Fail("not a BMP file");
        }
        Need(0, kFileHeaderSize + 4);
        const std::uint64_t pixelOffset = ReadU32(bytes_, 10);
        const std::uint32_t headerSize = ReadU32(bytes_, kFileHeaderSize);
        if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) {
            Fail("unsupported BMP header of " + std::to_string(headerSize) + " bytes");
        }
        Need(kFileHeaderSize, headerSize);

        Layout layout;
        std::uint64_t paletteStart = kFileHeaderSize + std::uint64_t{headerSize};
        std::uint64_t paletteEntries = 0;
        std::size_t entrySize = 4;
        if (headerSize == kCoreHeaderSize) {
            ReadCoreHeader(layout);
            entrySize = 3;
            paletteEntries = layout.BitsPerPixel <= 8 ? 1u << layout.BitsPerPixel : 0;
        } else {
            paletteEntries = ReadInfoHeader(layout, headerSize, paletteStart);
        }
        CheckSize(layout);
        if (pixelOffset < kFileHeaderSize + std::uint64_t{headerSize}) {
            Fail("bad BMP pixel data offset");
        }
        if (layout.BitsPerPixel <= 8) {
            ReadPalette(layout, paletteStart, paletteEntries, entrySize, pixelOffset);
        }
        if (layout.Compression == kBiRle8 || layout.Compression == kBiRle4) {
            return ReadRunLengths(layout, pixelOffset);
        }
        return ReadPixels(layout, pixelOffset);
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const { throw DataError(name_, reason); }

    // Every read goes through here first: [at, at + count) must lie in the data.
    void Need(std::uint64_t at, std::uint64_t count) const {
        if (at > bytes_.size() || count > bytes_.size() - at) {
            Fail("truncated BMP data");
        }
    }

    void ReadCoreHeader(Layout& layout) const {
        const std::size_t h = kFileHeaderSize;
        layout.Width = ReadU16(bytes_, h + 4);
        layout.Height = ReadU16(bytes_, h + 6);
        layout.BitsPerPixel = ReadU16(bytes_, h + 10);
        if (layout.BitsPerPixel != 1 && layout.BitsPerPixel != 4 && layout.BitsPerPixel != 8 &&
            layout.BitsPerPixel != 24) {
            Fail("unsupported BMP of " + std::to_string(layout.BitsPerPixel) + " bits per pixel");
        }
    }

    // Returns the number of palette entries and moves paletteStart past any
    // masks stored after a plain info header.
    std::uint64_t ReadInfoHeader(Layout& layout, std::uint32_t headerSize,
                                 std::uint64_t& paletteStart) const {
        const std::size_t h = kFileHeaderSize;
        layout.Width = ReadI32(bytes_, h + 4);
        const std::int64_t height = ReadI32(bytes_, h + 8);
        layout.TopDown = height < 0;
        layout.Height = height < 0 ? -height : height;
        layout.BitsPerPixel = ReadU16(bytes_, h + 14);
        layout.Compression = ReadU32(bytes_, h + 16);
        const std::uint32_t coloursUsed = ReadU32(bytes_, h + 32);

        switch (layout.Compression) {
        case kBiRgb:
            break;
        case kBiBitfields:
        case kBiAlphaBitfields:
            ReadMasks(layout, headerSize, paletteStart);
            break;
        case kBiRle8:
        case kBiRle4:
            // Runs are defined on rows from the bottom, so a top-down file
            // cannot be compressed.
            if (layout.TopDown) {
                Fail("top-down BMP cannot be compressed");
            }
            if (const std::uint32_t bits = layout.Compression == kBiRle8 ? 8 : 4;
                layout.BitsPerPixel != bits) {
                Fail("BMP RLE" + std::to_string(bits) + " needs " + std::to_string(bits) +
                     " bits per pixel");
            }
            break;
        case kBiJpeg:
        case kBiPng:
            Fail("compressed BMP not supported");
        default:
            Fail("unknown BMP compression " + std::to_string(layout.Compression));
        }

        switch (layout.BitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 24:
            if (layout.UseMasks) {
                Fail("BMP bit fields need 16 or 32 bits per pixel");
            }
            break;
        case 16:
            if (!layout.UseMasks) { // plain 16-bit is 5-5-5
                layout.Channels = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F), Channel()};
                layout.UseMasks = true;
            }
            break;
        case 32:
            break;
        default:
            Fail("unsupported BMP of " + std::to_string(layout.BitsPerPixel) + " bits per pixel");
        }

        if (layout.BitsPerPixel > 8) {
            return 0;
        }
        const std::uint64_t full = 1u << layout.BitsPerPixel;
        return coloursUsed == 0 || coloursUsed > full ? full : coloursUsed;
    }

    void ReadMasks(Layout& layout, std::uint32_t headerSize, std::uint64_t& paletteStart) const {
        const bool withAlpha = layout.Compression == kBiAlphaBitfields;
        std::uint64_t maskAt = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            // A plain info header keeps the masks right after it.
            const std::uint64_t count = withAlpha ? 4 : 3;
            Need(maskAt, count * 4);
            paletteStart += count * 4;
        } else if (headerSize < kInfoHeaderSize + 12 + (withAlpha ? 4 : 0)) {
            Fail("BMP header too short for its bit fields");
        }
        const auto at = static_cast<std::size_t>(maskAt);
        layout.Channels[0] = Channel(ReadU32(bytes_, at));
        layout.Channels[1] = Channel(ReadU32(bytes_, at + 4));
        layout.Channels[2] = Channel(ReadU32(bytes_, at + 8));
        // V3 and later headers carry an alpha mask too.
        if (withAlpha || headerSize >= kInfoHeaderSize + 16) {
            layout.Channels[3] = Channel(ReadU32(bytes_, at + 12));
        }
        layout.UseMasks = true;
    }

    void CheckSize(const Layout& layout) const {
        if (layout.Width <= 0 || layout.Height <= 0) {
            Fail("BMP has no pixels (" + std::to_string(layout.Width) + " x " +
                 std::to_string(layout.Height) + ")");
        }
        if (PictureTooLarge(layout.Width, layout.Height)) {
            Fail(TooLargeText(layout.Width, layout.Height));
        }
    }

    void ReadPalette(Layout& layout, std::uint64_t start, std::uint64_t entries,
                     std::size_t entrySize, std::uint64_t pixelOffset) const {
        // Some writers store fewer entries than announced; take what fits
        // before the pixels (indices past the end read as black).
        if (pixelOffset > start) {
            entries = std::min(entries, (pixelOffset - start) / entrySize);
        }
        Need(start, entries * entrySize);
        layout.Palette.resize(static_cast<std::size_t>(entries));
        for (std::size_t i = 0; i < layout.Palette.size(); ++i) {
            const std::size_t at = static_cast<std::size_t>(start) + i * entrySize;
            const auto blue = static_cast<unsigned char>(bytes_[at]);
            const auto green = static_cast<unsigned char>(bytes_[at + 1]);
            const auto red = static_cast<unsigned char>(bytes_[at + 2]);
            layout.Palette[i] = 0xFF000000u | std::uint32_t{red} << 16 | std::uint32_t{green} << 8 |
                                std::uint32_t{blue};
        }
    }

    Picture ReadPixels(const Layout& layout, std::uint64_t pixelOffset) const {
        const std::uint64_t stride =
            (static_cast<std::uint64_t>(layout.Width) * layout.BitsPerPixel + 31) / 32 * 4;
        Need(pixelOffset, stride * static_cast<std::uint64_t>(layout.Height));

        const int width = static_cast<int>(layout.Width);
        const int height = static_cast<int>(layout.Height);
        Picture picture(width, height);
        bool anyAlpha = false;
        for (int row = 0; row < height; ++row) {
            const std::size_t rowAt = static_cast<std::size_t>(pixelOffset + stride * row);
            const int y = layout.TopDown ? row : height - 1 - row;
            for (int x = 0; x < width; ++x) {
                const std::uint32_t pixel = ReadPixel(layout, rowAt, x);
                anyAlpha = anyAlpha || (pixel >> 24) != 0;
                picture.At(x, y) = pixel;
            }
        }
        // Writers that fill the alpha mask's bits with zeros mean an opaque
        // picture, not an invisible one.
        if (layout.UseMasks && layout.Channels[3].Max != 0 && !anyAlpha) {
            for (std::uint32_t& pixel : picture.Pixels) {
                pixel |= 0xFF000000u;
            }
        }
        return picture;
    }

    // RLE8 / RLE4: (count, value) runs and escapes for end of line, end of
    // picture, a jump and literal pixels. Pixels the stream never reaches stay
    // black, as in a fresh Windows bitmap; runs past the right edge or the top
    // are dropped. The stream must reach its end-of-picture mark, so data cut
    // short is an error rather than a half-black picture.
    Picture ReadRunLengths(const Layout& layout, std::uint64_t pixelOffset) const {
        const bool four = layout.Compression == kBiRle4;
        const std::int64_t width = layout.Width;
        const std::int64_t height = layout.Height;
        Picture picture(static_cast<int>(width), static_cast<int>(height));
        // 64-bit positions: a long stream may push them far past the picture.
        std::int64_t x = 0;
        std::int64_t row = 0; // from the bottom
        std::uint64_t at = pixelOffset;
        const auto next = [&]() {
            Need(at, 1);
            return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at++]));
        };
        // Puts `count` pixels from x on; pixel i has colour index indexOf(i).
        const auto put = [&](std::uint32_t count, const auto& indexOf) {
            if (row < height && x < width) {
                const std::int64_t visible = std::min<std::int64_t>(count, width - x);
                const int y = static_cast<int>(height - 1 - row);
                for (std::int64_t i = 0; i < visible; ++i) {
                    picture.At(static_cast<int>(x + i), y) =
                        Colour(layout, indexOf(static_cast<std::uint32_t>(i)));
                }
            }
            x += count;
        };
        for (;;) {
            const std::uint32_t count = next();
            const std::uint32_t value = next();
            if (count > 0) {
                put(count, [&](std::uint32_t i) {
                    return four ? (i % 2 == 0 ? value >> 4 : value & 0xFu) : value;
                });
                continue;
            }
            switch (value) {
            case 0: // end of line
                x = 0;
                ++row;
                break;
            case 1: // end of picture
                return picture;
            case 2: { // jump right and up
                const std::uint32_t dx = next();
                const std::uint32_t dy = next();
                x += dx;
                row += dy;
                break;
            }
            default: { // `value` literal pixels, padded to a 16-bit boundary
                const std::uint64_t length = four ? (value + 1) / 2 : value;
                Need(at, length + length % 2);
                const auto start = static_cast<std::size_t>(at);
                put(value, [&](std::uint32_t i) {
                    const auto byte = static_cast<std::uint32_t>(
                        static_cast<unsigned char>(bytes_[start + (four ? i / 2 : i)]));
                    return four ? (i % 2 == 0 ? byte >> 4 : byte & 0xFu) : byte;
                });
                at += length + length % 2;
                break;
            }
            }
        }
    }

    // Indices past the end of the palette read as black.
    static std::uint32_t Colour(const Layout& layout, std::uint32_t index) {
        return index < layout.Palette.size() ? layout.Palette[index] : 0xFF000000u;
    }

    std::uint32_t ReadPixel(const Layout& layout, std::size_t rowAt, int x) const {
        const auto byteAt = [&](std::size_t offset) {
            return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[rowAt + offset]));
        };
        const auto ux = static_cast<std::size_t>(x);
        std::uint32_t index = 0;
        switch (layout.BitsPerPixel) {
        case 1:
            index = byteAt(ux / 8) >> (7 - ux % 8) & 1u;
            break;
        case 4:
            index = byteAt(ux / 2) >> (ux % 2 == 0 ? 4 : 0) & 0xFu;
            break;
        case 8:
            index = byteAt(ux);
            break;
        case 16:
            return FromMasks(layout, byteAt(ux * 2) | byteAt(ux * 2 + 1) << 8);
        case 24:
            return 0xFF000000u | byteAt(ux * 3 + 2) << 16 | byteAt(ux * 3 + 1) << 8 |
                   byteAt(ux * 3);
        default: { // 32
            const std::uint32_t value = byteAt(ux * 4) | byteAt(ux * 4 + 1) << 8 |
                                        byteAt(ux * 4 + 2) << 16 | byteAt(ux * 4 + 3) << 24;
            // Plain 32-bit BMPs leave the top byte unused: always opaque.
            return layout.UseMasks ? FromMasks(layout, value) : (value | 0xFF000000u);
        }
        }
        return Colour(layout, index);
    }

    static std::uint32_t FromMasks(const Layout& layout, std::uint32_t value) {
        return layout.Channels[3].Extract(value, 255) << 24 |
               layout.Channels[0].Extract(value, 0) << 16 |
               layout.Channels[1].Extract(value, 0) << 8 | layout.Channels[2].Extract(value, 0);
    }

    std::string_view bytes_;
    const std::string& name_;
};

void PutU16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8 & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

} // namespace

Picture DecodeBmp(std::string_view bytes, const std::string& name) {
    return BmpReader(bytes, name).Decode();
}

Picture DecodeBmpFile(const std::filesystem::path& path) {
    return DecodeBmp(ReadFileBytes(path), PathText(path));
}

std::string EncodeBmp(const Picture& picture) {
    if (picture.Width < 1 || picture.Height < 1 ||
        picture.Pixels.size() !=
            static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height)) {
        throw std::invalid_argument("EncodeBmp: the picture has no pixels");
    }
    const std::uint64_t stride = (static_cast<std::uint64_t>(picture.Width) * 3 + 3) / 4 * 4;
    const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(picture.Height);
    const std::uint64_t fileSize = kFileHeaderSize + kInfoHeaderSize + imageSize;
    if (fileSize > 0xFFFFFFFFu) {
        throw std::invalid_argument("EncodeBmp: the picture is too large for a BMP file");
    }

    std::string out;
    out.reserve(static_cast<std::size_t>(fileSize));
    out += "BM";
    PutU32(out, static_cast<std::uint32_t>(fileSize));
    PutU32(out, 0); // reserved
    PutU32(out, kFileHeaderSize + kInfoHeaderSize);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(picture.Width));
    PutU32(out, static_cast<std::uint32_t>(picture.Height)); // positive: bottom-up
    PutU16(out, 1);                                          // planes
    PutU16(out, 24);
    PutU32(out, kBiRgb);
    PutU32(out, static_cast<std::uint32_t>(imageSize));
    PutU32(out, 2835); // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0); // colours used
    PutU32(out, 0); // colours important

    const std::size_t padding =
        static_cast<std::size_t>(stride) - std::size_t{3} * static_cast<std::size_t>(picture.Width);
    for (int y = picture.Height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width; ++x) {
            const std::uint32_t pixel = picture.At(x, y);
            out.push_back(static_cast<char>(pixel & 0xFF));
            out.push_back(static_cast<char>(pixel >> 8 & 0xFF));
            out.push_back(static_cast<char>(pixel >> 16 & 0xFF));
        }
        out.append(padding, '\0');
    }
    return out;
}

} // namespace zephyr
