#include "effect_syntax.h"
#include "source_readers.h"

#include <map>
#include <stdexcept>

namespace zephyr::pack {
namespace {

std::vector<std::uint8_t> AuraList(const SourceLine& line, const SourceNames& names) {
    std::vector<std::uint8_t> auras;
    for (const std::string& name : SplitList(line.Value, ',')) {
        if (!name.empty()) {
            auras.push_back(static_cast<std::uint8_t>(names.Auras.Find(line, name)));
        }
    }
    return auras;
}

} // namespace

void ReadItemSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names) {
    std::map<std::string, int> groupSizes; // variants read so far, by group
    for (const auto& path : SourceFilesIn(root / "items", ".zds")) {
        ShopFileEntry* shop = nullptr;
        std::uint32_t shopColour = 0x808080;
        std::size_t shopJob = 0;
        ItemFileEntry* item = nullptr;
        std::size_t itemJob = 0;
        TEffectList* program = nullptr;
        for (const SourceLine& line : ReadSourceFile(path, Shown(root, path))) {
            if (line.IsEffect) {
                if (program == nullptr) {
                    line.Fail("an effect belongs under \"stacking:\" or \"unique:\"");
                }
                try {
                    AssembleEffect(line.Value, ProgramKind::Item, *program);
                } catch (const std::invalid_argument& error) {
                    line.Fail(error.what());
                }
                continue;
            }
            program = nullptr;
            if (line.Key == "shop") {
                const std::string stored = "Data\\images\\shops\\" + Slug(line.Value) + ".jpg";
                pack.Shops.Shops.push_back({CpText(line, line.Value), stored, {}});
                shop = &pack.Shops.Shops.back();
                item = nullptr;
                shopColour = 0x808080;
                shopJob = pack.Pictures.size();
                pack.Pictures.push_back({PictureJob::Kind::Shop, stored, line.Value, shopColour, 0,
                                         std::string(DefaultIcon(PictureJob::Kind::Shop)),
                                         PictureEffect::None});
                continue;
            }
            if (shop == nullptr) {
                line.Fail("\"" + line.Key + "\" comes before the file's \"shop:\"");
            }
            if (line.Key == "item") {
                const std::size_t marker = line.Value.find(">>");
                std::string text = line.Value;
                std::string fullName = line.Value;
                int place = 0;
                if (marker != std::string::npos) {
                    const auto parts = SplitList(line.Value.substr(0, marker), '|');
                    const std::string group = parts.at(0);
                    const std::string variant = SplitList(line.Value.substr(marker + 2), '|').at(0);
                    text = group + ">>" + variant;
                    fullName = group + " - " + variant;
                    place = ++groupSizes[group];
                }
                CpText(line, fullName, 50);
                names.Items.Add(line, fullName);
                const std::string stored = "Data\\images\\items\\" + Slug(fullName) + ".jpg";
                ItemFileEntry entry;
                entry.Text = CpText(line, text);
                entry.PicturePath = stored;
                shop->Items.push_back(entry);
                item = &shop->Items.back();
                itemJob = pack.Pictures.size();
                pack.Pictures.push_back({PictureJob::Kind::Item, stored, fullName, shopColour,
                                         place, std::string(DefaultIcon(PictureJob::Kind::Item)),
                                         PictureEffect::None});
                continue;
            }
            if (item == nullptr) {
                if (line.Key == "picture") {
                    if (line.Value != "gif" && line.Value != "jpg") {
                        line.Fail("a shop's picture is gif or jpg");
                    }
                    // Replace the extension of the generated path.
                    shop->PicturePath.replace(shop->PicturePath.size() - 3, 3, line.Value);
                    pack.Pictures[shopJob].StoredPath = shop->PicturePath;
                } else if (line.Key == "colour") {
                    shopColour = Colour(line);
                    pack.Pictures[shopJob].Colour = shopColour;
                } else if (line.Key == "icon") {
                    pack.Pictures[shopJob].Icon = IconValue(line, names);
                } else {
                    line.Fail("unknown shop field \"" + line.Key + "\"");
                }
                continue;
            }
            TItem& record = item->Item;
            if (line.Key == "icon") {
                pack.Pictures[itemJob].Icon = IconValue(line, names);
            } else if (line.Key == "cost") {
                record.Cost = static_cast<std::uint16_t>(Integer(line, line.Value, 0, 65535));
            } else if (line.Key == "orb") {
                record.OrbCode = static_cast<std::uint8_t>(names.ItemOrbs.Find(line, line.Value));
            } else if (line.Key == "one per hero") {
                record.OnePerHero = YesNo(line);
            } else if (line.Key == "activatable") {
                record.Activatable = YesNo(line);
            } else if (line.Key == "passive auras") {
                record.PassiveAuras = AuraList(line, names);
            } else if (line.Key == "active auras") {
                record.ActiveAuras = AuraList(line, names);
            } else if (line.Key == "stacking" || line.Key == "unique") {
                if (!line.Value.empty()) {
                    line.Fail("the effects of \"" + line.Key + ":\" go on the following lines");
                }
                program = line.Key == "stacking" ? &record.StackingEffects : &record.UniqueEffects;
            } else {
                line.Fail("unknown item field \"" + line.Key + "\"");
            }
        }
    }
}

} // namespace zephyr::pack
