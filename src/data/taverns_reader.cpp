#include "catalogue_reader.h"
#include "taverns_file.h"

namespace zephyr {
namespace {

void ReadAbility(CatalogueReader& in, TAbility& ability) {
    ability.Name = in.CountedText("ability name");
    ability.ImagePath = in.CountedText("ability picture path");
    ability.HasData = in.Bool("ability data flag");
    if (!ability.HasData) {
        return;
    }
    ability.NeedsActive = in.Bool("ability activation flag");
    ability.AttackTypeChange = in.Byte("ability attack type");
    ability.LearnAura = in.Byte("ability learn aura");
    ability.ActiveAura = in.Byte("ability active aura");
    ability.OrbCode = in.Byte("ability orb");
    ability.LinkItem = in.Byte("ability linked item");
    for (std::string& caption : ability.ParamCaptions) {
        caption = in.CountedText("ability parameter caption");
    }
    for (int level = 0; level < 4; ++level) {
        ability.LevelOrbCodes[level] = in.Byte("ability level orb");
        ability.LevelEffects[level] = in.Tokens("ability level program");
    }
}

HeroFileEntry ReadHero(CatalogueReader& in) {
    HeroFileEntry entry;
    THero& hero = entry.Hero;
    hero.Name = in.CountedText("hero name");
    entry.PicturePath = in.CountedText("hero picture path");
    hero.Ranged = in.Bool("hero attack type");
    hero.BaseStrength = in.Word("hero strength");
    hero.BaseAgility = in.Word("hero agility");
    hero.BaseIntelligence = in.Word("hero intelligence");
    hero.PrimaryAttribute = in.Byte("hero primary attribute");
    hero.StrengthGain = in.Hundredths("hero strength gain");
    hero.AgilityGain = in.Hundredths("hero agility gain");
    hero.IntelligenceGain = in.Hundredths("hero intelligence gain");
    hero.DamageMin = in.Word("hero damage");
    hero.DamageMax = in.Word("hero damage");
    hero.BaseArmor = in.Hundredths("hero armor");
    hero.BaseHpRegen = in.Hundredths("hero regeneration");
    hero.BaseManaRegen = in.Hundredths("hero mana regeneration");
    hero.BaseAttackTime = in.Hundredths("hero attack time");
    hero.MoveSpeed = in.Word("hero movement speed");
    hero.AttackRange = in.Word("hero attack range");
    for (TAbility& ability : hero.Abilities) {
        ReadAbility(in, ability);
    }
    return entry;
}

} // namespace

std::optional<TavernsFile> ReadTavernsFile(const std::filesystem::path& path) {
    CatalogueReader in;
    if (!in.Open(path)) {
        return std::nullopt;
    }
    TavernsFile file;
    file.Taverns.resize(in.Byte("tavern count"));
    for (TavernFileEntry& tavern : file.Taverns) {
        tavern.Name = in.CountedText("tavern name");
        const std::uint8_t heroCount = in.Byte("hero count");
        for (int i = 0; i < heroCount; ++i) {
            tavern.Heroes.push_back(ReadHero(in));
        }
    }
    return file;
}

} // namespace zephyr
