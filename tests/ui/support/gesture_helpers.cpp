#include "gesture_helpers.h"

#include "ui/widgets/decimal_separator.h"

#include "engine/stat_format.h"

#include <QAction>
#include <QApplication>
#include <QLabel>

namespace zephyr::uitest {

bool OpenSubmenuEntry(QMenu* menu, const QString& text) {
    if (menu == nullptr) {
        return false;
    }
    for (QAction* action : menu->actions()) {
        if (action->text() == text && action->isVisible()) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            if (OpenPopup() == menu) {
                // A click on an entry with children opens them after the
                // hover delay; the keyboard opens them at once.
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Right);
            }
            return OpenPopup() == action->menu();
        }
    }
    return false;
}

controls::PictureControl* PictureNamed(const StartedProgram& p, const QString& name) {
    return p.Window->findChild<controls::PictureControl*>(name);
}

void Press(const StartedProgram& p, const QString& name, Qt::MouseButton button) {
    QWidget* widget = p.Window->findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name.toStdString();
    QTest::mousePress(widget, button, {}, widget->rect().center());
}

void Click(const StartedProgram& p, const QString& name, Qt::MouseButton button) {
    QWidget* widget = p.Window->findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name.toStdString();
    QTest::mouseClick(widget, button, {}, widget->rect().center());
}

bool PickHero(const StartedProgram& p, int hero) {
    Press(p, QStringLiteral("ImageHero"));
    QMenu* menu = OpenPopup();
    if (menu == nullptr || menu->objectName() != QStringLiteral("PopupMenu2")) {
        return false;
    }
    for (const TavernMenuEntry& tavern : p.W().Catalog().HeroMenu) {
        for (const HeroMenuEntry& entry : tavern.Heroes) {
            if (entry.HeroNumber == hero) {
                return OpenSubmenuEntry(menu, Utf8(tavern.Caption)) &&
                       ClickMenuEntry(OpenPopup(), Utf8(entry.Caption));
            }
        }
    }
    CloseAllPopups();
    return false;
}

bool PickItem(const StartedProgram& p, int slot, int item) {
    const QString name = QStringLiteral("ImageSlot%1").arg(slot);
    Click(p, name);
    QMenu* menu = OpenPopup();
    if (menu == nullptr || menu->objectName() != QStringLiteral("PopupMenu1")) {
        return false;
    }
    for (const ShopMenuEntry& shop : p.W().Catalog().ItemMenu) {
        for (const ItemMenuEntry& entry : shop.Entries) {
            if (entry.ItemNumber == item) {
                return OpenSubmenuEntry(menu, Utf8(shop.Caption)) &&
                       ClickMenuEntry(OpenPopup(), Utf8(entry.Caption));
            }
            for (const ItemMenuEntry& variant : entry.Variants) {
                if (variant.ItemNumber == item) {
                    return OpenSubmenuEntry(menu, Utf8(shop.Caption)) &&
                           OpenSubmenuEntry(OpenPopup(), Utf8(entry.Caption)) &&
                           ClickMenuEntry(OpenPopup(), Utf8(variant.Caption));
                }
            }
        }
    }
    CloseAllPopups();
    return false;
}

bool ChooseFromContextMenu(const StartedProgram& p, const QString& control, const QString& entry) {
    Press(p, control, Qt::RightButton);
    QMenu* menu = OpenPopup();
    const bool chosen = ClickMenuEntry(menu, entry);
    CloseAllPopups();
    return chosen;
}

void ExpectGridShows(const StartedProgram& p, const Calculator& reference) {
    const StatsGrid expected = FormatStatsGrid(reference.Stats(), ui::DecimalSeparator());
    const auto* grid = p.Find<ui::StringGrid>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    for (int row = 0; row < 8; ++row) {
        for (int column = 1; column < 6; column += 2) {
            EXPECT_EQ(
                grid->Cell(column, row),
                Utf8(expected[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]))
                << "cell " << column << "," << row;
        }
    }
}

HeroAbility FindHeroAbility(const Catalogue& catalogue,
                            const std::function<bool(Calculator&, int, int)>& test) {
    for (int hero = 1; hero <= static_cast<int>(catalogue.Heroes.size()); ++hero) {
        for (int ability = 1; ability <= 4; ++ability) {
            Calculator calculator(catalogue);
            calculator.ChooseHero(hero);
            if (test(calculator, hero, ability)) {
                return {hero, ability};
            }
        }
    }
    return {};
}

int LevelsBefore(int ability) {
    return ability == 4 ? 5 : 0;
}

QRgb PixelOf(const StartedProgram& p, const QString& name, int x, int y) {
    const controls::PictureControl* picture = PictureNamed(p, name);
    return picture != nullptr && !picture->Picture().isNull() ? picture->Picture().pixel(x, y) : 0;
}

QString ShownToolTip() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible()) {
            return static_cast<QLabel*>(window)->text();
        }
    }
    return {};
}

} // namespace zephyr::uitest
