#include "data_error.h"
#include "file_bytes.h"
#include "gif_io.h"
#include "picture_codecs.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace zephyr {
namespace {

struct MemoryInput {
    const unsigned char* Data;
    std::size_t Size;
    std::size_t Position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* input = static_cast<MemoryInput*>(gif->UserData);
    if (length <= 0) {
        return 0;
    }
    const std::size_t count =
        std::min(static_cast<std::size_t>(length), input->Size - input->Position);
    std::memcpy(buffer, input->Data + input->Position, count);
    input->Position += count;
    return static_cast<int>(count);
}

using DecoderHandle = GifHandle<DGifCloseFile>;

// Rows of an interlaced frame arrive in four passes.
struct InterlacePass {
    int First;
    int Step;
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
        Fail(GifErrorText(error, "corrupt GIF data"));
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
            if (canvasY >= canvas.Height) {
                return;
            }
            const int visible = std::min(frame.Width, canvas.Width - frame.Left);
            for (int x = 0; x < visible; ++x) {
                canvas.At(frame.Left + x, canvasY) = argb[line[static_cast<std::size_t>(x)]];
            }
        };
        if (frame.Interlace) {
            for (const InterlacePass& pass : kInterlacePasses) {
                for (int y = pass.First; y < frame.Height; y += pass.Step) {
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

} // namespace

Picture DecodeGif(std::string_view bytes, const std::string& name) {
    return GifReader(bytes, name).Decode();
}

Picture DecodeGifFile(const std::filesystem::path& path) {
    return DecodeGif(ReadFileBytes(path), PathText(path));
}

} // namespace zephyr
