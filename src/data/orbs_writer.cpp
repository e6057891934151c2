#include "catalogue_writer.h"
#include "orbs_file.h"

namespace zephyr {
namespace {

void WriteNamed(CatalogueWriter& out, const std::vector<OrbPictureEntry>& entries,
                const char* what) {
    out.Count(entries.size(), 0xFF, what);
    for (const OrbPictureEntry& entry : entries) {
        out.FixedText(entry.Name, 50, what);
        out.FixedText(entry.PicturePath, 255, std::string("picture path of ") + entry.Name);
    }
}

void WriteResults(CatalogueWriter& out, const std::vector<std::uint8_t>& results,
                  std::size_t expected, const char* what) {
    if (results.size() != expected) {
        out.Fail(what, std::to_string(results.size()) + " entries where the categories need " +
                           std::to_string(expected));
    }
    for (const std::uint8_t result : results) {
        out.Byte(result);
    }
}

} // namespace

std::string WriteOrbsFile(const OrbsFile& file) {
    CatalogueWriter out("Orbs.dat");
    WriteNamed(out, file.Categories, "orb categories");
    WriteNamed(out, file.AbilityOrbs, "ability orbs");
    const std::size_t a = file.Categories.size();
    const std::size_t b = file.AbilityOrbs.size();
    WriteResults(out, file.MeleeResults, a * (a + 1) / 2, "melee orb table");
    WriteResults(out, file.RangedResults, a * (a + 1) / 2, "ranged orb table");
    WriteResults(out, file.AbilityResults, a * b, "ability orb table");
    out.Count(file.ItemOrbs.size(), 0xFF, "item orbs");
    for (const TOrb& orb : file.ItemOrbs) {
        out.FixedText(orb.Name, 50, "item orb name");
        out.Byte(orb.Category);
        out.Int(orb.ProcChance);
        out.Int(orb.ProcDamage);
        out.Int(orb.LifeSteal);
    }
    return out.Bytes();
}

} // namespace zephyr
