#include "catalogue_writer.h"
#include "shops_file.h"

namespace zephyr {
namespace {

void WriteAuraList(CatalogueWriter& out, const std::vector<std::uint8_t>& auras,
                   const std::string& what) {
    out.Count(auras.size(), 0xFF, what);
    for (const std::uint8_t aura : auras) {
        out.Byte(aura);
    }
}

void WriteItem(CatalogueWriter& out, const ItemFileEntry& entry) {
    const TItem& item = entry.Item;
    out.CountedText(entry.Text, "item name");
    out.CountedText(entry.PicturePath, "picture path of item " + entry.Text);
    out.Word(item.Cost);
    out.Byte(item.OrbCode);
    out.Bool(item.OnePerHero);
    out.Bool(item.Activatable);
    WriteAuraList(out, item.PassiveAuras, "passive auras of " + entry.Text);
    WriteAuraList(out, item.ActiveAuras, "active auras of " + entry.Text);
    out.Tokens(item.StackingEffects, "stacking program of " + entry.Text);
    out.Tokens(item.UniqueEffects, "unique program of " + entry.Text);
}

} // namespace

std::string WriteShopsFile(const ShopsFile& file) {
    CatalogueWriter out("Shops.dat");
    out.Count(file.Shops.size(), 0xFF, "shops");
    for (const ShopFileEntry& shop : file.Shops) {
        out.CountedText(shop.Name, "shop name");
        out.CountedText(shop.PicturePath, "picture path of shop " + shop.Name);
        out.Count(shop.Items.size(), 0xFF, "items of shop " + shop.Name);
        for (const ItemFileEntry& item : shop.Items) {
            WriteItem(out, item);
        }
    }
    return out.Bytes();
}

} // namespace zephyr
