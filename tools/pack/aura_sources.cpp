#include "source_readers.h"

namespace zephyr::pack {

void ReadAuraSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names) {
    const auto path = root / "auras.zds";
    AuraFileEntry* entry = nullptr;
    for (const SourceLine& line : ReadSourceFile(path, Shown(root, path))) {
        if (line.isEffect) {
            line.Fail("effects belong to heroes and items");
        }
        if (line.key == "aura") {
            names.auras.Add(line, line.value);
            const std::string stored = "Data\\images\\auras\\" + Slug(line.value) + ".jpg";
            TAura aura;
            aura.Name = CpText(line, line.value, 50);
            pack.aurs.Auras.push_back({aura, stored});
            entry = &pack.aurs.Auras.back();
            pack.pictures.push_back({PictureJob::Kind::Aura, stored, line.value, 0, 0});
            continue;
        }
        if (entry == nullptr) {
            line.Fail("\"" + line.key + "\" belongs inside an aura");
        }
        TAura& a = entry->Aura;
        const auto whole = [&](std::int32_t& field) {
            field = static_cast<std::int32_t>(Integer(line, line.value, -100000, 100000));
        };
        if (line.key == "group") {
            a.V0 = static_cast<std::int32_t>(Integer(line, line.value, 1, 1000));
            pack.pictures.back().variant = a.V0;
        } else if (line.key == "melee damage") {
            whole(a.V1);
        } else if (line.key == "ranged damage") {
            whole(a.V2);
        } else if (line.key == "melee damage %") {
            whole(a.V3);
        } else if (line.key == "ranged damage %") {
            whole(a.V4);
        } else if (line.key == "armor") {
            a.V5 = Hundredths(line, line.value);
        } else if (line.key == "hp regen") {
            whole(a.V6);
        } else if (line.key == "mana regen") {
            a.V7 = Hundredths(line, line.value);
        } else if (line.key == "attack speed") {
            whole(a.V8);
        } else if (line.key == "melee life steal") {
            whole(a.V9);
        } else if (line.key == "ranged life steal") {
            whole(a.V10);
        } else {
            line.Fail("unknown aura field \"" + line.key + "\"");
        }
    }
    if (pack.aurs.Auras.size() > 255) {
        throw SourceError(Shown(root, path), 0, "more than 255 auras");
    }
}

} // namespace zephyr::pack
