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
    const bool sourceUsable = picture.width > 0 && picture.height > 0 &&
                              picture.pixels.size() == static_cast<std::size_t>(picture.width) *
                                                           static_cast<std::size_t>(picture.height);
    if (!sourceUsable) {
        picture = Picture(width, height);
        return;
    }
    if (width == picture.width && height == picture.height) {
        return;
    }

    const std::vector<int> columns = SampleMap(picture.width, width);
    const std::vector<int> rows = SampleMap(picture.height, height);
    Picture result(width, height);
    for (int y = 0; y < height; ++y) {
        const int sourceY = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            result.at(x, y) = picture.at(columns[static_cast<std::size_t>(x)], sourceY);
        }
    }
    picture = std::move(result);
}

} // namespace zephyr
