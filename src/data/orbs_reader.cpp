#include "catalogue_reader.h"
#include "orbs_file.h"

namespace zephyr {
namespace {

std::vector<OrbPictureEntry> ReadNamed(CatalogueReader& in, const char* what) {
    std::vector<OrbPictureEntry> entries(in.Byte(what));
    for (OrbPictureEntry& entry : entries) {
        entry.Name = in.FixedText(50, what);
        entry.PicturePath = in.FixedText(255, what);
    }
    return entries;
}

std::vector<std::uint8_t> ReadResults(CatalogueReader& in, std::size_t count, const char* what) {
    std::vector<std::uint8_t> results(count);
    for (std::uint8_t& result : results) {
        result = in.Byte(what);
    }
    return results;
}

} // namespace

std::optional<OrbsFile> ReadOrbsFile(const std::filesystem::path& path) {
    CatalogueReader in;
    if (!in.Open(path)) {
        return std::nullopt;
    }
    OrbsFile file;
    file.Categories = ReadNamed(in, "orb category");
    file.AbilityOrbs = ReadNamed(in, "ability orb");
    const std::size_t a = file.Categories.size();
    const std::size_t b = file.AbilityOrbs.size();
    file.MeleeResults = ReadResults(in, a * (a + 1) / 2, "melee orb table");
    file.RangedResults = ReadResults(in, a * (a + 1) / 2, "ranged orb table");
    file.AbilityResults = ReadResults(in, a * b, "ability orb table");
    file.ItemOrbs.resize(in.Byte("item orb count"));
    for (TOrb& orb : file.ItemOrbs) {
        orb.Name = in.FixedText(50, "item orb name");
        orb.Category = in.Byte("item orb category");
        orb.ProcChance = in.Int("item orb chance");
        orb.ProcDamage = in.Int("item orb damage");
        orb.LifeSteal = in.Int("item orb life steal");
    }
    return file;
}

} // namespace zephyr
