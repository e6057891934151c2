#include "picture.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace zephyr {
namespace {

// Source index sampled for each destination index: the source cell that
// contains the destination pixel's centre.
std::vector<int> SampleMap(int source, int destination) {
    std::vector<int> map(static_cast<std::size_t>(destination));
    for (int i = 0; i < destination; ++i) {
        const long long centre2 = 2LL * i + 1; // twice the centre, to stay in integers
        map[static_cast<std::size_t>(i)] = static_cast<int>(centre2 * source / (2LL * destination));
    }
    return map;
}

} // namespace

void StretchBitmap(Picture& picture, int width, int height) {
    if (width < 1 || height < 1) {
        picture = Picture();
        return;
    }
    const bool sourceUsable = picture.Width > 0 && picture.Height > 0 &&
                              picture.Pixels.size() == static_cast<std::size_t>(picture.Width) *
                                                           static_cast<std::size_t>(picture.Height);
    if (!sourceUsable) {
        picture = Picture(width, height);
        return;
    }
    if (width == picture.Width && height == picture.Height) {
        return;
    }

    const std::vector<int> columns = SampleMap(picture.Width, width);
    const std::vector<int> rows = SampleMap(picture.Height, height);
    Picture result(width, height);
    for (int y = 0; y < height; ++y) {
        const int sourceY = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            result.At(x, y) = picture.At(columns[static_cast<std::size_t>(x)], sourceY);
        }
    }
    picture = std::move(result);
}

} // namespace zephyr
