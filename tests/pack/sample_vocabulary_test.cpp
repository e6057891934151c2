// The sample game is what a newcomer reads to learn the effects, and what the
// golden files check: it shows every effect of the vocabulary at work.
#include "effect_syntax.h"
#include "pack_sources.h"

#include "data/effect_code.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zephyr::pack {
namespace {

using Used = std::set<std::string, std::less<>>;

void Collect(const TEffectList& program, ProgramKind kind, Used& used) {
    for (const std::string& line : DisassembleProgram(program, kind)) {
        used.insert(line.substr(0, line.find('(')));
    }
}

TEST(SampleGame, UsesEveryEffectInAListWhereItActs) {
    const PackSources pack = ReadPackSources(ZEPHYR_SAMPLE_SOURCES);
    Used stacking;
    Used unique;
    Used level;
    for (const TavernFileEntry& tavern : pack.Taverns.Taverns) {
        for (const HeroFileEntry& entry : tavern.Heroes) {
            for (const TAbility& ability : entry.Hero.Abilities) {
                for (const TEffectList& program : ability.LevelEffects) {
                    Collect(program, ProgramKind::Level, level);
                }
            }
        }
    }
    for (const ShopFileEntry& shop : pack.Shops.Shops) {
        for (const ItemFileEntry& entry : shop.Items) {
            Collect(entry.Item.StackingEffects, ProgramKind::Item, stacking);
            Collect(entry.Item.UniqueEffects, ProgramKind::Item, unique);
        }
    }
    for (const EffectInfo& info : kEffects) {
        const bool shown = (info.ActsIn(EffectList::Stacking) && stacking.contains(info.Name)) ||
                           (info.ActsIn(EffectList::Unique) && unique.contains(info.Name)) ||
                           (info.ActsIn(EffectList::Level) && level.contains(info.Name));
        EXPECT_TRUE(shown) << info.Name << " is used nowhere it acts";
    }
    EXPECT_FALSE(stacking.contains("Tokens")) << "a stacking program does not read back";
    EXPECT_FALSE(unique.contains("Tokens")) << "a unique program does not read back";
    EXPECT_FALSE(level.contains("Tokens")) << "a level program does not read back";
}

} // namespace
} // namespace zephyr::pack
