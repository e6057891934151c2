#include "synthetic_pack.h"

#include "effect_syntax.h"

#include "data/cp1251.h"
#include "data/hero_figures.h"

namespace zephyr::pack {
namespace {

TEffectList Program(std::initializer_list<const char*> lines, ProgramKind kind) {
    TEffectList program;
    for (const char* line : lines) {
        AssembleEffect(line, kind, program);
    }
    return program;
}

std::string N(const char* stem, int number) {
    return stem + std::to_string(number);
}

// A picture of a generated record: the kind's default icon.
PictureJob Job(PictureKind kind, const std::string& path, const std::string& label,
               std::uint32_t colour, int variant, PictureEffect effect = PictureEffect::None) {
    return {kind, path, label, colour, variant, std::string(DefaultIcon(kind)), effect};
}

} // namespace

PackSources SyntheticPack(int scale) {
    PackSources pack;
    const int categories = 8;
    for (int c = 1; c <= categories; ++c) {
        const std::string path = "Data\\images\\orbs\\category_" + std::to_string(c) + ".jpg";
        pack.Orbs.Categories.push_back({N("Category ", c), path});
        pack.Pictures.push_back(Job(PictureJob::Kind::OrbCategory, path, N("Category ", c), 0, c));
    }
    for (int b = 1; b <= 3; ++b) {
        const std::string path = "Data\\images\\orbs\\ability_" + std::to_string(b) + ".jpg";
        pack.Orbs.AbilityOrbs.push_back({N("Ability orb ", b), path});
        pack.Pictures.push_back(
            Job(PictureJob::Kind::AbilityOrb, path, N("Ability orb ", b), 0, b));
    }
    pack.Orbs.MeleeResults.assign(categories * (categories + 1) / 2, 1);
    pack.Orbs.RangedResults.assign(categories * (categories + 1) / 2, 2);
    pack.Orbs.AbilityResults.assign(categories * 3, 6);
    for (int o = 1; o <= 12; ++o) {
        pack.Orbs.ItemOrbs.push_back(TOrb{N("Item orb ", o),
                                          static_cast<std::uint8_t>(1 + o % categories), 20, 30,
                                          o % 3 == 0 ? 15 : 0});
    }
    for (int a = 1; a <= 60; ++a) {
        TAura aura;
        aura.Name = N("Aura ", a);
        aura.V0 = 1 + a % 20;
        aura.V1 = a % 15;
        aura.V5 = 100 * (a % 4);
        aura.V8 = a % 12;
        const std::string path = "Data\\images\\auras\\aura_" + std::to_string(a) + ".jpg";
        pack.Aurs.Auras.push_back({aura, path});
        pack.Pictures.push_back(Job(PictureJob::Kind::Aura, path, aura.Name, 0, a));
    }
    int itemNumber = 0;
    for (int s = 1; s <= 10; ++s) {
        const std::string shopPath =
            "Data\\images\\shops\\shop_" + std::to_string(s) + (s % 2 ? ".gif" : ".jpg");
        ShopFileEntry shop{N("Shop ", s), shopPath, {}};
        const std::uint32_t colour = 0x305070u + static_cast<std::uint32_t>(s) * 0x0F0A05u;
        pack.Pictures.push_back(Job(PictureJob::Kind::Shop, shopPath, shop.Name, colour, 0));
        for (int i = 0; i < 20 * scale; ++i) {
            ++itemNumber;
            ItemFileEntry entry;
            entry.Text = i % 5 == 1 ? N("Group ", itemNumber / 5) + ">>" + N("V", itemNumber)
                                    : N("Item ", itemNumber);
            entry.PicturePath = "Data\\images\\items\\item_" + std::to_string(itemNumber) + ".jpg";
            TItem& item = entry.Item;
            item.Cost = static_cast<std::uint16_t>(100 + itemNumber * 7 % 4000);
            item.OrbCode = static_cast<std::uint8_t>(itemNumber % 13);
            item.Activatable = itemNumber % 3 == 0;
            item.PassiveAuras = {static_cast<std::uint8_t>(1 + itemNumber % 60)};
            item.ActiveAuras = item.Activatable
                                   ? std::vector<std::uint8_t>{static_cast<std::uint8_t>(
                                         1 + (itemNumber * 7) % 60)}
                                   : std::vector<std::uint8_t>{};
            item.StackingEffects =
                Program({"Damage(12)", "Strength(4)", "AttackSpeed(10)", "Bash(10, 25, 0)"},
                        ProgramKind::Item);
            item.UniqueEffects =
                Program({"LateDamage(8)", "MoveSpeedPercent(6)"}, ProgramKind::Item);
            pack.Pictures.push_back(Job(PictureJob::Kind::Item, entry.PicturePath,
                                        Utf8FromCp1251(entry.Text), colour, 0));
            shop.Items.push_back(std::move(entry));
        }
        pack.Shops.Shops.push_back(std::move(shop));
    }
    int heroNumber = 0;
    for (int t = 1; t <= 8; ++t) {
        TavernFileEntry tavern{N("Tavern ", t), {}};
        for (int h = 0; h < 15 * scale; ++h) {
            ++heroNumber;
            HeroFileEntry entry;
            entry.PicturePath = "Data\\images\\heroes\\hero_" + std::to_string(heroNumber) + ".jpg";
            const bool ranged = heroNumber % 2 == 0;
            entry.Hero =
                MakeHero(N("Hero ", heroNumber),
                         {.Ranged = ranged,
                          .PrimaryAttribute = static_cast<std::uint8_t>(1 + heroNumber % 3),
                          .Strength = static_cast<std::uint16_t>(16 + heroNumber % 9),
                          .Agility = static_cast<std::uint16_t>(15 + heroNumber % 8),
                          .Intelligence = static_cast<std::uint16_t>(14 + heroNumber % 10),
                          .StrengthGain = 2.2,
                          .AgilityGain = 1.9,
                          .IntelligenceGain = 1.6,
                          .DamageMin = 22,
                          .DamageMax = 30,
                          .Armor = 1.5,
                          .HpRegen = 0.25,
                          .ManaRegen = 0.01,
                          .AttackRange = static_cast<std::uint16_t>(ranged ? 550 : 128)});
            THero& hero = entry.Hero;
            pack.Pictures.push_back(Job(PictureJob::Kind::HeroPortrait, entry.PicturePath,
                                        Utf8FromCp1251(hero.Name), 0, hero.PrimaryAttribute));
            for (int a = 0; a < 4; ++a) {
                TAbility& ability = hero.Abilities[a];
                ability.Name = N("Ability ", heroNumber * 4 + a);
                ability.ImagePath = "Data\\images\\skills\\hero_" + std::to_string(heroNumber) +
                                    "_" + std::to_string(a + 1) + ".jpg";
                ability.HasData = true;
                ability.LearnAura = static_cast<std::uint8_t>(a == 0 ? 1 + heroNumber % 60 : 0);
                ability.ParamCaptions[0] = "Stacks";
                for (int level = 0; level < 4; ++level) {
                    ability.LevelEffects[level] =
                        Program({"NumberParam(0, 5, 2)", "Damage(P1 * 5 + STR / 4)", "Crit(15, 2)"},
                                ProgramKind::Level);
                }
                pack.Pictures.push_back(Job(PictureJob::Kind::Ability, ability.ImagePath,
                                            Utf8FromCp1251(ability.Name), 0,
                                            hero.PrimaryAttribute * 10 + a + 1,
                                            a == 0 ? PictureEffect::Aura : PictureEffect::Attack));
            }
            tavern.Heroes.push_back(std::move(entry));
        }
        pack.Taverns.Taverns.push_back(std::move(tavern));
    }
    for (int w = 0; w < 10000 * scale; ++w) {
        TSlang entry;
        entry.Category = static_cast<std::uint8_t>(w % 7);
        entry.Terms = {N("term", w), Cp1251FromUtf8("термин") + std::to_string(w)};
        entry.Definition = "<b>" + N("term", w) + "</b> definition number " + std::to_string(w);
        entry.Links = {{"Guide", "guide_heroes.html"}};
        pack.Dictionary.Entries.push_back(std::move(entry));
    }
    for (int line = 1; line <= 30; ++line) {
        pack.TickerLines.push_back(Cp1251FromUtf8("Совет номер ") + std::to_string(line));
    }
    for (const char* name : {"guide_heroes.html", "guide_items.html", "guide_creeps.html",
                             "articles.html", "formulas.html", "about.html", "help.html"}) {
        pack.Documents.push_back({name, name, std::string("<h1>") + name + "</h1><!-- heroes -->"});
    }
    return pack;
}

} // namespace zephyr::pack
