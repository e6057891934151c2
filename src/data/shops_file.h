#pragma once

#include "item.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephyr {

// Shops.dat as stored. An item's text is a plain name or "group>>variant";
// its record's Name and ImageIndex are made by the loader, not stored.
struct ItemFileEntry {
    std::string Text;
    std::string PicturePath;
    TItem Item;

    friend bool operator==(const ItemFileEntry&, const ItemFileEntry&) = default;
};

struct ShopFileEntry {
    std::string Name;
    std::string PicturePath; // .jpg/.jpeg: JPEG, .gif: GIF, anything else: no picture
    std::vector<ItemFileEntry> Items;

    friend bool operator==(const ShopFileEntry&, const ShopFileEntry&) = default;
};

struct ShopsFile {
    std::vector<ShopFileEntry> Shops;

    friend bool operator==(const ShopsFile&, const ShopsFile&) = default;
};

std::optional<ShopsFile> ReadShopsFile(const std::filesystem::path& path);
std::string WriteShopsFile(const ShopsFile& file);

} // namespace zephyr
