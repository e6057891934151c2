#include "builds/data_identity.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace zephyr {
namespace {

// 64-bit FNV-1a: small, stable across platforms and versions, and enough to
// tell packs apart (it is no protection against a forged pack).
class Fnv1a {
public:
    void Add(std::string_view bytes) {
        for (const char c : bytes) {
            hash_ ^= static_cast<std::uint8_t>(c);
            hash_ *= 0x100000001B3ULL;
        }
    }
    std::string Hex() const {
        static constexpr std::string_view kDigits = "0123456789abcdef";
        std::string text(16, '0');
        for (int k = 0; k < 16; ++k) {
            text[static_cast<std::size_t>(15 - k)] = kDigits[(hash_ >> (4 * k)) & 0xF];
        }
        return text;
    }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

} // namespace

std::string DataIdentity(const DataLocation& location) {
    static constexpr std::array<std::string_view, 4> kCatalogues = {"Taverns.dat", "Shops.dat",
                                                                    "Aurs.dat", "Orbs.dat"};
    Fnv1a hash;
    for (const std::string_view name : kCatalogues) {
        // Each file under its name and length, so that bytes cannot move
        // from one catalogue to the next unnoticed.
        std::ifstream in(location.DataFile(name), std::ios::binary);
        std::string bytes;
        if (in) {
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        hash.Add(name);
        hash.Add(std::to_string(bytes.size()));
        hash.Add(":");
        hash.Add(bytes);
    }
    return hash.Hex();
}

} // namespace zephyr
