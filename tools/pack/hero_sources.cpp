#include "effect_syntax.h"
#include "source_readers.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <stdexcept>
#include <string_view>

namespace zephyr::pack {
namespace {

// "22 + 2.7": the base attribute and its gain per level.
void Attribute(const SourceLine& line, std::uint16_t& base, double& gain) {
    const auto parts = SplitList(line.Value, '+');
    if (parts.size() != 2) {
        line.Fail(line.Key + " is written \"base + gain\", e.g. 22 + 2.7");
    }
    base = static_cast<std::uint16_t>(Integer(line, parts[0], 0, 65535));
    gain = Hundredths(line, parts[1]) / 100.0;
}

// The kind of an effect, for the colour of the ability's picture.
PictureEffect EffectKind(std::string_view effect) {
    using E = PictureEffect;
    static const std::map<std::string_view, E> kinds = {
        {"Damage", E::Attack},
        {"DamagePercent", E::Attack},
        {"Crit", E::Attack},
        {"Bash", E::Attack},
        {"PhysicalProc", E::Attack},
        {"PhysicalDps", E::Attack},
        {"LateDamage", E::Attack},
        {"AttackTypeBash", E::Attack},
        {"MagicalProc", E::Magic},
        {"MagicalDps", E::Magic},
        {"LateMagicalDamage", E::Magic},
        {"ManaDrain", E::Magic},
        {"HpDrain", E::Magic},
        {"Intelligence", E::Magic},
        {"Armor", E::Defence},
        {"Shield", E::Defence},
        {"PhysicalEhp", E::Defence},
        {"MagicalEhp", E::Defence},
        {"MagicResist", E::Defence},
        {"HitPoints", E::Defence},
        {"Strength", E::Defence},
        {"AttackSpeed", E::Swiftness},
        {"AttackTime", E::Swiftness},
        {"MoveSpeed", E::Swiftness},
        {"MoveSpeedPercent", E::Swiftness},
        {"Range", E::Swiftness},
        {"Evasion", E::Swiftness},
        {"Miss", E::Swiftness},
        {"TriggeredEvasion", E::Swiftness},
        {"Agility", E::Swiftness},
        {"HpRegen", E::Sustain},
        {"ManaRegen", E::Sustain},
        {"ManaRegenPercent", E::Sustain},
        {"Mana", E::Sustain},
        {"LifeSteal", E::Sustain},
        {"RegenerationBase", E::Sustain},
    };
    const auto found = kinds.find(effect);
    return found == kinds.end() ? E::None : found->second;
}

// Collects what an ability does: an ability that gives an aura is an aura
// ability; otherwise the kind most of its different effects belong to wins,
// a tie going to the kind named first. An orb counts as a magic effect.
class EffectTally {
public:
    void Clear() { *this = EffectTally(); }

    void Aura() { aura_ = true; }

    void Effect(const std::string& name, PictureEffect kind) {
        if (kind == PictureJob::Effect::None || !names_.insert(name).second) {
            return;
        }
        if (std::find(order_.begin(), order_.end(), kind) == order_.end()) {
            order_.push_back(kind);
        }
        ++counts_[static_cast<std::size_t>(kind)];
    }

    PictureEffect Result() const {
        if (aura_) {
            return PictureJob::Effect::Aura;
        }
        PictureEffect best = PictureJob::Effect::None;
        int most = 0;
        for (const PictureEffect kind : order_) {
            const int count = counts_[static_cast<std::size_t>(kind)];
            if (count > most) {
                best = kind;
                most = count;
            }
        }
        return best;
    }

private:
    bool aura_ = false;
    std::set<std::string> names_;
    std::vector<PictureEffect> order_;
    std::array<int, 7> counts_{};
};

double Real(const SourceLine& line) {
    const std::int32_t value = Hundredths(line, line.Value);
    if (value < 0 || value > 65535) {
        line.Fail(line.Key + " must lie between 0 and 655.35");
    }
    return value / 100.0;
}

class HeroReader {
public:
    HeroReader(PackSources& pack, SourceNames& names) : pack_(pack), names_(names) {}

    void Read(const SourceLine& line) {
        if (line.IsEffect) {
            if (program_ == nullptr) {
                line.Fail("an effect belongs under \"level N:\"");
            }
            try {
                AssembleEffect(line.Value, ProgramKind::Level, *program_);
            } catch (const std::invalid_argument& error) {
                line.Fail(error.what());
            }
            const std::string name = line.Value.substr(0, line.Value.find('('));
            Tally(name, EffectKind(name));
            return;
        }
        if (line.Key == "tavern") {
            Finish(line);
            pack_.Taverns.Taverns.push_back({CpText(line, line.Value), {}});
            return;
        }
        if (pack_.Taverns.Taverns.empty()) {
            line.Fail("\"" + line.Key + "\" comes before the first \"tavern:\"");
        }
        if (line.Key == "hero") {
            Finish(line);
            StartHero(line);
        } else if (hero_ == nullptr) {
            line.Fail("\"" + line.Key + "\" belongs inside a hero");
        } else if (line.Key == "ability") {
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
        names_.Heroes.Add(line, line.Value);
        heroName_ = line.Value;
        std::string calcName = line.Value;
        std::erase(calcName, ' ');
        names_.HeroCalcNames.insert(calcName);
        HeroFileEntry entry;
        entry.Hero.Name = CpText(line, line.Value);
        entry.PicturePath = "Data\\images\\heroes\\" + Slug(line.Value) + ".jpg";
        pack_.Taverns.Taverns.back().Heroes.push_back(entry);
        hero_ = &pack_.Taverns.Taverns.back().Heroes.back();
        heroJob_ = pack_.Pictures.size();
        pack_.Pictures.push_back({PictureJob::Kind::HeroPortrait, entry.PicturePath, line.Value, 0,
                                  0, std::string(DefaultIcon(PictureJob::Kind::HeroPortrait)),
                                  PictureEffect::None});
        abilities_ = 0;
        ability_ = nullptr;
        program_ = nullptr;
    }

    void StartAbility(const SourceLine& line) {
        if (abilities_ == 4) {
            line.Fail("a hero has four abilities");
        }
        ability_ = &hero_->Hero.Abilities[abilities_++];
        ability_->Name = CpText(line, line.Value);
        level_ = 0;
        ability_->ImagePath =
            "Data\\images\\skills\\" + Slug(heroName_) + "_" + std::to_string(abilities_) + ".jpg";
        abilityJob_ = pack_.Pictures.size();
        pack_.Pictures.push_back({PictureJob::Kind::Ability, ability_->ImagePath, line.Value, 0,
                                  pack_.Pictures[heroJob_].Variant * 10 + abilities_,
                                  std::string(DefaultIcon(PictureJob::Kind::Ability)),
                                  PictureEffect::None});
        tally_.Clear();
        program_ = nullptr;
    }

    void HeroField(const SourceLine& line) {
        THero& h = hero_->Hero;
        if (line.Key == "attack") {
            if (line.Value != "melee" && line.Value != "ranged") {
                line.Fail("attack is melee or ranged");
            }
            h.Ranged = line.Value == "ranged";
        } else if (line.Key == "primary") {
            const std::string& v = line.Value;
            h.PrimaryAttribute = v == "strength"       ? 1
                                 : v == "agility"      ? 2
                                 : v == "intelligence" ? 3
                                                       : 0;
            if (h.PrimaryAttribute == 0) {
                line.Fail("primary is strength, agility or intelligence");
            }
            pack_.Pictures[heroJob_].Variant = h.PrimaryAttribute;
        } else if (line.Key == "strength") {
            Attribute(line, h.BaseStrength, h.StrengthGain);
        } else if (line.Key == "agility") {
            Attribute(line, h.BaseAgility, h.AgilityGain);
        } else if (line.Key == "intelligence") {
            Attribute(line, h.BaseIntelligence, h.IntelligenceGain);
        } else if (line.Key == "damage") {
            const auto parts = SplitList(line.Value, '-');
            if (parts.size() != 2) {
                line.Fail("damage is written \"low - high\"");
            }
            h.DamageMin = static_cast<std::uint16_t>(Integer(line, parts[0], 0, 65535));
            h.DamageMax = static_cast<std::uint16_t>(Integer(line, parts[1], h.DamageMin, 65535));
        } else if (line.Key == "armor") {
            h.BaseArmor = Real(line);
        } else if (line.Key == "hp regen") {
            h.BaseHpRegen = Real(line);
        } else if (line.Key == "mana regen") {
            h.BaseManaRegen = Real(line);
        } else if (line.Key == "attack time") {
            h.BaseAttackTime = Real(line);
        } else if (line.Key == "move speed") {
            h.MoveSpeed = static_cast<std::uint16_t>(Integer(line, line.Value, 0, 65535));
        } else if (line.Key == "range") {
            h.AttackRange = static_cast<std::uint16_t>(Integer(line, line.Value, 0, 65535));
        } else if (line.Key == "picture") {
            hero_->PicturePath = CpText(line, line.Value);
            pack_.Pictures[heroJob_].StoredPath = hero_->PicturePath;
        } else if (line.Key == "icon") {
            pack_.Pictures[heroJob_].Icon = IconValue(line, names_);
        } else {
            line.Fail("unknown hero field \"" + line.Key + "\"");
        }
    }

    void AbilityField(const SourceLine& line) {
        TAbility& a = *ability_;
        if (line.Key == "orb" && level_ != 0) {
            // Inside a level block: the orb of that level only.
            a.LevelOrbCodes[static_cast<std::size_t>(level_ - 1)] =
                static_cast<std::uint8_t>(names_.AbilityOrbs.Find(line, line.Value));
            Tally("orb", PictureJob::Effect::Magic);
            return;
        }
        program_ = nullptr;
        level_ = 0;
        if (line.Key == "picture") {
            a.ImagePath = CpText(line, line.Value);
            pack_.Pictures[abilityJob_].StoredPath = a.ImagePath;
            return;
        }
        if (line.Key == "icon") {
            pack_.Pictures[abilityJob_].Icon = IconValue(line, names_);
            return;
        }
        a.HasData = true;
        if (line.Key == "needs active") {
            a.NeedsActive = YesNo(line);
        } else if (line.Key == "attack type") {
            const std::string& v = line.Value;
            a.AttackTypeChange = v == "none" ? 0 : v == "melee" ? 1 : v == "ranged" ? 2 : 3;
            if (a.AttackTypeChange == 3) {
                line.Fail("attack type is none, melee or ranged");
            }
        } else if (line.Key == "learn aura") {
            a.LearnAura = static_cast<std::uint8_t>(names_.Auras.Find(line, line.Value));
            TallyAura(a.LearnAura);
        } else if (line.Key == "active aura") {
            a.ActiveAura = static_cast<std::uint8_t>(names_.Auras.Find(line, line.Value));
            TallyAura(a.ActiveAura);
        } else if (line.Key == "linked item") {
            a.LinkItem = static_cast<std::uint8_t>(names_.Items.Find(line, line.Value));
        } else if (line.Key == "orb") {
            a.OrbCode = static_cast<std::uint8_t>(names_.AbilityOrbs.Find(line, line.Value));
            if (a.OrbCode != 0) {
                Tally("orb", PictureJob::Effect::Magic);
            }
        } else if (line.Key == "params") {
            const auto captions = SplitList(line.Value, '|');
            if (captions.size() > 5) {
                line.Fail("an ability has at most five parameters");
            }
            for (std::size_t k = 0; k < captions.size(); ++k) {
                a.ParamCaptions[k] = CpText(line, captions[k]);
            }
        } else if (line.Key.rfind("level ", 0) == 0) {
            const int level = static_cast<int>(Integer(line, line.Key.substr(6), 1, 4));
            if (!line.Value.empty()) {
                line.Fail("the effects of \"" + line.Key + ":\" go on the following lines");
            }
            level_ = level;
            program_ = &a.LevelEffects[static_cast<std::size_t>(level - 1)];
        } else {
            line.Fail("unknown ability field \"" + line.Key + "\"");
        }
    }

    void Tally(const std::string& name, PictureEffect kind) {
        tally_.Effect(name, kind);
        pack_.Pictures[abilityJob_].Effect = tally_.Result();
    }

    void TallyAura(int aura) {
        if (aura != 0) {
            tally_.Aura();
            pack_.Pictures[abilityJob_].Effect = tally_.Result();
        }
    }

    PackSources& pack_;
    SourceNames& names_;
    HeroFileEntry* hero_ = nullptr;
    std::string heroName_;
    std::size_t heroJob_ = 0;
    std::size_t abilityJob_ = 0;
    EffectTally tally_;
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
