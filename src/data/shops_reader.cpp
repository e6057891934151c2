#include "catalogue_reader.h"
#include "shops_file.h"

namespace zephyr {
namespace {

std::vector<std::uint8_t> ReadAuraList(CatalogueReader& in, const char* what) {
    std::vector<std::uint8_t> auras(in.Byte(what));
    for (std::uint8_t& aura : auras) {
        aura = in.Byte(what);
    }
    return auras;
}

ItemFileEntry ReadItem(CatalogueReader& in) {
    ItemFileEntry entry;
    entry.Text = in.CountedText("item name");
    entry.PicturePath = in.CountedText("item picture path");
    TItem& item = entry.Item;
    item.Cost = in.Word("item cost");
    item.OrbCode = in.Byte("item orb");
    item.OnePerHero = in.Bool("item one-per-hero flag");
    item.Activatable = in.Bool("item activation flag");
    item.PassiveAuras = ReadAuraList(in, "item passive auras");
    item.ActiveAuras = ReadAuraList(in, "item active auras");
    item.StackingEffects = in.Tokens("item stacking program");
    item.UniqueEffects = in.Tokens("item unique program");
    return entry;
}

} // namespace

std::optional<ShopsFile> ReadShopsFile(const std::filesystem::path& path) {
    CatalogueReader in;
    if (!in.Open(path)) {
        return std::nullopt;
    }
    ShopsFile file;
    file.Shops.resize(in.Byte("shop count"));
    for (ShopFileEntry& shop : file.Shops) {
        shop.Name = in.CountedText("shop name");
        shop.PicturePath = in.CountedText("shop picture path");
        const std::uint8_t itemCount = in.Byte("item count");
        for (int i = 0; i < itemCount; ++i) {
            shop.Items.push_back(ReadItem(in));
        }
    }
    return file;
}

} // namespace zephyr
