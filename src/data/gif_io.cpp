#include "gif_io.h"

#include <gif_lib.h>

namespace zephyr {

std::string GifErrorText(int error, const char* fallback) {
    const char* text = GifErrorString(error);
    return text != nullptr ? text : fallback;
}

} // namespace zephyr
