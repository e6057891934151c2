#pragma once

#include <gif_lib.h>

#include <memory>
#include <string>

namespace zephyr {

// giflib's text for one of its error codes, or `fallback` for a code it does
// not know.
std::string GifErrorText(int error, const char* fallback);

// Owns an open giflib file and closes it with `Close` (DGifCloseFile or
// EGifCloseFile), whose error is of no use by then.
template <int (*Close)(GifFileType*, int*)> struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        Close(gif, &error);
    }
};
template <int (*Close)(GifFileType*, int*)>
using GifHandle = std::unique_ptr<GifFileType, GifCloser<Close>>;

} // namespace zephyr
