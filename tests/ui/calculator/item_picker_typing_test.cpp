#include "gesture_helpers.h"

#include "ui/calculator/calculator_panel.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolTip>

namespace zephyr::uitest {
namespace {

const QString kWayfarers = QStringLiteral("Wayfarer's Market");
const QString kCharged = QStringLiteral("Stormglass Rod - Charged");
const QString kOvercharged = QStringLiteral("Stormglass Rod - Overcharged");

QString Typed(const char* text) {
    return QStringLiteral("Поиск: ") + QString::fromUtf8(text);
}

// The entries a menu shows, in order.
QStringList Shown(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible()) {
            texts << action->text();
        }
    }
    return texts;
}

QAction* EntryNamed(const QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->isVisible() && action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

class ItemPickerTyping : public ::testing::Test {
protected:
    void SetUp() override {
        p = StartOn(SamplePackFolder());
        ASSERT_NE(p.Window, nullptr);
        panel = p.W().Panel();
        ASSERT_NE(panel->Calc(), nullptr);
    }
    void TearDown() override {
        QToolTip::hideText();
        CloseAllPopups();
    }

    // Opens the item picker on an empty slot; null when it did not open.
    QMenu* OpenPicker(int slot) {
        Click(p, QStringLiteral("ImageSlot%1").arg(slot));
        QMenu* menu = OpenPopup();
        return menu != nullptr && menu->objectName() == QStringLiteral("PopupMenu1") ? menu
                                                                                     : nullptr;
    }

    int SlotItem(int slot) const {
        return panel->Calc()->State().ItemSlots[static_cast<std::size_t>(slot - 1)].ItemNumber;
    }

    int ItemNamed(const QString& name) const {
        const std::vector<TItem>& items = p.W().Catalog().Items;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (Utf8(items[i].Name) == name) {
                return static_cast<int>(i + 1);
            }
        }
        return 0;
    }

    StartedProgram p;
    ui::CalculatorPanel* panel = nullptr;
};

TEST_F(ItemPickerTyping, InitialsListTheMatchesOfEveryShopAndEnterPlacesTheFirst) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    const QStringList shops = Shown(menu);
    ASSERT_TRUE(shops.contains(kWayfarers));

    QTest::keyClicks(menu, QStringLiteral("sr"));
    ASSERT_EQ(OpenPopup(), menu);
    EXPECT_EQ(Shown(menu), (QStringList{Typed("sr"), kCharged, kOvercharged}));
    ASSERT_NE(menu->activeAction(), nullptr);
    EXPECT_EQ(menu->activeAction()->text(), kCharged);

    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(OpenPopup(), nullptr);
    ASSERT_NE(ItemNamed(kCharged), 0);
    EXPECT_EQ(SlotItem(1), ItemNamed(kCharged));

    // The next slot's picker opens on the shops again.
    menu = OpenPicker(2);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Shown(menu), shops);
}

TEST_F(ItemPickerTyping, PlacingByTypingIsPlacingByClicking) {
    const int cuff = ItemNamed(QStringLiteral("Ox-Hide Cuff"));
    ASSERT_NE(cuff, 0);
    ASSERT_TRUE(PickItem(p, 3, cuff));
    const BuildRecipe clicked = panel->Recipe();
    const QString clickedCode = panel->BuildCode();
    const QStringList clickedLines = p.Find<ui::FixedLineListBox>("ListBox1")->Lines();
    ASSERT_TRUE(panel->Undo());
    ASSERT_EQ(SlotItem(3), 0);

    QMenu* menu = OpenPicker(3);
    ASSERT_NE(menu, nullptr);
    QTest::keyClicks(menu, QStringLiteral("ohc"));
    EXPECT_EQ(Shown(menu), (QStringList{Typed("ohc"), QStringLiteral("Ox-Hide Cuff")}));
    QTest::keyClick(menu, Qt::Key_Enter);
    EXPECT_EQ(SlotItem(3), cuff);
    EXPECT_EQ(panel->Recipe(), clicked);
    EXPECT_EQ(panel->BuildCode(), clickedCode);
    EXPECT_EQ(p.Find<ui::FixedLineListBox>("ListBox1")->Lines(), clickedLines);

    // Undo takes it back, as any placing.
    ASSERT_TRUE(panel->Undo());
    EXPECT_EQ(SlotItem(3), 0);
}

TEST_F(ItemPickerTyping, UpAndDownMoveBetweenTheMatchesOnly) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    QTest::keyClicks(menu, QStringLiteral("sr"));
    ASSERT_EQ(Shown(menu).size(), 3);
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_EQ(menu->activeAction()->text(), kOvercharged);
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_EQ(menu->activeAction()->text(), kCharged);
    // Up from the first goes round to the last, past the typed line.
    QTest::keyClick(menu, Qt::Key_Up);
    EXPECT_EQ(menu->activeAction()->text(), kOvercharged);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(SlotItem(1), ItemNamed(kOvercharged));
}

TEST_F(ItemPickerTyping, TypingInASubmenuClosesItAndListsEveryShop) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(OpenSubmenuEntry(menu, QStringLiteral("Starfall Emporium")));
    QMenu* shop = OpenPopup();
    ASSERT_TRUE(OpenSubmenuEntry(shop, QStringLiteral("Stormglass Rod")));
    QMenu* group = OpenPopup();

    QTest::keyClicks(group, QStringLiteral("ox"));
    EXPECT_EQ(OpenPopup(), menu);
    EXPECT_FALSE(group->isVisible());
    EXPECT_FALSE(shop->isVisible());
    // A name that starts so comes before one that only holds the letters.
    EXPECT_EQ(Shown(menu), (QStringList{Typed("ox"), QStringLiteral("Ox-Hide Cuff"),
                                        QStringLiteral("Fox-Tail Charm")}));

    // The same when nothing matches.
    QTest::keyClick(menu, Qt::Key_Escape);
    ASSERT_TRUE(OpenSubmenuEntry(menu, kWayfarers));
    shop = OpenPopup();
    QTest::keyClicks(shop, QStringLiteral("qj"));
    EXPECT_EQ(OpenPopup(), menu);
    EXPECT_FALSE(shop->isVisible());
    EXPECT_EQ(Shown(menu), (QStringList{Typed("qj"), QStringLiteral("Ничего не найдено")}));
    QTest::keyClick(menu, Qt::Key_Escape);
    QTest::keyClicks(menu, QStringLiteral("ox"));

    // A click on a match places it too.
    ASSERT_TRUE(ClickMenuEntry(menu, QStringLiteral("Fox-Tail Charm")));
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_EQ(SlotItem(1), ItemNamed(QStringLiteral("Fox-Tail Charm")));
}

TEST_F(ItemPickerTyping, BackspaceTakesALetterBackAndEscClearsBeforeClosing) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    const QStringList shops = Shown(menu);

    // Backspace and Esc on the shops do what they always did.
    QTest::keyClick(menu, Qt::Key_Backspace);
    EXPECT_EQ(OpenPopup(), menu);
    EXPECT_EQ(Shown(menu), shops);

    QTest::keyClicks(menu, QStringLiteral("srx"));
    EXPECT_EQ(Shown(menu), (QStringList{Typed("srx"), QStringLiteral("Ничего не найдено")}));
    // Nothing to place: Enter keeps the picker open.
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(OpenPopup(), menu);
    EXPECT_EQ(SlotItem(1), 0);

    QTest::keyClick(menu, Qt::Key_Backspace);
    EXPECT_EQ(Shown(menu), (QStringList{Typed("sr"), kCharged, kOvercharged}));
    QTest::keyClick(menu, Qt::Key_Backspace);
    QTest::keyClick(menu, Qt::Key_Backspace);
    EXPECT_EQ(OpenPopup(), menu);
    EXPECT_EQ(Shown(menu), shops);

    QTest::keyClicks(menu, QStringLiteral("Stormglass R"));
    EXPECT_EQ(Shown(menu), (QStringList{Typed("Stormglass R"), kCharged, kOvercharged}));
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(OpenPopup(), menu);
    EXPECT_EQ(Shown(menu), shops);
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_EQ(SlotItem(1), 0);
}

TEST_F(ItemPickerTyping, EveryPrintableLetterIsTypedButALeadingSpaceIsNot) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    const QStringList shops = Shown(menu);
    menu->setActiveAction(nullptr);
    QTest::keyClick(menu, Qt::Key_Space);
    EXPECT_EQ(Shown(menu), shops);

    for (const QString& letter : {QStringLiteral("ё"), QStringLiteral("Ж")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
        QApplication::sendEvent(menu, &press);
    }
    EXPECT_EQ(Shown(menu), (QStringList{Typed("ёЖ"), QStringLiteral("Ничего не найдено")}));
    // Keys with Ctrl are no letters.
    QTest::keyClick(menu, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Shown(menu).first(), Typed("ёЖ"));
}

TEST_F(ItemPickerTyping, AListLongerThanTheScreenIsCutToItAndStaysOnIt) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    const QRect screen = menu->screen()->availableGeometry();
    menu->move(menu->x(), screen.bottom() - 100);
    QTest::keyClick(menu, Qt::Key_E);
    // The typed line and as many matches as the screen has room for.
    EXPECT_EQ(Shown(menu).size(), screen.height() / ui::kItemEntryHeight);
    EXPECT_TRUE(screen.contains(menu->geometry()));
    QTest::keyClick(menu, Qt::Key_Backspace);
    QTest::keyClicks(menu, QStringLiteral("sr"));
    EXPECT_TRUE(screen.contains(menu->geometry()));
    EXPECT_EQ(menu->height(), 3 * ui::kItemEntryHeight);
}

// A long list moves the picker up; as the list shrinks, and when the text
// is cleared, it goes back to where it opened, at the slot.
TEST_F(ItemPickerTyping, ThePickerReturnsToItsSlotAsTheListShrinks) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    const QPoint opened = menu->pos();
    const QRect screen = menu->screen()->availableGeometry();
    QTest::keyClick(menu, Qt::Key_E);
    EXPECT_TRUE(screen.contains(menu->geometry()));
    ASSERT_LT(menu->y(), opened.y()) << "the long list did not need the room above";
    QTest::keyClick(menu, Qt::Key_Backspace);
    QTest::keyClicks(menu, QStringLiteral("sr"));
    EXPECT_EQ(menu->pos(), opened);
    QTest::keyClick(menu, Qt::Key_E);
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_EQ(Shown(menu).first(), kWayfarers);
    EXPECT_EQ(menu->pos(), opened);
}

TEST_F(ItemPickerTyping, AMatchUnderThePointerPreviewsItsItem) {
    QMenu* menu = OpenPicker(1);
    ASSERT_NE(menu, nullptr);
    QTest::keyClicks(menu, QStringLiteral("ohc"));
    QAction* match = EntryNamed(menu, QStringLiteral("Ox-Hide Cuff"));
    ASSERT_NE(match, nullptr);
    menu->setActiveAction(nullptr);
    const QPoint centre = menu->actionGeometry(match).center();
    QCursor::setPos(menu->mapToGlobal(centre));
    QTest::mouseMove(menu, centre);
    ASSERT_TRUE(WaitInEventLoop([] { return !ShownToolTip().isEmpty(); }, 2000));
    EXPECT_EQ(ShownToolTip(), panel->ItemPreviewText(ItemNamed(QStringLiteral("Ox-Hide Cuff"))));
}

} // namespace
} // namespace zephyr::uitest
