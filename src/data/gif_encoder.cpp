#include "gif_io.h"
#include "picture_codecs.h"

#include <gif_lib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace zephyr {
namespace {

// ---- Palette --------------------------------------------------------------

constexpr std::size_t kMaxGifColours = 255; // one index stays free for transparency

bool IsOpaque(std::uint32_t argb) {
    return argb >> 24 >= 128;
}

GifColorType ToGifColour(std::uint32_t rgb) {
    return GifColorType{static_cast<GifByteType>(rgb >> 16 & 0xFF),
                        static_cast<GifByteType>(rgb >> 8 & 0xFF),
                        static_cast<GifByteType>(rgb & 0xFF)};
}

[[noreturn]] void FailEncoding(const std::string& reason) {
    throw std::runtime_error("EncodeGif: " + reason);
}

// A picture as a GIF holds it: a palette and an index a pixel, row by row.
// Transparent pixels take the index just past the palette.
struct IndexedPicture {
    std::vector<GifColorType> Palette; // at most kMaxGifColours entries
    std::vector<GifPixelType> Indices;
    bool AnyTransparent = false;

    GifPixelType TransparentIndex() const { return static_cast<GifPixelType>(Palette.size()); }
};

// Few enough colours for a palette of their own: every pixel keeps its
// colour. The palette is sorted so it does not depend on hash order.
IndexedPicture ExactPalette(const Picture& picture,
                            const std::unordered_set<std::uint32_t>& colours) {
    std::vector<std::uint32_t> sorted(colours.begin(), colours.end());
    std::sort(sorted.begin(), sorted.end());
    IndexedPicture indexed;
    for (const std::uint32_t rgb : sorted) {
        indexed.Palette.push_back(ToGifColour(rgb));
    }
    indexed.Indices.reserve(picture.Pixels.size());
    for (const std::uint32_t argb : picture.Pixels) {
        GifPixelType index = indexed.TransparentIndex();
        if (IsOpaque(argb)) {
            const auto found = std::lower_bound(sorted.begin(), sorted.end(), argb & 0xFFFFFFu);
            index = static_cast<GifPixelType>(found - sorted.begin());
        } else {
            indexed.AnyTransparent = true;
        }
        indexed.Indices.push_back(index);
    }
    return indexed;
}

// Too many colours: giflib's median cut picks the palette from the opaque
// pixels alone, so transparent ones do not pull it towards their colours.
IndexedPicture ReducedPalette(const Picture& picture) {
    std::vector<GifByteType> red;
    std::vector<GifByteType> green;
    std::vector<GifByteType> blue;
    red.reserve(picture.Pixels.size());
    green.reserve(picture.Pixels.size());
    blue.reserve(picture.Pixels.size());
    for (const std::uint32_t argb : picture.Pixels) {
        if (IsOpaque(argb)) {
            red.push_back(static_cast<GifByteType>(argb >> 16 & 0xFF));
            green.push_back(static_cast<GifByteType>(argb >> 8 & 0xFF));
            blue.push_back(static_cast<GifByteType>(argb & 0xFF));
        }
    }
    // giflib indexes the pixels with an int.
    if (red.size() > static_cast<std::size_t>(INT_MAX)) {
        throw std::invalid_argument("EncodeGif: too many pixels to reduce to a palette");
    }
    // The opaque pixels go in as one long row; giflib writes an index for
    // each and sets `size` to the number of palette entries it used.
    std::vector<GifPixelType> reduced(red.size());
    std::vector<GifColorType> palette(kMaxGifColours);
    int size = static_cast<int>(kMaxGifColours);
    if (GifQuantizeBuffer(static_cast<unsigned>(red.size()), 1, &size, red.data(), green.data(),
                          blue.data(), reduced.data(), palette.data()) == GIF_ERROR) {
        FailEncoding("giflib could not reduce the picture's colours to a palette");
    }
    if (size < 1 || size > static_cast<int>(kMaxGifColours)) {
        FailEncoding("giflib returned a palette of " + std::to_string(size) + " colours");
    }
    palette.resize(static_cast<std::size_t>(size));

    IndexedPicture indexed;
    indexed.Palette = std::move(palette);
    indexed.Indices.reserve(picture.Pixels.size());
    auto next = reduced.begin();
    for (const std::uint32_t argb : picture.Pixels) {
        if (IsOpaque(argb)) {
            indexed.Indices.push_back(*next++);
        } else {
            indexed.Indices.push_back(indexed.TransparentIndex());
            indexed.AnyTransparent = true;
        }
    }
    return indexed;
}

IndexedPicture ToIndexed(const Picture& picture) {
    // Counting stops once there are more colours than a palette holds.
    std::unordered_set<std::uint32_t> colours;
    for (const std::uint32_t argb : picture.Pixels) {
        if (IsOpaque(argb)) {
            colours.insert(argb & 0xFFFFFFu);
            if (colours.size() > kMaxGifColours) {
                return ReducedPalette(picture);
            }
        }
    }
    return ExactPalette(picture, colours);
}

// ---- Writing --------------------------------------------------------------

int WriteToString(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::string*>(gif->UserData);
    try {
        out->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    } catch (...) { // no exception may cross giflib's C frames
        return 0;
    }
    return length;
}

using EncoderHandle = GifHandle<EGifCloseFile>;

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

[[noreturn]] void FailGif(int error) {
    FailEncoding(GifErrorText(error, "giflib failed"));
}

} // namespace

std::string EncodeGif(const Picture& picture) {
    if (picture.Width < 1 || picture.Height < 1 || picture.Width > 0xFFFF ||
        picture.Height > 0xFFFF ||
        picture.Pixels.size() !=
            static_cast<std::size_t>(picture.Width) * static_cast<std::size_t>(picture.Height)) {
        throw std::invalid_argument("EncodeGif: the picture cannot be stored as a GIF");
    }
    IndexedPicture indexed = ToIndexed(picture);

    // GIF colour tables hold a power of two entries, at least two.
    std::size_t mapSize = 2;
    while (mapSize < indexed.Palette.size() + (indexed.AnyTransparent ? 1 : 0)) {
        mapSize *= 2;
    }
    std::vector<GifColorType> entries(mapSize, GifColorType{0, 0, 0});
    std::copy(indexed.Palette.begin(), indexed.Palette.end(), entries.begin());
    std::unique_ptr<ColorMapObject, MapDeleter> map(
        GifMakeMapObject(static_cast<int>(mapSize), entries.data()));
    if (!map) {
        throw std::bad_alloc();
    }

    std::string out;
    int error = 0;
    EncoderHandle gif(EGifOpen(&out, WriteToString, &error));
    if (!gif) {
        FailGif(error);
    }
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), picture.Width, picture.Height, 8, 0, map.get()) == GIF_ERROR) {
        FailGif(gif->Error);
    }
    if (indexed.AnyTransparent) {
        GraphicsControlBlock control{}; // no disposal, no delay
        control.TransparentColor = indexed.TransparentIndex();
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length),
                             extension) == GIF_ERROR) {
            FailGif(gif->Error);
        }
    }
    if (EGifPutImageDesc(gif.get(), 0, 0, picture.Width, picture.Height, false, nullptr) ==
        GIF_ERROR) {
        FailGif(gif->Error);
    }

    // EGifPutLine takes a writable row: giflib may clear index bits past the
    // colour map's depth, which no index here has.
    for (int y = 0; y < picture.Height; ++y) {
        GifPixelType* row = indexed.Indices.data() +
                            static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.Width);
        if (EGifPutLine(gif.get(), row, picture.Width) == GIF_ERROR) {
            FailGif(gif->Error);
        }
    }

    // Closing writes the trailer; the handle is gone whatever the outcome.
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) {
        FailGif(error);
    }
    return out;
}

} // namespace zephyr
