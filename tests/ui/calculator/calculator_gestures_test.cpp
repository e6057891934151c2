#include "gesture_helpers.h"

#include "ui/calculator/build_code_refusal.h"
#include "ui/widgets/cell_list.h"

#include "engine/build_code.h"
#include "engine/build_order_list.h"
#include "engine/screen_texts.h"
#include "pack_builder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace zephyr::uitest {
namespace {

// Clicks ability pictures on the UI and the reference alike until `ability`
// has taken one more level; the levels it cannot take yet go to the other
// abilities.
void LevelOnce(const StartedProgram& p, Calculator& reference, int ability) {
    for (int guard = 0; guard < 25 && !reference.CanLevel(ability); ++guard) {
        for (int other : {1, 2, 3, 5, 4}) {
            if (other != ability && reference.CanLevel(other)) {
                Press(p, QStringLiteral("ImageAbility%1").arg(other));
                reference.LevelUp(other);
                break;
            }
        }
    }
    ASSERT_TRUE(reference.CanLevel(ability));
    Press(p, QStringLiteral("ImageAbility%1").arg(ability));
    reference.LevelUp(ability);
}

int FirstPlainItem(const Catalogue& catalogue, int skip = 0) {
    for (const ShopMenuEntry& shop : catalogue.ItemMenu) {
        for (const ItemMenuEntry& entry : shop.Entries) {
            const TItem* item = catalogue.Item(entry.ItemNumber);
            if (!entry.IsGroup() && item != nullptr && !item->OnePerHero && skip-- == 0) {
                return entry.ItemNumber;
            }
        }
    }
    return 0;
}

int FirstActivatableItem(const Catalogue& catalogue) {
    for (const ShopMenuEntry& shop : catalogue.ItemMenu) {
        for (const ItemMenuEntry& entry : shop.Entries) {
            const TItem* item = catalogue.Item(entry.ItemNumber);
            if (!entry.IsGroup() && item != nullptr && item->Activatable && !item->OnePerHero) {
                return entry.ItemNumber;
            }
        }
    }
    return 0;
}

QStringList ListLines(const StartedProgram& p) {
    return p.Find<ui::FixedLineListBox>("ListBox1")->Lines();
}

QImage Design(const StartedProgram& p, const char* stored) {
    return ui::LoadInterfacePicture(zephyr::testing::PackBuilder::LocationOf(SyntheticPackFolder()),
                                    stored);
    (void)p;
}

class Gestures : public ::testing::Test {
protected:
    void SetUp() override {
        p = StartOn(SyntheticPackFolder());
        ASSERT_NE(p.Window, nullptr);
        reference = std::make_unique<Calculator>(p.W().Catalog());
        reference->ChooseHero(1);
    }
    void TearDown() override { CloseAllPopups(); }

    // Picks a hero with an ability that is switched on, in the program and
    // the reference; the ability's number, 0 when the pack has none.
    int PickHeroWithSwitchedAbility() {
        const HeroAbility found = FindHeroAbility(p.W().Catalog(), [](Calculator& c, int, int a) {
            const TAbility& ability = c.Catalog().Hero(c.State().CurrentHero)->Abilities[a - 1];
            return ability.NeedsActive && ability.HasData;
        });
        if (found.Hero == 0 || !PickHero(p, found.Hero)) {
            return 0;
        }
        reference->ChooseHero(found.Hero);
        return found.Ability;
    }

    StartedProgram p;
    std::unique_ptr<Calculator> reference;
};

TEST_F(Gestures, ChoosingAHeroFromThePickerShowsItAndResetsTheBuild) {
    LevelOnce(p, *reference, 1);
    const int hero = static_cast<int>(p.W().Catalog().Heroes.size());
    ASSERT_TRUE(PickHero(p, hero));
    reference->ChooseHero(hero);
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_EQ(p.Find<QLabel>("Label3")->text(), Utf8(p.W().Catalog().Hero(hero)->Name));
    EXPECT_EQ(p.Find<QLabel>("Label2")->text(), QStringLiteral("- 1 lvl -"));
    EXPECT_TRUE(ListLines(p).isEmpty());
    const QImage portrait = ui::ToQImage(p.W().Catalog().Heroes64.Images.at(hero - 1));
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageHero"), 32, 20), portrait.pixel(32, 20));
    ExpectGridShows(p, *reference);
}

TEST_F(Gestures, HeroPickerEntriesHaveTheMeasuredHeights) {
    Press(p, QStringLiteral("ImageHero"));
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    ASSERT_FALSE(menu->actions().isEmpty());
    QAction* tavern = menu->actions().first();
    EXPECT_EQ(menu->actionGeometry(tavern).height(), 19);
    QMenu* heroes = tavern->menu();
    ASSERT_NE(heroes, nullptr);
    heroes->adjustSize();
    EXPECT_EQ(heroes->actionGeometry(heroes->actions().first()).height(), 35);
}

// Each entry is wide enough for its text where it is drawn, the submenu
// arrow after a tavern's name, and a margin before the menu's right edge.
TEST_F(Gestures, MenuEntriesLeaveRoomForTheArrowAndAMargin) {
    const auto roomy = [](QMenu* menu, int textLeft, int after) {
        menu->adjustSize();
        const QFontMetrics metrics(menu->font());
        for (QAction* action : menu->actions()) {
            if (!action->isVisible() || action->isSeparator()) {
                continue;
            }
            const int needed = textLeft + metrics.horizontalAdvance(action->text()) + after;
            EXPECT_GE(menu->actionGeometry(action).width(), needed) << action->text().toStdString();
        }
    };
    Press(p, QStringLiteral("ImageHero"));
    QMenu* taverns = OpenPopup();
    ASSERT_NE(taverns, nullptr);
    roomy(taverns, 6, 14 + 8);
    ASSERT_NE(taverns->actions().first()->menu(), nullptr);
    roomy(taverns->actions().first()->menu(), 38, 8);
    CloseAllPopups();

    const int ability = PickHeroWithSwitchedAbility();
    ASSERT_NE(ability, 0);
    LevelOnce(p, *reference, ability);
    const QString picture = QStringLiteral("ImageAbility%1").arg(ability);
    for (const char* entry : {"Активировать", "Деактивировать"}) {
        Press(p, picture, Qt::RightButton);
        QMenu* menu = OpenPopup();
        ASSERT_NE(menu, nullptr);
        roomy(menu, 22, 8);
        ASSERT_TRUE(ClickMenuEntry(menu, QString::fromUtf8(entry)));
    }
}

TEST_F(Gestures, PlacingAnItemDrawsItsIconAndAddsItsLine) {
    const int item = FirstPlainItem(p.W().Catalog());
    ASSERT_NE(item, 0);
    ASSERT_TRUE(PickItem(p, 3, item));
    reference->PlaceItem(3, item);
    EXPECT_EQ(OpenPopup(), nullptr);
    const TItem* record = p.W().Catalog().Item(item);
    EXPECT_EQ(ListLines(p), QStringList{Utf8(ItemLineText(record->Name))});
    const QImage icon =
        ui::ToQImage(p.W().Catalog().Shops.Images.at(reference->State().ItemSlots[2].IconIndex));
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageSlot3"), 18, 18), icon.pixel(18, 18));
    EXPECT_EQ(p.W().Panel()->Calc()->State().ItemSlots[2].ItemNumber, item);
    ExpectGridShows(p, *reference);
}

TEST_F(Gestures, ClickingAFilledSlotRemovesTheItem) {
    const QRgb empty = PixelOf(p, QStringLiteral("ImageSlot3"), 18, 18);
    const int item = FirstPlainItem(p.W().Catalog());
    ASSERT_TRUE(PickItem(p, 3, item));
    LevelOnce(p, *reference, 1);
    reference->PlaceItem(3, item);
    ASSERT_EQ(ListLines(p).size(), 2);
    Click(p, QStringLiteral("ImageSlot3"));
    reference->RemoveItem(3);
    EXPECT_EQ(OpenPopup(), nullptr); // a filled slot opens no picker
    EXPECT_EQ(p.W().Panel()->Calc()->State().ItemSlots[2].ItemNumber, 0);
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageSlot3"), 18, 18), empty);
    EXPECT_EQ(ListLines(p).size(), 1); // the ability line stays
    ExpectGridShows(p, *reference);
}

TEST_F(Gestures, DraggingAnItemLineReordersTheBuild) {
    LevelOnce(p, *reference, 1);
    const int first = FirstPlainItem(p.W().Catalog());
    const int second = FirstPlainItem(p.W().Catalog(), 1);
    ASSERT_TRUE(PickItem(p, 1, first));
    ASSERT_TRUE(PickItem(p, 2, second));
    reference->PlaceItem(1, first);
    reference->PlaceItem(2, second);
    auto* list = p.Find<ui::FixedLineListBox>("ListBox1");
    const QStringList before = list->Lines();
    ASSERT_EQ(before.size(), 3);

    // An ability line does not move.
    QTest::mousePress(list, Qt::LeftButton, {}, list->LineRect(0).center());
    QTest::mouseRelease(list, Qt::LeftButton, {}, list->LineRect(2).center());
    EXPECT_EQ(list->Lines(), before);

    QTest::mousePress(list, Qt::LeftButton, {}, list->LineRect(2).center());
    QTest::mouseMove(list, list->LineRect(1).center());
    QTest::mouseRelease(list, Qt::LeftButton, {}, list->LineRect(0).center());
    reference->MoveBuildOrderLine(2, 0);
    EXPECT_EQ(list->Lines(), (QStringList{before[2], before[0], before[1]}));
    EXPECT_EQ(list->Selected(), -1);
    EXPECT_EQ(p.W().Panel()->Calc()->State().BuildOrder, reference->State().BuildOrder);
    ExpectGridShows(p, *reference);

    // Dropped below the last line: nothing moves.
    QTest::mousePress(list, Qt::LeftButton, {}, list->LineRect(0).center());
    QTest::mouseRelease(list, Qt::LeftButton, {}, list->LineRect(20).center());
    EXPECT_EQ(list->Lines(), (QStringList{before[2], before[0], before[1]}));
}

TEST_F(Gestures, LevellingAnAbilityDrawsItsBadgeAndDimsIt) {
    const QRgb fresh = PixelOf(p, QStringLiteral("ImageAbility1"), 10, 10);
    Press(p, QStringLiteral("ImageAbility1"));
    reference->LevelUp(1);
    const TAbility& ability = p.W().Catalog().Heroes[0].Abilities[0];
    EXPECT_EQ(ListLines(p), QStringList{Utf8(ability.Name)});
    EXPECT_EQ(p.Find<QLabel>("Label2")->text(), QStringLiteral("- 1 lvl -"));
    // Level 1 at hero level 1: the next level must wait, so it is blended.
    EXPECT_NE(PixelOf(p, QStringLiteral("ImageAbility1"), 10, 10), fresh);
    const QImage levels = Design(p, "Data\\images\\design\\Levels.bmp");
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageAbility1"), 51, 51), levels.pixel(10, 10));

    Press(p, QStringLiteral("ImageAbility1")); // refused
    EXPECT_EQ(ListLines(p).size(), 1);
    Press(p, QStringLiteral("ImageAbility2"));
    reference->LevelUp(2);
    EXPECT_EQ(p.Find<QLabel>("Label2")->text(), QStringLiteral("- 2 lvl -"));
    // Ability 1 may take its second level now and is drawn plainly again.
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageAbility1"), 10, 10), fresh);
    ExpectGridShows(p, *reference);

    Press(p, QStringLiteral("ImageAbility1"), Qt::MiddleButton); // only the left button levels
    EXPECT_EQ(ListLines(p).size(), 2);
}

TEST_F(Gestures, LevelDownRemovesTheLastAbilityLine) {
    Press(p, QStringLiteral("ImageAbility1"));
    Press(p, QStringLiteral("ImageAbility2"));
    const int item = FirstPlainItem(p.W().Catalog());
    ASSERT_TRUE(PickItem(p, 1, item));
    reference->LevelUp(1);
    reference->LevelUp(2);
    reference->PlaceItem(1, item);
    Press(p, QStringLiteral("ImageEx8"));
    reference->LevelDown();
    EXPECT_EQ(ListLines(p).size(), 2);
    EXPECT_EQ(ListLines(p).last(), Utf8(ItemLineText(p.W().Catalog().Item(item)->Name)));
    EXPECT_EQ(p.Find<QLabel>("Label2")->text(), QStringLiteral("- 1 lvl -"));
    ExpectGridShows(p, *reference);
}

TEST_F(Gestures, ResetClearsLevelsAndItems) {
    Press(p, QStringLiteral("ImageAbility1"));
    ASSERT_TRUE(PickItem(p, 4, FirstPlainItem(p.W().Catalog())));
    const QRgb emptySlot = PixelOf(p, QStringLiteral("ImageSlot1"), 18, 18);
    Press(p, QStringLiteral("ImageEx7"));
    EXPECT_TRUE(ListLines(p).isEmpty());
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageSlot4"), 18, 18), emptySlot);
    EXPECT_EQ(p.W().Panel()->Calc()->State().HeroLevel, 0);
    ExpectGridShows(p, *reference);
}

TEST_F(Gestures, ActivatingAnAbilityLightsItsGoldFrame) {
    const int ability = PickHeroWithSwitchedAbility();
    ASSERT_NE(ability, 0);
    const QString picture = QStringLiteral("ImageAbility%1").arg(ability);

    // At level 0 the menu offers nothing.
    Press(p, picture, Qt::RightButton);
    EXPECT_EQ(OpenPopup(), nullptr);

    LevelOnce(p, *reference, ability);
    const QImage gold = Design(p, "Data\\images\\design\\gold_border64.bmp");
    const QImage bronze = Design(p, "Data\\images\\design\\bronze_border64.bmp");
    EXPECT_EQ(PixelOf(p, picture, 1, 1), bronze.pixel(1, 1));
    ASSERT_TRUE(ChooseFromContextMenu(p, picture, QStringLiteral("Активировать")));
    reference->ToggleAbility(ability);
    EXPECT_TRUE(p.W().Panel()->Calc()->State().AbilityActive[ability - 1]);
    EXPECT_EQ(PixelOf(p, picture, 1, 1), gold.pixel(1, 1));
    ExpectGridShows(p, *reference);

    ASSERT_TRUE(ChooseFromContextMenu(p, picture, QStringLiteral("Деактивировать")));
    reference->ToggleAbility(ability);
    EXPECT_EQ(PixelOf(p, picture, 1, 1), bronze.pixel(1, 1));
    ExpectGridShows(p, *reference);
}

TEST_F(Gestures, ConfigureOpensTheParameterEditors) {
    const HeroAbility found = FindHeroAbility(p.W().Catalog(), [](Calculator& c, int, int a) {
        for (int guard = 0; guard < 25 && !c.CanLevel(a); ++guard) {
            for (int other : {1, 2, 3, 5}) {
                if (other != a && c.CanLevel(other)) {
                    c.LevelUp(other);
                    break;
                }
            }
        }
        return c.LevelUp(a) && c.AbilityMenu(a).ConfigureVisible;
    });
    ASSERT_NE(found.Hero, 0) << "the pack has no ability configured without activation";
    ASSERT_TRUE(PickHero(p, found.Hero));
    reference->ChooseHero(found.Hero);
    LevelOnce(p, *reference, found.Ability);
    // Closed editors look closed: faded arrows, a darker field.
    const auto brightness = [](const QImage& image) {
        long long sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                sum += c.red() + c.green() + c.blue();
            }
        }
        return sum;
    };
    const auto look = [this](const char* name) { return p.Find<QWidget>(name)->grab().toImage(); };
    const long long closedArrow = brightness(look("DynLeftArrow1"));
    const QColor closedField = look("DynEdit1").pixelColor(1, 1);
    ASSERT_TRUE(ChooseFromContextMenu(p, QStringLiteral("ImageAbility%1").arg(found.Ability),
                                      QStringLiteral("Настроить")));
    reference->ConfigureAbility(found.Ability);
    EXPECT_TRUE(p.Find<QLineEdit>("DynEdit1")->isEnabled());
    EXPECT_GT(brightness(look("DynLeftArrow1")), closedArrow * 2);
    EXPECT_GT(look("DynEdit1").pixelColor(1, 1).lightness(), closedField.lightness());
    EXPECT_EQ(p.Find<QLabel>("DynLabel1")->text(), Utf8(reference->Editor(1).Label));
    EXPECT_EQ(p.Find<QLineEdit>("DynEdit1")->text(), Utf8(reference->Editor(1).Text));
}

TEST_F(Gestures, ActivatingASlotItemLightsBothCopies) {
    const int item = FirstActivatableItem(p.W().Catalog());
    ASSERT_NE(item, 0);
    ASSERT_TRUE(PickItem(p, 1, item));
    ASSERT_TRUE(PickItem(p, 2, item));
    reference->PlaceItem(1, item);
    reference->PlaceItem(2, item);
    const QImage gold = Design(p, "Data\\images\\design\\gold_border36.bmp");
    const QImage bronze = Design(p, "Data\\images\\design\\bronze_border36.bmp");
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageSlot2"), 1, 1), bronze.pixel(1, 1));

    // An empty slot has no menu.
    Press(p, QStringLiteral("ImageSlot5"), Qt::RightButton);
    EXPECT_EQ(OpenPopup(), nullptr);

    QMenu* menu = nullptr;
    Press(p, QStringLiteral("ImageSlot1"), Qt::RightButton);
    menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actionGeometry(menu->actions().first()).height(), 19);
    ASSERT_TRUE(ClickMenuEntry(menu, QStringLiteral("Активировать")));
    reference->ToggleSlot(1);
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageSlot1"), 1, 1), gold.pixel(1, 1));
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageSlot2"), 1, 1), gold.pixel(1, 1));
    ExpectGridShows(p, *reference);

    ASSERT_TRUE(
        ChooseFromContextMenu(p, QStringLiteral("ImageSlot2"), QStringLiteral("Деактивировать")));
    reference->ToggleSlot(2);
    EXPECT_EQ(PixelOf(p, QStringLiteral("ImageSlot1"), 1, 1), bronze.pixel(1, 1));
    ExpectGridShows(p, *reference);
}

// A hero whose ability opens number editors when switched on.
HeroAbility AbilityWithNumberEditor(const Catalogue& catalogue) {
    return FindHeroAbility(catalogue, [](Calculator& c, int, int a) {
        for (int guard = 0; guard < 25 && !c.CanLevel(a); ++guard) {
            for (int other : {1, 2, 3, 5}) {
                if (other != a && c.CanLevel(other)) {
                    c.LevelUp(other);
                    break;
                }
            }
        }
        if (!c.LevelUp(a) || !c.ToggleAbility(a)) {
            return false;
        }
        const AbilityParam& param = c.State().AbilityParams[a - 1][0];
        return c.Editor(1).Enabled && param.Kind == 0 && param.Max > param.Min;
    });
}

class Editors : public Gestures {
protected:
    void SetUp() override {
        Gestures::SetUp();
        found = AbilityWithNumberEditor(p.W().Catalog());
        ASSERT_NE(found.Hero, 0);
        ASSERT_TRUE(PickHero(p, found.Hero));
        reference->ChooseHero(found.Hero);
        LevelOnce(p, *reference, found.Ability);
        ASSERT_TRUE(ChooseFromContextMenu(p, QStringLiteral("ImageAbility%1").arg(found.Ability),
                                          QStringLiteral("Активировать")));
        reference->ToggleAbility(found.Ability);
        edit = p.Find<QLineEdit>("DynEdit1");
        ASSERT_NE(edit, nullptr);
    }
    HeroAbility found;
    QLineEdit* edit = nullptr;
};

TEST_F(Editors, SwitchingOnOpensTheEditors) {
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(p.Find<QWidget>("DynLeftArrow1")->isEnabled());
    EXPECT_TRUE(p.Find<QWidget>("DynRightArrow1")->isEnabled());
    EXPECT_EQ(edit->text(), Utf8(reference->Editor(1).Text));
    EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(p.Find<QLabel>("DynLabel1")->text(), Utf8(reference->Editor(1).Label));

    ASSERT_TRUE(ChooseFromContextMenu(p, QStringLiteral("ImageAbility%1").arg(found.Ability),
                                      QStringLiteral("Деактивировать")));
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_FALSE(p.Find<QWidget>("DynRightArrow1")->isEnabled());
}

TEST_F(Editors, ArrowsStepTheValue) {
    Press(p, QStringLiteral("DynRightArrow1"));
    reference->EditorArrow(1, true);
    EXPECT_EQ(edit->text(), Utf8(reference->Editor(1).Text));
    ExpectGridShows(p, *reference);
    Press(p, QStringLiteral("DynLeftArrow1"));
    Press(p, QStringLiteral("DynLeftArrow1"));
    reference->EditorArrow(1, false);
    reference->EditorArrow(1, false);
    EXPECT_EQ(edit->text(), Utf8(reference->Editor(1).Text));
    ExpectGridShows(p, *reference);
}

TEST_F(Editors, TypingIsFilteredAndClampedWhenTheFieldIsLeft) {
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_TRUE(edit->text().isEmpty()); // entering a number field empties it
    QTest::keyClicks(edit, QStringLiteral("9x9"));
    EXPECT_EQ(edit->text(), QStringLiteral("99"));
    Press(p, QStringLiteral("ImageAttack")); // the click gate ends the editing
    EXPECT_FALSE(edit->hasFocus());
    reference->TypeIntoEditor(1, "99");
    const AbilityParam& param = reference->State().AbilityParams[found.Ability - 1][0];
    EXPECT_EQ(edit->text(), QStringLiteral("%1 из %2").arg(param.Max).arg(param.Max));
    ExpectGridShows(p, *reference);
}

TEST_F(Editors, EnterEndsTheEditingAndAnEmptyTextKeepsTheValue) {
    const QString before = edit->text();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_Minus);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(edit->text(), before);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("0"));
    QTest::keyClick(edit, Qt::Key_Enter);
    reference->TypeIntoEditor(1, "0");
    EXPECT_EQ(edit->text(), Utf8(reference->Editor(1).Text));
    ExpectGridShows(p, *reference);
}

TEST(Screenshots, LevelledHeroWithSixItemsAndAnActivatedAbility) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    Calculator reference(p.W().Catalog());
    const HeroAbility found = AbilityWithNumberEditor(p.W().Catalog());
    ASSERT_NE(found.Hero, 0);
    ASSERT_TRUE(PickHero(p, found.Hero));
    reference.ChooseHero(found.Hero);
    for (int level = 0; level < 12; ++level) {
        for (int ability : {4, 1, 2, 3, 5}) {
            if (reference.CanLevel(ability)) {
                Press(p, QStringLiteral("ImageAbility%1").arg(ability));
                reference.LevelUp(ability);
                break;
            }
        }
    }
    EXPECT_EQ(p.Find<QLabel>("Label2")->text(), QStringLiteral("- 12 lvl -"));
    for (int slot = 1; slot <= 6; ++slot) {
        ASSERT_TRUE(PickItem(p, slot, FirstPlainItem(p.W().Catalog(), slot - 1)));
    }
    EXPECT_EQ(p.Find<ui::FixedLineListBox>("ListBox1")->Count(), reference.State().HeroLevel + 6);
    EXPECT_TRUE(p.W().grab().save(
        QString::fromStdString((ScreenshotFolder() / "levelled_six_items.png").string())));

    Calculator second(p.W().Catalog());
    second.ChooseHero(found.Hero);
    Press(p, QStringLiteral("ImageEx7"));
    LevelOnce(p, second, found.Ability);
    ASSERT_TRUE(ChooseFromContextMenu(p, QStringLiteral("ImageAbility%1").arg(found.Ability),
                                      QStringLiteral("Активировать")));
    EXPECT_TRUE(p.Find<QLineEdit>("DynEdit1")->isEnabled());
    EXPECT_TRUE(p.W().grab().save(
        QString::fromStdString((ScreenshotFolder() / "activated_ability.png").string())));
}

// Ctrl+C (or the portrait's menu) puts the build on the clipboard as a code;
// Ctrl+V rebuilds it from there through the same gestures; a foreign code is
// refused with a message and changes nothing.
TEST_F(Gestures, BuildCodesCopyAndPasteTheBuild) {
    const int ability = PickHeroWithSwitchedAbility();
    ASSERT_NE(ability, 0);
    LevelOnce(p, *reference, ability);
    const int item = FirstPlainItem(p.W().Catalog());
    ASSERT_TRUE(PickItem(p, 3, item));
    reference->PlaceItem(3, item);
    ASSERT_TRUE(ChooseFromContextMenu(p, QStringLiteral("ImageAbility%1").arg(ability),
                                      QStringLiteral("Активировать")));
    reference->ToggleAbility(ability);
    ui::CalculatorPanel* panel = p.W().Panel();
    const BuildState built = panel->Calc()->State();
    ASSERT_EQ(built, reference->State());

    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_C, Qt::ControlModifier);
    const QString code = QGuiApplication::clipboard()->text();
    ASSERT_TRUE(code.startsWith(QStringLiteral("ZX"))) << code.toStdString();
    EXPECT_EQ(code, panel->BuildCode());

    Press(p, QStringLiteral("ImageEx7")); // reset
    ASSERT_NE(panel->Calc()->State(), built);
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(panel->Calc()->State(), built);
    ExpectGridShows(p, *reference);
    // The pasted build copies to the same code again.
    EXPECT_EQ(panel->BuildCode(), code);

    // The portrait's context menu does the same.
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(
        ChooseFromContextMenu(p, QStringLiteral("ImageHero"), QStringLiteral("Копировать сборку")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), code);
    Press(p, QStringLiteral("ImageEx7"));
    ASSERT_TRUE(
        ChooseFromContextMenu(p, QStringLiteral("ImageHero"), QStringLiteral("Вставить сборку")));
    EXPECT_EQ(panel->Calc()->State(), built);

    // Each paste says in the panel's note what came of it; no dialog.
    const QLabel* note = p.Find<QLabel>("TransientNote");
    ASSERT_NE(note, nullptr);
    const qsizetype messages = p.Messages->size();
    QStringList said;
    const auto paste = [&](const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(panel, Qt::Key_V, Qt::ControlModifier);
        EXPECT_FALSE(note->isHidden());
        said << note->text();
    };
    paste(QStringLiteral("https://example.org/not-a-build"));
    EXPECT_EQ(panel->Calc()->State(), built);
    EXPECT_EQ(said.back(),
              QStringLiteral("Сборку не удалось вставить: это не код сборки Zephyrdex (он "
                             "начинается с «ZX»)."));
    // The build already shown changes nothing, and says so.
    paste(code);
    EXPECT_EQ(said.back(), QStringLiteral("Эта сборка уже открыта: ничего не изменилось"));

    // Every refusal is worded in Russian; only the program's name, the
    // code's start and the names a code holds are Latin.
    QString damaged = code;
    damaged[4] = damaged[4] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    const QString strangers = QString::fromLatin1(EncodeBuildCode({"Nobody", {}}).c_str());
    const QString lostItem =
        QString::fromLatin1(EncodeBuildCode({reference->Catalog().Hero(1)->Name,
                                             {{GestureKind::Place, 1, 0, "Nothing Of The Kind"}}})
                                .c_str());
    for (const QString& bad :
         {damaged, code.left(code.size() - 3), code + QStringLiteral("!"), strangers, lostItem}) {
        paste(bad);
        EXPECT_EQ(panel->Calc()->State(), built);
        QString text = said.back();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Сборку не удалось вставить: ")));
        text.remove(QStringLiteral("Zephyrdex"))
            .remove(QStringLiteral("ZX"))
            .remove(QStringLiteral("«Nobody»"))
            .remove(QStringLiteral("«Nothing Of The Kind»"));
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << said.back().toStdString();
    }
    EXPECT_TRUE(said.at(2).endsWith(QStringLiteral("контрольная сумма.")));
    EXPECT_TRUE(said.at(5).contains(QStringLiteral("нет героя «Nobody»")));
    EXPECT_EQ(p.Messages->size(), messages);
}

// Every refusal a code can meet has words of its own in the window.
TEST(BuildCodeRefusals, EveryFaultIsWordedInRussian) {
    QStringList texts;
    for (int fault = 0; fault <= static_cast<int>(BuildCodeFault::NameTooLong); ++fault) {
        QString text = ui::BuildCodeRefusal(
            BuildCodeError(static_cast<BuildCodeFault>(fault), "in English", 2));
        EXPECT_FALSE(text.isEmpty()) << fault;
        EXPECT_FALSE(texts.contains(text)) << fault;
        texts << text;
        text.remove(QStringLiteral("Zephyrdex")).remove(QStringLiteral("ZX"));
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << texts.back().toStdString();
    }
    EXPECT_EQ(texts[static_cast<int>(BuildCodeFault::OtherVersion)],
              QStringLiteral("код сборки версии 2, а программа читает версию 1"));
}

// The build-order list keeps its 11-pixel lines in a face whose lowercase
// letters are tall enough to keep "rn" apart from "m".
TEST_F(Gestures, TheBuildOrderListStaysLegible) {
    auto* list = p.Find<ui::FixedLineListBox>("ListBox1");
    const QFontMetrics metrics = list->fontMetrics();
    EXPECT_LE(metrics.height(), ui::FixedLineListBox::kLineHeight);
    EXPECT_GE(metrics.xHeight(), 6);
}

// Ctrl+Z takes gestures back one at a time, choosing a hero included, and
// Ctrl+Y (or Ctrl+Shift+Z) makes them again: the state, the grid and the
// lists are those of each step.
TEST_F(Gestures, UndoAndRedoWalkTheGestures) {
    ui::CalculatorPanel* panel = p.W().Panel();
    const auto now = [panel] { return panel->Calc()->State(); };
    std::vector<BuildState> steps{now()};
    std::vector<QStringList> lines{ListLines(p)};
    const auto step = [&] {
        steps.push_back(now());
        lines.push_back(ListLines(p));
    };
    Press(p, QStringLiteral("ImageAbility1"));
    step();
    ASSERT_TRUE(PickItem(p, 2, FirstPlainItem(p.W().Catalog())));
    step();
    Press(p, QStringLiteral("ImageAbility2"));
    step();
    ASSERT_TRUE(PickHero(p, 2));
    step();
    Press(p, QStringLiteral("ImageAbility1"));
    step();
    ASSERT_EQ(steps.size(), 6u);
    for (std::size_t k = 1; k < steps.size(); ++k) {
        ASSERT_NE(steps[k], steps[k - 1]) << "step " << k << " changed nothing";
    }

    panel->setFocus();
    for (std::size_t k = steps.size() - 1; k-- > 0;) {
        QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(now(), steps[k]) << "undo to step " << k;
        EXPECT_EQ(ListLines(p), lines[k]) << "undo to step " << k;
    }
    EXPECT_FALSE(panel->Undo()); // the first hero's fresh build is the start
    for (std::size_t k = 1; k < steps.size(); ++k) {
        QTest::keyClick(panel, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(now(), steps[k]) << "redo to step " << k;
    }
    EXPECT_FALSE(panel->Redo());
    QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(now(), steps.back());

    // A new gesture after an undo forgets what could have been made again.
    QTest::keyClick(panel, Qt::Key_Z, Qt::ControlModifier);
    Press(p, QStringLiteral("ImageAbility3"));
    EXPECT_FALSE(panel->Redo());
}

} // namespace
} // namespace zephyr::uitest
