#include "byte_helpers.h"

#include <cstring>
#include <vector>

namespace zephyr {

std::string UpperCaseCyr(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 0x61 && byte <= 0x7A) || byte >= 0xE0) {
            c = static_cast<char>(byte - 0x20);
        }
    }
    return out;
}

void SwapMemory(void* a, void* b, std::size_t count) {
    if (count == 0 || a == b) {
        return;
    }
    std::vector<unsigned char> buffer(count);
    std::memcpy(buffer.data(), a, count);
    std::memmove(a, b, count);
    std::memcpy(b, buffer.data(), count);
}

std::string_view TrimControl(std::string_view text) {
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && isControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isControl(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace zephyr
