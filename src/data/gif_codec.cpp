#include "data_error.h"
#include "file_bytes.h"
#include "picture_codecs.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace zephyr {
namespace {

// ---- Decoding -------------------------------------------------------------

struct MemoryInput {
    const unsigned char* data;
    std::size_t size;
    std::size_t position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* input = static_cast<MemoryInput*>(gif->UserData);
    if (length <= 0) {
        return 0;
    }
    const std::size_t count =
        std::min(static_cast<std::size_t>(length), input->size - input->position);
    std::memcpy(buffer, input->data + input->position, count);
    input->position += count;
    return static_cast<int>(count);
}

struct DecoderCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using DecoderHandle = std::unique_ptr<GifFileType, DecoderCloser>;

// Rows of an interlaced frame arrive in four passes.
struct InterlacePass {
    int first;
    int step;
};
constexpr std::array<InterlacePass, 4> kInterlacePasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};

// Reads the record stream with giflib's low-level calls rather than
// DGifSlurp: that way a frame's size is checked before anything is allocated
// for it, and frames after the first are only skipped, never decoded.
class GifReader {
public:
    GifReader(std::string_view bytes, const std::string& name) : bytes_(bytes), name_(name) {}

    Picture Decode() {
        if (bytes_.size() < 3 || bytes_.substr(0, 3) != "GIF") {
            Fail("not a GIF file");
        }
        MemoryInput input{reinterpret_cast<const unsigned char*>(bytes_.data()), bytes_.size(), 0};
        int error = 0;
        DecoderHandle gif(DGifOpen(&input, ReadFromMemory, &error));
        if (!gif) {
            FailGif(error);
        }
        const long long width = gif->SWidth;
        const long long height = gif->SHeight;
        if (width <= 0 || height <= 0) {
            Fail("GIF screen has no pixels");
        }
        CheckSize(width, height);

        Picture canvas;
        bool haveFrame = false;
        int transparent = NO_TRANSPARENT_COLOR;
        for (;;) {
            GifRecordType type = UNDEFINED_RECORD_TYPE;
            if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
                FailGif(gif->Error);
            }
            switch (type) {
            case IMAGE_DESC_RECORD_TYPE:
                if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
                    FailGif(gif->Error);
                }
                if (haveFrame) {
                    SkipFrameData(gif.get());
                } else {
                    canvas = DecodeFrame(gif.get(), transparent);
                    haveFrame = true;
                }
                break;
            case EXTENSION_RECORD_TYPE:
                ReadExtension(gif.get(), haveFrame ? nullptr : &transparent);
                break;
            case TERMINATE_RECORD_TYPE:
                if (!haveFrame) {
                    Fail("GIF has no picture");
                }
                return canvas;
            default:
                Fail("corrupt GIF data");
            }
        }
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const { throw DataError(name_, reason); }

    [[noreturn]] void FailGif(int error) const {
        // giflib reports running out of bytes as a failed read.
        if (error == D_GIF_ERR_READ_FAILED) {
            Fail("truncated GIF data");
        }
        const char* text = GifErrorString(error);
        Fail(text != nullptr ? text : "corrupt GIF data");
    }

    void CheckSize(long long width, long long height) const {
        if (PictureTooLarge(width, height)) {
            Fail(TooLargeText(width, height));
        }
    }

    // Keeps the transparent colour of a graphics control block (if wanted)
    // and reads past the extension's sub-blocks.
    void ReadExtension(GifFileType* gif, int* transparent) const {
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
            FailGif(gif->Error);
        }
        if (transparent != nullptr && code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
            GraphicsControlBlock control{};
            if (DGifExtensionToGCB(block[0], block + 1, &control) != GIF_ERROR) {
                *transparent = control.TransparentColor;
            }
        }
        while (block != nullptr) {
            if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
                FailGif(gif->Error);
            }
        }
    }

    void SkipFrameData(GifFileType* gif) const {
        int codeSize = 0;
        GifByteType* block = nullptr;
        if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR) {
            FailGif(gif->Error);
        }
        while (block != nullptr) {
            if (DGifGetCodeNext(gif, &block) == GIF_ERROR) {
                FailGif(gif->Error);
            }
        }
    }

    Picture DecodeFrame(GifFileType* gif, int transparent) const {
        const GifImageDesc& frame = gif->Image;
        const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
        if (map == nullptr || map->Colors == nullptr) {
            Fail("GIF has no colour map");
        }
        CheckSize(frame.Width, frame.Height);

        // Indices past the colour map show as transparent, like the
        // transparent colour itself.
        std::array<std::uint32_t, 256> argb{};
        const int colours = std::min(map->ColorCount, 256);
        for (int i = 0; i < colours; ++i) {
            if (i != transparent) {
                const GifColorType& c = map->Colors[i];
                argb[static_cast<std::size_t>(i)] = 0xFF000000u | std::uint32_t{c.Red} << 16 |
                                                    std::uint32_t{c.Green} << 8 |
                                                    std::uint32_t{c.Blue};
            }
        }

        Picture canvas(gif->SWidth, gif->SHeight, 0);
        if (frame.Width <= 0 || frame.Height <= 0) {
            SkipFrameData(gif);
            return canvas;
        }
        std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
        const auto readRow = [&](int y) {
            if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) {
                FailGif(gif->Error);
            }
            // Parts of the frame outside the screen are dropped.
            const int canvasY = frame.Top + y;
            if (canvasY >= canvas.height) {
                return;
            }
            const int visible = std::min(frame.Width, canvas.width - frame.Left);
            for (int x = 0; x < visible; ++x) {
                canvas.at(frame.Left + x, canvasY) = argb[line[static_cast<std::size_t>(x)]];
            }
        };
        if (frame.Interlace) {
            for (const InterlacePass& pass : kInterlacePasses) {
                for (int y = pass.first; y < frame.Height; y += pass.step) {
                    readRow(y);
                }
            }
        } else {
            for (int y = 0; y < frame.Height; ++y) {
                readRow(y);
            }
        }
        return canvas;
    }

    std::string_view bytes_;
    const std::string& name_;
};

// ---- Palette reduction ----------------------------------------------------

constexpr std::size_t kMaxGifColours = 255; // one index stays free for transparency

struct ColourCount {
    std::uint32_t rgb;
    std::uint32_t count;
};

int Channel(std::uint32_t rgb, int channel) {
    return static_cast<int>(rgb >> (16 - 8 * channel) & 0xFF);
}

// Median cut over the distinct colours: the box with the widest channel
// spread is split at the pixel-weighted median of that channel until there
// are `target` boxes; each box becomes its weighted mean colour. Everything is
// ordered by value, so the result depends only on the picture.
std::vector<std::uint32_t> MedianCut(std::vector<ColourCount> colours, std::size_t target) {
    struct Box {
        std::size_t begin;
        std::size_t end;
        int spread;
        int channel;
    };
    const auto makeBox = [&colours](std::size_t begin, std::size_t end) {
        std::array<int, 3> low{255, 255, 255};
        std::array<int, 3> high{0, 0, 0};
        for (std::size_t i = begin; i < end; ++i) {
            for (int c = 0; c < 3; ++c) {
                const int value = Channel(colours[i].rgb, c);
                low[static_cast<std::size_t>(c)] =
                    std::min(low[static_cast<std::size_t>(c)], value);
                high[static_cast<std::size_t>(c)] =
                    std::max(high[static_cast<std::size_t>(c)], value);
            }
        }
        Box box{begin, end, -1, 0};
        for (int c = 0; c < 3; ++c) {
            const int spread = high[static_cast<std::size_t>(c)] - low[static_cast<std::size_t>(c)];
            if (spread > box.spread) {
                box.spread = spread;
                box.channel = c;
            }
        }
        return box;
    };

    std::vector<Box> boxes{makeBox(0, colours.size())};
    while (boxes.size() < target) {
        Box* widest = nullptr;
        for (Box& box : boxes) {
            if (box.end - box.begin >= 2 && (widest == nullptr || box.spread > widest->spread)) {
                widest = &box;
            }
        }
        if (widest == nullptr) {
            break;
        }
        const Box box = *widest;
        const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
        const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last, [channel = box.channel](const ColourCount& a, const ColourCount& b) {
            const int va = Channel(a.rgb, channel);
            const int vb = Channel(b.rgb, channel);
            return va != vb ? va < vb : a.rgb < b.rgb;
        });
        std::uint64_t total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            total += colours[i].count;
        }
        std::uint64_t seen = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            seen += colours[i].count;
            split = i + 1;
            if (seen * 2 >= total) {
                break;
            }
        }
        *widest = makeBox(box.begin, split);
        boxes.push_back(makeBox(split, box.end));
    }

    std::vector<std::uint32_t> palette;
    palette.reserve(boxes.size());
    for (const Box& box : boxes) {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t weight = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c) {
                sum[static_cast<std::size_t>(c)] +=
                    std::uint64_t{colours[i].count} *
                    static_cast<std::uint64_t>(Channel(colours[i].rgb, c));
            }
            weight += colours[i].count;
        }
        std::uint32_t rgb = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            rgb = rgb << 8 | static_cast<std::uint32_t>((sum[c] + weight / 2) / weight);
        }
        palette.push_back(rgb);
    }
    return palette;
}

std::size_t NearestEntry(const std::vector<std::uint32_t>& palette, std::uint32_t rgb) {
    std::size_t best = 0;
    int bestDistance = 0;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        int distance = 0;
        for (int c = 0; c < 3; ++c) {
            const int d = Channel(palette[i], c) - Channel(rgb, c);
            distance += d * d;
        }
        if (i == 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// ---- Encoding -------------------------------------------------------------

int WriteToString(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::string*>(gif->UserData);
    try {
        out->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    } catch (...) { // no exception may cross giflib's C frames
        return 0;
    }
    return length;
}

struct EncoderCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};
using EncoderHandle = std::unique_ptr<GifFileType, EncoderCloser>;

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

[[noreturn]] void FailEncoding(int error) {
    const char* text = GifErrorString(error);
    throw std::runtime_error(std::string("EncodeGif: ") +
                             (text != nullptr ? text : "giflib failed"));
}

bool IsOpaque(std::uint32_t argb) {
    return argb >> 24 >= 128;
}

} // namespace

Picture DecodeGif(std::string_view bytes, const std::string& name) {
    return GifReader(bytes, name).Decode();
}

Picture DecodeGifFile(const std::filesystem::path& path) {
    return DecodeGif(ReadFileBytes(path), PathText(path));
}

std::string EncodeGif(const Picture& picture) {
    if (picture.width < 1 || picture.height < 1 || picture.width > 0xFFFF ||
        picture.height > 0xFFFF ||
        picture.pixels.size() !=
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height)) {
        throw std::invalid_argument("EncodeGif: the picture cannot be stored as a GIF");
    }

    // Distinct opaque colours, sorted so the palette does not depend on
    // hash order.
    std::unordered_map<std::uint32_t, std::uint32_t> counts;
    bool anyTransparent = false;
    for (const std::uint32_t argb : picture.pixels) {
        if (IsOpaque(argb)) {
            ++counts[argb & 0xFFFFFFu];
        } else {
            anyTransparent = true;
        }
    }
    std::vector<ColourCount> colours;
    colours.reserve(counts.size());
    for (const auto& [rgb, count] : counts) {
        colours.push_back({rgb, count});
    }
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.rgb < b.rgb; });

    std::vector<std::uint32_t> palette;
    std::vector<GifPixelType> indexOf(colours.size()); // parallel to `colours`
    if (colours.size() <= kMaxGifColours) {
        for (std::size_t i = 0; i < colours.size(); ++i) {
            palette.push_back(colours[i].rgb);
            indexOf[i] = static_cast<GifPixelType>(i);
        }
    } else {
        palette = MedianCut(colours, kMaxGifColours);
        for (std::size_t i = 0; i < colours.size(); ++i) {
            indexOf[i] = static_cast<GifPixelType>(NearestEntry(palette, colours[i].rgb));
        }
    }
    const std::size_t transparentIndex = palette.size();

    // GIF colour tables hold a power of two entries, at least two.
    std::size_t mapSize = 2;
    while (mapSize < palette.size() + (anyTransparent ? 1 : 0)) {
        mapSize *= 2;
    }
    std::vector<GifColorType> entries(mapSize, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i) {
        entries[i] = GifColorType{static_cast<GifByteType>(palette[i] >> 16 & 0xFF),
                                  static_cast<GifByteType>(palette[i] >> 8 & 0xFF),
                                  static_cast<GifByteType>(palette[i] & 0xFF)};
    }
    std::unique_ptr<ColorMapObject, MapDeleter> map(
        GifMakeMapObject(static_cast<int>(mapSize), entries.data()));
    if (!map) {
        throw std::bad_alloc();
    }

    std::string out;
    int error = 0;
    EncoderHandle gif(EGifOpen(&out, WriteToString, &error));
    if (!gif) {
        FailEncoding(error);
    }
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), picture.width, picture.height, 8, 0, map.get()) == GIF_ERROR) {
        FailEncoding(gif->Error);
    }
    if (anyTransparent) {
        GraphicsControlBlock control{}; // no disposal, no delay
        control.TransparentColor = static_cast<int>(transparentIndex);
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length),
                             extension) == GIF_ERROR) {
            FailEncoding(gif->Error);
        }
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, picture.width, picture.height, false, nullptr) ==
        GIF_ERROR) {
        FailEncoding(gif->Error);
    }

    std::vector<GifPixelType> line(static_cast<std::size_t>(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t argb = picture.at(x, y);
            GifPixelType index = static_cast<GifPixelType>(transparentIndex);
            if (IsOpaque(argb)) {
                const auto found = std::lower_bound(
                    colours.begin(), colours.end(), argb & 0xFFFFFFu,
                    [](const ColourCount& c, std::uint32_t rgb) { return c.rgb < rgb; });
                index = indexOf[static_cast<std::size_t>(found - colours.begin())];
            }
            line[static_cast<std::size_t>(x)] = index;
        }
        if (EGifPutLine(gif.get(), line.data(), picture.width) == GIF_ERROR) {
            FailEncoding(gif->Error);
        }
    }

    // Closing writes the trailer; the handle is gone whatever the outcome.
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) {
        FailEncoding(error);
    }
    return out;
}

} // namespace zephyr
