#include "source_readers.h"

namespace zephyr::pack {

void ReadAuraSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names) {
    const auto path = root / "auras.zds";
    AuraFileEntry* entry = nullptr;
    std::size_t job = 0;
    for (const SourceLine& line : ReadSourceFile(path, Shown(root, path))) {
        if (line.IsEffect) {
            line.Fail("effects belong to heroes and items");
        }
        if (line.Key == "aura") {
            names.Auras.Add(line, line.Value);
            const std::string stored = "Data\\images\\auras\\" + Slug(line.Value) + ".jpg";
            TAura aura;
            aura.Name = CpText(line, line.Value, 50);
            pack.Aurs.Auras.push_back({aura, stored});
            entry = &pack.Aurs.Auras.back();
            pack.Pictures.push_back({PictureJob::Kind::Aura, stored, line.Value, 0,
                                     static_cast<int>(pack.Aurs.Auras.size()),
                                     std::string(DefaultIcon(PictureJob::Kind::Aura)),
                                     PictureEffect::None});
            job = pack.Pictures.size() - 1;
            continue;
        }
        if (entry == nullptr) {
            line.Fail("\"" + line.Key + "\" belongs inside an aura");
        }
        TAura& a = entry->Aura;
        const auto whole = [&](std::int32_t& field) {
            field = static_cast<std::int32_t>(Integer(line, line.Value, -100000, 100000));
        };
        if (line.Key == "icon") {
            pack.Pictures[job].Icon = IconValue(line, names);
        } else if (line.Key == "group") {
            a.V0 = static_cast<std::int32_t>(Integer(line, line.Value, 1, 1000));
        } else if (line.Key == "melee damage") {
            whole(a.V1);
        } else if (line.Key == "ranged damage") {
            whole(a.V2);
        } else if (line.Key == "melee damage %") {
            whole(a.V3);
        } else if (line.Key == "ranged damage %") {
            whole(a.V4);
        } else if (line.Key == "armor") {
            a.V5 = Hundredths(line, line.Value);
        } else if (line.Key == "hp regen") {
            whole(a.V6);
        } else if (line.Key == "mana regen") {
            a.V7 = Hundredths(line, line.Value);
        } else if (line.Key == "attack speed") {
            whole(a.V8);
        } else if (line.Key == "melee life steal") {
            whole(a.V9);
        } else if (line.Key == "ranged life steal") {
            whole(a.V10);
        } else {
            line.Fail("unknown aura field \"" + line.Key + "\"");
        }
    }
    if (pack.Aurs.Auras.size() > 255) {
        throw SourceError(Shown(root, path), 0, "more than 255 auras");
    }
}

} // namespace zephyr::pack
