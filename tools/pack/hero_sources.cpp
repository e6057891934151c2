#include "effect_syntax.h"
#include "source_readers.h"

#include <stdexcept>

namespace zephyr::pack {
namespace {

// "22 + 2.7": the base attribute and its gain per level.
void Attribute(const SourceLine& line, std::uint16_t& base, double& gain) {
    const auto parts = SplitList(line.value, '+');
    if (parts.size() != 2) {
        line.Fail(line.key + " is written \"base + gain\", e.g. 22 + 2.7");
    }
    base = static_cast<std::uint16_t>(Integer(line, parts[0], 0, 65535));
    gain = Hundredths(line, parts[1]) / 100.0;
}

double Real(const SourceLine& line) {
    const std::int32_t value = Hundredths(line, line.value);
    if (value < 0 || value > 65535) {
        line.Fail(line.key + " must lie between 0 and 655.35");
    }
    return value / 100.0;
}

class HeroReader {
public:
    HeroReader(PackSources& pack, SourceNames& names) : pack_(pack), names_(names) {}

    void Read(const SourceLine& line) {
        if (line.isEffect) {
            if (program_ == nullptr) {
                line.Fail("an effect belongs under \"level N:\"");
            }
            try {
                AssembleEffect(line.value, ProgramKind::Level, *program_);
            } catch (const std::invalid_argument& error) {
                line.Fail(error.what());
            }
            return;
        }
        if (line.key == "tavern") {
            Finish(line);
            pack_.taverns.Taverns.push_back({CpText(line, line.value), {}});
            return;
        }
        if (pack_.taverns.Taverns.empty()) {
            line.Fail("\"" + line.key + "\" comes before the first \"tavern:\"");
        }
        if (line.key == "hero") {
            Finish(line);
            StartHero(line);
        } else if (hero_ == nullptr) {
            line.Fail("\"" + line.key + "\" belongs inside a hero");
        } else if (line.key == "ability") {
            StartAbility(line);
        } else if (ability_ == nullptr) {
            HeroField(line);
        } else {
            AbilityField(line);
        }
    }

    // Checks the hero read last; call at the end of every file too.
    void Finish(const SourceLine& line) {
        if (hero_ != nullptr && abilities_ != 4) {
            line.Fail("hero \"" + heroName_ + "\" has " + std::to_string(abilities_) +
                      " abilities, it needs four");
        }
        hero_ = nullptr;
        ability_ = nullptr;
        program_ = nullptr;
    }

private:
    void StartHero(const SourceLine& line) {
        names_.heroes.Add(line, line.value);
        heroName_ = line.value;
        std::string calcName = line.value;
        std::erase(calcName, ' ');
        names_.heroCalcNames.insert(calcName);
        HeroFileEntry entry;
        entry.Hero.Name = CpText(line, line.value);
        entry.PicturePath = "Data\\images\\heroes\\" + Slug(line.value) + ".jpg";
        pack_.taverns.Taverns.back().Heroes.push_back(entry);
        hero_ = &pack_.taverns.Taverns.back().Heroes.back();
        heroJob_ = pack_.pictures.size();
        pack_.pictures.push_back(
            {PictureJob::Kind::HeroPortrait, entry.PicturePath, line.value, 0, 0});
        abilities_ = 0;
        ability_ = nullptr;
        program_ = nullptr;
    }

    void StartAbility(const SourceLine& line) {
        if (abilities_ == 4) {
            line.Fail("a hero has four abilities");
        }
        ability_ = &hero_->Hero.Abilities[abilities_++];
        ability_->Name = CpText(line, line.value);
        level_ = 0;
        ability_->ImagePath =
            "Data\\images\\skills\\" + Slug(heroName_) + "_" + std::to_string(abilities_) + ".jpg";
        pack_.pictures.push_back({PictureJob::Kind::Ability, ability_->ImagePath, line.value, 0,
                                  pack_.pictures[heroJob_].variant * 10 + abilities_});
        program_ = nullptr;
    }

    void HeroField(const SourceLine& line) {
        THero& h = hero_->Hero;
        if (line.key == "attack") {
            if (line.value != "melee" && line.value != "ranged") {
                line.Fail("attack is melee or ranged");
            }
            h.Ranged = line.value == "ranged";
        } else if (line.key == "primary") {
            const std::string& v = line.value;
            h.PrimaryAttribute = v == "strength"       ? 1
                                 : v == "agility"      ? 2
                                 : v == "intelligence" ? 3
                                                       : 0;
            if (h.PrimaryAttribute == 0) {
                line.Fail("primary is strength, agility or intelligence");
            }
            pack_.pictures[heroJob_].variant = h.PrimaryAttribute;
        } else if (line.key == "strength") {
            Attribute(line, h.BaseStrength, h.StrengthGain);
        } else if (line.key == "agility") {
            Attribute(line, h.BaseAgility, h.AgilityGain);
        } else if (line.key == "intelligence") {
            Attribute(line, h.BaseIntelligence, h.IntelligenceGain);
        } else if (line.key == "damage") {
            const auto parts = SplitList(line.value, '-');
            if (parts.size() != 2) {
                line.Fail("damage is written \"low - high\"");
            }
            h.DamageMin = static_cast<std::uint16_t>(Integer(line, parts[0], 0, 65535));
            h.DamageMax = static_cast<std::uint16_t>(Integer(line, parts[1], h.DamageMin, 65535));
        } else if (line.key == "armor") {
            h.BaseArmor = Real(line);
        } else if (line.key == "hp regen") {
            h.BaseHpRegen = Real(line);
        } else if (line.key == "mana regen") {
            h.BaseManaRegen = Real(line);
        } else if (line.key == "attack time") {
            h.BaseAttackTime = Real(line);
        } else if (line.key == "move speed") {
            h.MoveSpeed = static_cast<std::uint16_t>(Integer(line, line.value, 0, 65535));
        } else if (line.key == "range") {
            h.AttackRange = static_cast<std::uint16_t>(Integer(line, line.value, 0, 65535));
        } else if (line.key == "picture") {
            hero_->PicturePath = CpText(line, line.value);
            pack_.pictures[heroJob_].storedPath = hero_->PicturePath;
        } else {
            line.Fail("unknown hero field \"" + line.key + "\"");
        }
    }

    void AbilityField(const SourceLine& line) {
        TAbility& a = *ability_;
        if (line.key == "orb" && level_ != 0) {
            // Inside a level block: the orb of that level only.
            a.LevelOrbCodes[static_cast<std::size_t>(level_ - 1)] =
                static_cast<std::uint8_t>(names_.abilityOrbs.Find(line, line.value));
            return;
        }
        program_ = nullptr;
        level_ = 0;
        if (line.key == "picture") {
            a.ImagePath = CpText(line, line.value);
            pack_.pictures.back().storedPath = a.ImagePath;
            return;
        }
        a.HasData = true;
        if (line.key == "needs active") {
            a.NeedsActive = YesNo(line);
        } else if (line.key == "attack type") {
            const std::string& v = line.value;
            a.AttackTypeChange = v == "none" ? 0 : v == "melee" ? 1 : v == "ranged" ? 2 : 3;
            if (a.AttackTypeChange == 3) {
                line.Fail("attack type is none, melee or ranged");
            }
        } else if (line.key == "learn aura") {
            a.LearnAura = static_cast<std::uint8_t>(names_.auras.Find(line, line.value));
        } else if (line.key == "active aura") {
            a.ActiveAura = static_cast<std::uint8_t>(names_.auras.Find(line, line.value));
        } else if (line.key == "linked item") {
            a.LinkItem = static_cast<std::uint8_t>(names_.items.Find(line, line.value));
        } else if (line.key == "orb") {
            a.OrbCode = static_cast<std::uint8_t>(names_.abilityOrbs.Find(line, line.value));
        } else if (line.key == "params") {
            const auto captions = SplitList(line.value, '|');
            if (captions.size() > 5) {
                line.Fail("an ability has at most five parameters");
            }
            for (std::size_t k = 0; k < captions.size(); ++k) {
                a.ParamCaptions[k] = CpText(line, captions[k]);
            }
        } else if (line.key.rfind("level ", 0) == 0) {
            const int level = static_cast<int>(Integer(line, line.key.substr(6), 1, 4));
            if (!line.value.empty()) {
                line.Fail("the effects of \"" + line.key + ":\" go on the following lines");
            }
            level_ = level;
            program_ = &a.LevelEffects[static_cast<std::size_t>(level - 1)];
        } else {
            line.Fail("unknown ability field \"" + line.key + "\"");
        }
    }

    PackSources& pack_;
    SourceNames& names_;
    HeroFileEntry* hero_ = nullptr;
    std::string heroName_;
    std::size_t heroJob_ = 0;
    int abilities_ = 0;
    TAbility* ability_ = nullptr;
    int level_ = 0;
    TEffectList* program_ = nullptr;
};

} // namespace

void ReadHeroSources(const std::filesystem::path& root, PackSources& pack, SourceNames& names) {
    HeroReader reader(pack, names);
    for (const auto& path : SourceFilesIn(root / "heroes", ".zds")) {
        const auto lines = ReadSourceFile(path, Shown(root, path));
        for (const SourceLine& line : lines) {
            reader.Read(line);
        }
        if (!lines.empty()) {
            reader.Finish(lines.back());
        }
    }
}

} // namespace zephyr::pack
