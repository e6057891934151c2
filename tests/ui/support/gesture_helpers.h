#pragma once

#include "ui_fixture.h"

#include "controls/picture_control.h"
#include "engine/calculator.h"
#include "ui/widgets/fixed_line_list_box.h"
#include "ui/widgets/string_grid.h"

#include <QTest>

#include <functional>

namespace zephyr::uitest {

controls::PictureControl* PictureNamed(const StartedProgram& p, const QString& name);

// Mouse gestures on the named controls.
void Press(const StartedProgram& p, const QString& name, Qt::MouseButton button = Qt::LeftButton);
void Click(const StartedProgram& p, const QString& name, Qt::MouseButton button = Qt::LeftButton);

// Opens the entry of an open menu that has children; true when they show.
bool OpenSubmenuEntry(QMenu* menu, const QString& text);

// Opens the picker and walks its menus to the hero or item (catalogue
// numbers); false when an entry is not found.
bool PickHero(const StartedProgram& p, int hero);
// The text of the tooltip on screen, empty when none shows. Read from the
// tooltip window itself: QToolTip's own record of it is lost when a tooltip
// of an earlier test is deleted late.
QString ShownToolTip();
bool PickItem(const StartedProgram& p, int slot, int item);
// Right-clicks a control and chooses an entry of its context menu.
bool ChooseFromContextMenu(const StartedProgram& p, const QString& control, const QString& entry);

// Every value cell of StringGrid1 equals what the reference build shows.
void ExpectGridShows(const StartedProgram& p, const Calculator& reference);

// The first hero and ability (1-4) satisfying a test on a reference
// calculator prepared by `prepare`.
struct HeroAbility {
    int Hero = 0;
    int Ability = 0;
};
HeroAbility FindHeroAbility(const Catalogue& catalogue,
                            const std::function<bool(Calculator&, int hero, int ability)>& test);

// Levels ability `ability` once at the earliest hero level, spending the
// levels before it on the attribute bonus (on both the UI and a reference).
int LevelsBefore(int ability);

QRgb PixelOf(const StartedProgram& p, const QString& name, int x, int y);

} // namespace zephyr::uitest
