#include "build_order_list.h"

#include "build_state.h"

namespace zephyr {

std::string ItemLineText(const std::string& itemName) {
    constexpr std::size_t kHeadLimit = 52;
    constexpr std::size_t kLineLimit = 54;
    std::string line = ("> " + itemName).substr(0, kHeadLimit) + " <";
    return line.substr(0, kLineLimit);
}

bool IsItemLineCode(int code) {
    return code >= 1 + kSlotCodeOffset && code <= kSlotCount + kSlotCodeOffset;
}

std::optional<Rgb> BuildOrderLineColour(int code) {
    switch (code) {
    case 1:
        return Rgb{81, 102, 165};
    case 2:
        return Rgb{111, 146, 92};
    case 3:
        return Rgb{237, 199, 188};
    case 4:
        return Rgb{191, 67, 91};
    case 5:
        return Rgb{242, 215, 46};
    default:
        if (IsItemLineCode(code)) {
            return Rgb{255, 128, 64};
        }
        return std::nullopt;
    }
}

} // namespace zephyr
