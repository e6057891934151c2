#include "catalogue_writer.h"
#include "taverns_file.h"

namespace zephyr {
namespace {

void WriteAbility(CatalogueWriter& out, const TAbility& ability) {
    out.CountedText(ability.Name, "ability name");
    out.CountedText(ability.ImagePath, "ability picture path");
    out.Bool(ability.HasData);
    if (!ability.HasData) {
        return;
    }
    out.Bool(ability.NeedsActive);
    out.Byte(ability.AttackTypeChange);
    out.Byte(ability.LearnAura);
    out.Byte(ability.ActiveAura);
    out.Byte(ability.OrbCode);
    out.Byte(ability.LinkItem);
    for (const std::string& caption : ability.ParamCaptions) {
        out.CountedText(caption, "ability parameter caption");
    }
    for (int level = 0; level < 4; ++level) {
        out.Byte(ability.LevelOrbCodes[level]);
        out.Tokens(ability.LevelEffects[level], "ability level program of " + ability.Name);
    }
}

void WriteHero(CatalogueWriter& out, const HeroFileEntry& entry) {
    const THero& hero = entry.Hero;
    out.CountedText(hero.Name, "hero name");
    out.CountedText(entry.PicturePath, "hero picture path of " + hero.Name);
    out.Bool(hero.Ranged);
    out.Word(hero.BaseStrength);
    out.Word(hero.BaseAgility);
    out.Word(hero.BaseIntelligence);
    out.Byte(hero.PrimaryAttribute);
    out.Hundredths(hero.StrengthGain, "strength gain of " + hero.Name);
    out.Hundredths(hero.AgilityGain, "agility gain of " + hero.Name);
    out.Hundredths(hero.IntelligenceGain, "intelligence gain of " + hero.Name);
    out.Word(hero.DamageMin);
    out.Word(hero.DamageMax);
    out.Hundredths(hero.BaseArmor, "armor of " + hero.Name);
    out.Hundredths(hero.BaseHpRegen, "regeneration of " + hero.Name);
    out.Hundredths(hero.BaseManaRegen, "mana regeneration of " + hero.Name);
    out.Hundredths(hero.BaseAttackTime, "attack time of " + hero.Name);
    out.Word(hero.MoveSpeed);
    out.Word(hero.AttackRange);
    for (const TAbility& ability : hero.Abilities) {
        WriteAbility(out, ability);
    }
}

} // namespace

std::string WriteTavernsFile(const TavernsFile& file) {
    CatalogueWriter out("Taverns.dat");
    out.Count(file.Taverns.size(), 0xFF, "taverns");
    for (const TavernFileEntry& tavern : file.Taverns) {
        out.CountedText(tavern.Name, "tavern name");
        out.Count(tavern.Heroes.size(), 0xFF, "heroes of tavern " + tavern.Name);
        for (const HeroFileEntry& hero : tavern.Heroes) {
            WriteHero(out, hero);
        }
    }
    return out.Bytes();
}

} // namespace zephyr
