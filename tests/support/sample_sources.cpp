#include "sample_sources.h"

#include "temp_folder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zephyr::testing {

void WriteSampleSources(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    WriteFile(folder / "heroes/01-lodge.zds", R"(tavern: Sunrise Lodge

hero: Ashen Warden
  attack: melee  # or ranged
  primary: strength
  strength: 22 + 2.7
  agility: 15 + 1.5
  intelligence: 14 + 1.6
  damage: 24 - 30
  armor: 1.5
  hp regen: 0.25
  mana regen: 0.01
  attack time: 1.7
  move speed: 300
  range: 128

  ability: Ember Cleave
    params: Stacks
    learn aura: Command
    level 1:
      NumberParam(0, 5, 3)
      Damage(P1 * 10 + STR / 4)
      AttackSpeed(15)
    level 2:
      Bash(10, 40, 0)
  ability: Blazing Banner
    needs active: yes
    linked item: Ring - Small
    active aura: Haste
    level 1:
      orb: Cinder Darts
      Crit(20, 2)
  ability: Quiet
  ability: Inferno
    attack type: ranged
    level 1:
      Shield(STR * 10, 300)
)");
    WriteFile(folder / "items/01-armory.zds", R"(shop: Armory
  picture: gif
  colour: #b5562a

item: Cinder Blade
  cost: 900
  passive auras: Command, Haste
  stacking:
    Damage(18)
  unique:
    LateDamage(10)

item: Ring >> Small
  cost: 300
  activatable: yes
  active auras: Haste
  orb: Chill
item: Ring >> Large
  cost: 600
)");
    WriteFile(folder / "auras.zds", R"(aura: Command
  group: 1
  melee damage: 10
  armor: 2.5
aura: Haste
  group: 2
  attack speed: 10
  mana regen: 0.5
)");
    WriteFile(folder / "orbs.zds", R"(category: Frost
category: Venom
ability orb: Cinder Darts
melee: Frost, Frost = 1
melee: Venom, Frost = 1
melee: Venom, Venom = 5
ranged: Frost, Frost = 1
ranged: Frost, Venom = 1
ranged: Venom, Venom = 2
ability: Cinder Darts, Frost = 6
ability: Cinder Darts, Venom = 3
item orb: Chill
  category: Frost
  chance: 100
)");
    WriteFile(folder / "dictionary/01-slang.zds", R"(entry:
  category: slang
  terms: gank | ганк
  definition: <b>Ганк</b> — внезапное нападение.
  link: Пепельный страж -> calc_AshenWarden
  link: Статья -> articles/ambush.html
entry:
  category: heroes
  terms: Ashen Warden | Пепельный страж
  definition: Герой таверны \
    Sunrise Lodge.
)");
    WriteFile(folder / "ticker.txt", "Первый совет\nВторой совет\n");
    for (const char* name :
         {"guide_heroes", "guide_items", "guide_creeps", "articles", "formulas", "about", "help"}) {
        WriteFile(folder / "documents" / (std::string(name) + ".html"),
                  std::string("<!-- title: ") + name + " -->\n<h1>" + name +
                      "</h1>\n<!-- heroes --><!-- items --><!-- articles -->\n");
    }
    WriteFile(folder / "documents/articles/ambush.html",
              "<!-- title: Засады -->\n<p>Текст статьи.</p>\n");
}

void ReplaceInFile(const std::filesystem::path& path, const std::string& from,
                   const std::string& to) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t at = text.find(from);
    if (at == std::string::npos) {
        throw std::runtime_error("\"" + from + "\" is not in " + path.string());
    }
    text.replace(at, from.size(), to);
    WriteFile(path, text);
}

} // namespace zephyr::testing
