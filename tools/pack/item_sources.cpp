#include "effect_syntax.h"
#include "source_readers.h"

#include <stdexcept>

namespace zephyr::pack {
namespace {

std::vector<std::uint8_t> AuraList(const SourceLine& line, const SourceNames& names) {
    std::vector<std::uint8_t> auras;
    for (const std::string& name : SplitList(line.value, ',')) {
        if (!name.empty()) {
            auras.push_back(static_cast<std::uint8_t>(names.auras.Find(line, name)));
        }
    }
    return auras;
}

} // namespace

void ReadItemSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names) {
    for (const auto& path : SourceFilesIn(root / "items", ".zds")) {
        ShopFileEntry* shop = nullptr;
        std::uint32_t shopColour = 0x808080;
        std::size_t shopJob = 0;
        ItemFileEntry* item = nullptr;
        TEffectList* program = nullptr;
        for (const SourceLine& line : ReadSourceFile(path, Shown(root, path))) {
            if (line.isEffect) {
                if (program == nullptr) {
                    line.Fail("an effect belongs under \"stacking:\" or \"unique:\"");
                }
                try {
                    AssembleEffect(line.value, ProgramKind::Item, *program);
                } catch (const std::invalid_argument& error) {
                    line.Fail(error.what());
                }
                continue;
            }
            program = nullptr;
            if (line.key == "shop") {
                const std::string stored = "Data\\images\\shops\\" + Slug(line.value) + ".jpg";
                pack.shops.Shops.push_back({CpText(line, line.value), stored, {}});
                shop = &pack.shops.Shops.back();
                item = nullptr;
                shopColour = 0x808080;
                shopJob = pack.pictures.size();
                pack.pictures.push_back(
                    {PictureJob::Kind::Shop, stored, line.value, shopColour, 0});
                continue;
            }
            if (shop == nullptr) {
                line.Fail("\"" + line.key + "\" comes before the file's \"shop:\"");
            }
            if (line.key == "item") {
                const std::size_t marker = line.value.find(">>");
                std::string text = line.value;
                std::string fullName = line.value;
                if (marker != std::string::npos) {
                    const auto parts = SplitList(line.value.substr(0, marker), '|');
                    const std::string group = parts.at(0);
                    const std::string variant = SplitList(line.value.substr(marker + 2), '|').at(0);
                    text = group + ">>" + variant;
                    fullName = group + " - " + variant;
                }
                CpText(line, fullName, 50);
                names.items.Add(line, fullName);
                const std::string stored = "Data\\images\\items\\" + Slug(fullName) + ".jpg";
                ItemFileEntry entry;
                entry.Text = CpText(line, text);
                entry.PicturePath = stored;
                shop->Items.push_back(entry);
                item = &shop->Items.back();
                pack.pictures.push_back({PictureJob::Kind::Item, stored, fullName, shopColour, 0});
                continue;
            }
            if (item == nullptr) {
                if (line.key == "picture") {
                    if (line.value != "gif" && line.value != "jpg") {
                        line.Fail("a shop's picture is gif or jpg");
                    }
                    // Replace the extension of the generated path.
                    shop->PicturePath.replace(shop->PicturePath.size() - 3, 3, line.value);
                    pack.pictures[shopJob].storedPath = shop->PicturePath;
                } else if (line.key == "colour") {
                    shopColour = Colour(line);
                    pack.pictures[shopJob].colour = shopColour;
                } else {
                    line.Fail("unknown shop field \"" + line.key + "\"");
                }
                continue;
            }
            TItem& record = item->Item;
            if (line.key == "cost") {
                record.Cost = static_cast<std::uint16_t>(Integer(line, line.value, 0, 65535));
            } else if (line.key == "orb") {
                record.OrbCode = static_cast<std::uint8_t>(names.itemOrbs.Find(line, line.value));
            } else if (line.key == "one per hero") {
                record.OnePerHero = YesNo(line);
            } else if (line.key == "activatable") {
                record.Activatable = YesNo(line);
            } else if (line.key == "passive auras") {
                record.PassiveAuras = AuraList(line, names);
            } else if (line.key == "active auras") {
                record.ActiveAuras = AuraList(line, names);
            } else if (line.key == "stacking" || line.key == "unique") {
                if (!line.value.empty()) {
                    line.Fail("the effects of \"" + line.key + ":\" go on the following lines");
                }
                program = line.key == "stacking" ? &record.StackingEffects : &record.UniqueEffects;
            } else {
                line.Fail("unknown item field \"" + line.key + "\"");
            }
        }
    }
}

} // namespace zephyr::pack
