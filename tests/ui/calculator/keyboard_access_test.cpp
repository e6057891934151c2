// The panel's drawn controls from the keyboard and to screen readers: Tab and
// the arrows walk them, Enter clicks, the focus shows, and each says what it
// is, what it holds and what it can do.
#include "gesture_helpers.h"

#include "ui/calculator/breakdown_popup.h"
#include "ui/widgets/string_grid.h"

#include "controls/picture_control.h"
#include "engine/build_state.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace zephyr::uitest {
namespace {

// Pixels of the focus frame's colour along a control's top edge.
int FramePixels(QWidget* control, int y = 1) {
    const QImage image = control->grab().toImage();
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += image.pixelColor(x, y) == controls::PictureControl::kFocusFrame ? 1 : 0;
    }
    return count;
}

class KeyboardAccess : public ::testing::Test {
protected:
    void SetUp() override {
        p = StartOn(SamplePackFolder());
        ASSERT_NE(p.Window, nullptr);
        p.W().show();
        p.W().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p.W()));
    }
    void TearDown() override { CloseAllPopups(); }

    QWidget* Control(const QString& name) const { return p.Window->findChild<QWidget*>(name); }
    static QAccessibleInterface* Face(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    static QString Name(QWidget* widget) { return Face(widget)->text(QAccessible::Name); }
    int Level(int ability) const { return AbilityLevel(p.W().Panel()->Calc()->State(), ability); }
    std::string AbilityText(int ability) const {
        const THero* hero = p.W().Catalog().Hero(1);
        return hero->Abilities[static_cast<std::size_t>(ability - 1)].Name;
    }

    StartedProgram p;
};

TEST_F(KeyboardAccess, EveryControlSaysWhatItIsAndHolds) {
    const THero* hero = p.W().Catalog().Hero(1);
    QWidget* portrait = Control(QStringLiteral("ImageHero"));
    EXPECT_EQ(Face(portrait)->role(), QAccessible::Button);
    EXPECT_EQ(Name(portrait), QStringLiteral("Герой: %1, уровень 1").arg(Utf8(hero->Name)));

    QWidget* second = Control(QStringLiteral("ImageAbility2"));
    EXPECT_EQ(Face(second)->role(), QAccessible::Button);
    EXPECT_EQ(Name(second),
              QStringLiteral("Способность 2: %1, уровень 0 из 4").arg(Utf8(AbilityText(2))));
    EXPECT_EQ(Face(second)->text(QAccessible::Description), QStringLiteral("можно повысить"));
    QWidget* ultimate = Control(QStringLiteral("ImageAbility4"));
    EXPECT_TRUE(Name(ultimate).endsWith(QStringLiteral("уровень 0 из 3")));
    EXPECT_EQ(Face(ultimate)->text(QAccessible::Description),
              QStringLiteral("следующий уровень с 6 уровня героя"));
    EXPECT_EQ(Name(Control(QStringLiteral("ImageAbility5"))),
              QStringLiteral("Способность 5: Бонус атрибутов, уровень 0 из 10"));
    EXPECT_EQ(Name(Control(QStringLiteral("ImageSlot3"))), QStringLiteral("Слот 3: пусто"));
    EXPECT_TRUE(Face(Control(QStringLiteral("ImageSlot3")))->state().focusable);

    QAccessibleInterface* order = Face(Control(QStringLiteral("ListBox1")));
    EXPECT_EQ(order->role(), QAccessible::List);
    EXPECT_EQ(Face(Control(QStringLiteral("DynLeftArrow1")))->role(), QAccessible::Button);
    EXPECT_EQ(Name(Control(QStringLiteral("DynLeftArrow1"))), QStringLiteral("Меньше: Параметр 1"));
    EXPECT_EQ(Face(Control(QStringLiteral("ImageAurs1")))->role(), QAccessible::Graphic);
    EXPECT_EQ(Name(Control(QStringLiteral("ImageAurs1"))), QStringLiteral("Аура 1: нет"));
    EXPECT_EQ(Name(Control(QStringLiteral("ImageEx7"))), QStringLiteral("Сбросить все настройки"));
    // The hero block's values with their captions.
    EXPECT_EQ(Name(Control(QStringLiteral("Label11"))),
              QStringLiteral("Сила: ") + p.Find<QLabel>("Label11")->text());
    EXPECT_TRUE(Name(Control(QStringLiteral("Label16"))).startsWith(QStringLiteral("Здоровье: ")));
}

TEST_F(KeyboardAccess, TabAndTheArrowsWalkTheControlsAndEnterClicks) {
    Control(QStringLiteral("ImageHero"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(QStringLiteral("ImageAbility1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), Control(QStringLiteral("ImageAbility2")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), Control(QStringLiteral("ImageAbility5")));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Level(1), 1);
    EXPECT_EQ(Name(Control(QStringLiteral("ImageAbility1"))),
              QStringLiteral("Способность 1: %1, уровень 1 из 4").arg(Utf8(AbilityText(1))));
    EXPECT_TRUE(Name(Control(QStringLiteral("ImageHero"))).endsWith(QStringLiteral("уровень 2")));
    // Space too; the second level waits for the hero's third.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(Level(1), 1);
    EXPECT_EQ(Face(Control(QStringLiteral("ImageAbility1")))->text(QAccessible::Description),
              QStringLiteral("следующий уровень с 3 уровня героя"));

    // The slots follow the abilities in the Tab order.
    Control(QStringLiteral("ImageAbility5"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(QStringLiteral("ImageSlot1")));
}

TEST_F(KeyboardAccess, TheBuildOrderIsAListOfItsLines) {
    Control(QStringLiteral("ImageAbility1"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // Framed when Tab reaches it.
    Control(QStringLiteral("ImageSlot6"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Control(QStringLiteral("ListBox1")));
    EXPECT_GT(FramePixels(Control(QStringLiteral("ListBox1")), 0),
              Control(QStringLiteral("ListBox1"))->width() / 3);
    QAccessibleInterface* order = Face(Control(QStringLiteral("ListBox1")));
    ASSERT_GE(order->childCount(), 1);
    QAccessibleInterface* first = order->child(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->role(), QAccessible::ListItem);
    EXPECT_EQ(first->text(QAccessible::Name), Utf8(AbilityText(1)));
    EXPECT_EQ(first->parent(), order);
    EXPECT_EQ(order->indexOfChild(first), 0);
}

TEST_F(KeyboardAccess, TheStatisticsAreATableWithTheCaptionsAsHeaders) {
    auto* grid = p.Find<ui::StringGrid>("StringGrid1");
    QAccessibleInterface* face = Face(grid);
    EXPECT_EQ(face->role(), QAccessible::Table);
    QAccessibleTableInterface* table = face->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), ui::StringGrid::kRows);
    EXPECT_EQ(table->columnCount(), ui::StringGrid::kColumns);
    QAccessibleInterface* dps = table->cellAt(6, 1);
    ASSERT_NE(dps, nullptr);
    EXPECT_EQ(dps->role(), QAccessible::Cell);
    EXPECT_EQ(dps->text(QAccessible::Name), grid->Cell(1, 6));
    QAccessibleTableCellInterface* cell = dps->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    ASSERT_EQ(cell->rowHeaderCells().size(), 1);
    EXPECT_EQ(cell->rowHeaderCells().front()->role(), QAccessible::RowHeader);
    EXPECT_EQ(cell->rowHeaderCells().front()->text(QAccessible::Name), grid->Cell(0, 6));
    EXPECT_EQ(face->indexOfChild(dps), 6 * ui::StringGrid::kColumns + 1);

    // A level changes the figure the cell reads.
    const QString before = dps->text(QAccessible::Name);
    Control(QStringLiteral("ImageAbility5"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_NE(table->cellAt(6, 1)->text(QAccessible::Name), before);
}

TEST_F(KeyboardAccess, TheHeroBlockFollowsTheTableAndEnterBreaksAValueDown) {
    p.Find<QWidget>("StringGrid1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Control(QStringLiteral("Label7")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    ASSERT_EQ(QApplication::focusWidget(), Control(QStringLiteral("Label9")));
    EXPECT_GT(FramePixels(Control(QStringLiteral("Label9")), 0),
              Control(QStringLiteral("Label9"))->width() / 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto* popup = qobject_cast<ui::BreakdownPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(KeyboardAccess, AScreenReadersPressLevelsAnAbility) {
    QAccessibleInterface* face = Face(Control(QStringLiteral("ImageAbility3")));
    ASSERT_NE(face->actionInterface(), nullptr);
    EXPECT_TRUE(
        face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Level(3), 1);
    EXPECT_TRUE(face->text(QAccessible::Name).endsWith(QStringLiteral("уровень 1 из 4")));
}

TEST_F(KeyboardAccess, TheFocusIsFramedAndTheMouseLeavesNoFrame) {
    auto* ability = p.Window->findChild<controls::PictureControl*>(QStringLiteral("ImageAbility2"));
    Press(p, QStringLiteral("ImageAbility2"));
    EXPECT_NE(QApplication::focusWidget(), ability);
    EXPECT_EQ(FramePixels(ability), 0);

    ability->setFocus(Qt::TabFocusReason);
    EXPECT_GT(FramePixels(ability), ability->width() / 3);
}

TEST_F(KeyboardAccess, TheArrowsWalkTheTableAndEnterBreaksAValueDown) {
    auto* grid = p.Find<ui::StringGrid>("StringGrid1");
    Control(QStringLiteral("ListBox1"))->setFocus(Qt::TabFocusReason);
    // The editors are closed: Tab goes from the build order to the table.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->CurrentCell(), std::pair(1, 0));
    EXPECT_EQ(Face(grid)->text(QAccessible::Description),
              grid->Cell(0, 0) + QLatin1Char(' ') + grid->Cell(1, 0));
    // Down the attack column to the physical DPS; Right to the defence.
    for (int k = 0; k < 6; ++k) {
        QTest::keyClick(grid, Qt::Key_Down);
    }
    EXPECT_EQ(grid->CurrentCell(), std::pair(1, 6));
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->CurrentCell(), std::pair(3, 6));
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->CurrentCell(), std::pair(1, 6));
    EXPECT_EQ(grid->grab().toImage().pixelColor(grid->CellRect(1, 6).topLeft()),
              controls::PictureControl::kFocusFrame);

    QTest::keyClick(grid, Qt::Key_Return);
    auto* popup = qobject_cast<ui::BreakdownPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->Text().contains(QStringLiteral("DPS")) ||
                popup->Text().contains(QStringLiteral("Обычные удары")))
        << popup->Text().toStdString();
    // Esc closes it.
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(KeyboardAccess, TheHeroMenuFindsByTypingAndEnterChooses) {
    // The last hero, found by the initials of its name.
    const THero& last = p.W().Catalog().Heroes.back();
    const QString name = Utf8(last.Name);
    QString initials;
    for (const QString& word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        initials += word.front().toLower();
    }
    Control(QStringLiteral("ImageHero"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->objectName(), QStringLiteral("PopupMenu2"));
    QTest::keyClicks(menu, name.left(4));
    QStringList shown;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible()) {
            shown << action->text();
        }
    }
    EXPECT_EQ(shown.front(), QStringLiteral("Поиск: ") + name.left(4));
    EXPECT_TRUE(shown.contains(name)) << shown.join(QLatin1Char('|')).toStdString();
    QTest::keyClick(menu, Qt::Key_Escape); // the text first
    QTest::keyClicks(menu, initials);
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_EQ(menu->activeAction()->text(), name);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(p.W().Panel()->Calc()->State().CurrentHero,
              static_cast<int>(p.W().Catalog().Heroes.size()));
}

} // namespace
} // namespace zephyr::uitest
