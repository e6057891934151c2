#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zephyr {

struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Line of an item placed in a slot: "> " + name, cut to 52 bytes, then " <".
std::string ItemLineText(const std::string& itemName);

// Font colour of a build-order line by its code; nullopt keeps the list's
// own font colour.
std::optional<Rgb> BuildOrderLineColour(int code);

// Only item lines (codes 6 to 11) can be dragged.
bool IsItemLineCode(int code);

} // namespace zephyr
