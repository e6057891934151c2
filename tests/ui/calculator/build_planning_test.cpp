#include "gesture_helpers.h"

#include "ui/calculator/breakdown_popup.h"
#include "ui/calculator/calculator_panel.h"
#include "ui/calculator/change_marks.h"
#include "ui/calculator/figure_tooltips.h"
#include "ui/widgets/decimal_separator.h"

#include "engine/stat_breakdown.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolTip>

namespace zephyr::uitest {
namespace {

// The entry of the item picker (opened on `slot`) that places `item`, with
// its submenus open; null when the picker does not list it.
QAction* ShowItemEntry(const StartedProgram& p, int slot, int item) {
    Click(p, QStringLiteral("ImageSlot%1").arg(slot));
    QMenu* menu = OpenPopup();
    for (const ShopMenuEntry& shop : p.W().Catalog().ItemMenu) {
        for (const ItemMenuEntry& entry : shop.Entries) {
            const bool plain = entry.ItemNumber == item;
            const auto variant =
                std::find_if(entry.Variants.begin(), entry.Variants.end(),
                             [item](const ItemMenuEntry& v) { return v.ItemNumber == item; });
            if (!plain && variant == entry.Variants.end()) {
                continue;
            }
            if (!OpenSubmenuEntry(menu, Utf8(shop.Caption)) ||
                (!plain && !OpenSubmenuEntry(OpenPopup(), Utf8(entry.Caption)))) {
                return nullptr;
            }
            const QString caption = Utf8(plain ? entry.Caption : variant->Caption);
            for (QAction* action : OpenPopup()->actions()) {
                if (action->text() == caption) {
                    return action;
                }
            }
        }
    }
    return nullptr;
}

// Moves the mouse onto an entry of the open menu: the menu makes it current.
void Hover(QAction* action) {
    QMenu* menu = OpenPopup();
    menu->setActiveAction(nullptr);
    // The tooltip stays only while the pointer is on the entry.
    const QPoint centre = menu->actionGeometry(action).center();
    QCursor::setPos(menu->mapToGlobal(centre));
    QTest::mouseMove(menu, centre);
    QCoreApplication::processEvents();
    EXPECT_EQ(menu->activeAction(), action);
    WaitInEventLoop([] { return !ShownToolTip().isEmpty(); }, 1000);
}

// What a widget's tooltip shows when the mouse rests on it.
QString ToolTipOf(QWidget* widget) {
    QHelpEvent help(QEvent::ToolTip, widget->rect().center(),
                    widget->mapToGlobal(widget->rect().center()));
    // A picture with nothing to preview leaves the event to its own
    // tooltip, and one without any ignores it.
    QApplication::sendEvent(widget, &help);
    return help.isAccepted() ? QToolTip::text() : QString();
}

// Hides the tooltip and waits until it is gone: a tooltip still fading out
// when the next one shows takes the next one with it.
void HideToolTip() {
    QToolTip::hideText();
    WaitInEventLoop([] { return !QToolTip::isVisible(); }, 2000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int ItemNamed(const Catalogue& catalogue, const char* name) {
    for (std::size_t i = 0; i < catalogue.Items.size(); ++i) {
        if (catalogue.Items[i].Name == name) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

class Planning : public ::testing::Test {
protected:
    void SetUp() override {
        p = StartOn(SyntheticPackFolder());
        ASSERT_NE(p.Window, nullptr);
        panel = p.W().Panel();
        reference = std::make_unique<Calculator>(p.W().Catalog());
        reference->ChooseHero(1);
    }
    void TearDown() override {
        CloseAllPopups();
        HideToolTip();
    }
    void Level(int ability) {
        Press(p, QStringLiteral("ImageAbility%1").arg(ability));
        reference->LevelUp(ability);
    }

    StartedProgram p;
    ui::CalculatorPanel* panel = nullptr;
    std::unique_ptr<Calculator> reference;
};

TEST_F(Planning, HoveringAnItemEntryPreviewsThePlacement) {
    Level(1);
    const int item = 1;
    QAction* entry = ShowItemEntry(p, 2, item);
    ASSERT_NE(entry, nullptr);
    Hover(entry);
    const QString shown = ShownToolTip();
    const std::string name = p.W().Catalog().Item(item)->Name;
    const HeroStats after = reference->Preview({GestureKind::Place, 2, 0, name});
    const std::vector<FigureChange> changes =
        PreviewChanges(reference->Stats(), after, ui::DecimalSeparator());
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(shown, ui::ChangesToolTip(Utf8(name), changes));
    EXPECT_TRUE(shown.contains(QStringLiteral("Физический DPS")));
    EXPECT_TRUE(shown.contains(QStringLiteral(" → ")));
    // The preview placed nothing.
    EXPECT_EQ(panel->Calc()->State(), reference->State());
    CloseAllPopups();
}

TEST_F(Planning, AbilitiesAndSlotsPreviewTheirGestures) {
    const QString levelUp = ToolTipOf(PictureNamed(p, QStringLiteral("ImageAbility1")));
    const HeroStats after = reference->Preview({GestureKind::LevelUp, 1, 0, {}});
    EXPECT_EQ(levelUp, panel->AbilityPreviewText(1));
    EXPECT_TRUE(levelUp.startsWith(QStringLiteral("<nobr><b>%1: уровень 1</b></nobr>")
                                       .arg(Utf8(p.W().Catalog().Hero(1)->Abilities[0].Name))));
    EXPECT_EQ(
        levelUp.count(QStringLiteral("<tr>")),
        static_cast<int>(PreviewChanges(reference->Stats(), after, ui::DecimalSeparator()).size()));
    // Ability 4 takes no level at first: its picture keeps quiet.
    EXPECT_EQ(ToolTipOf(PictureNamed(p, QStringLiteral("ImageAbility4"))), QString());

    ASSERT_TRUE(PickItem(p, 3, 1));
    reference->PlaceItem(3, 1);
    const QString takeOff = ToolTipOf(PictureNamed(p, QStringLiteral("ImageSlot3")));
    EXPECT_TRUE(takeOff.startsWith(
        QStringLiteral("<nobr><b>Снять %1</b></nobr>").arg(Utf8(p.W().Catalog().Item(1)->Name))));
    EXPECT_TRUE(takeOff.contains(QStringLiteral("#c62828"))) << "losing the item is worse";
    EXPECT_EQ(ToolTipOf(PictureNamed(p, QStringLiteral("ImageSlot4"))), QString());
}

// The tooltip window on screen, null when none shows.
QLabel* ShownToolTipLabel() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible()) {
            return static_cast<QLabel*>(window);
        }
    }
    return nullptr;
}

// A tooltip label wraps rich text to a width of its own: the lines of a
// preview must come through whole, one table row a line.
TEST_F(Planning, APreviewKeepsEachFigureOnOneLine) {
    Level(1);
    // The attribute bonus raises the primary attribute and with it the hit.
    QWidget* picture = PictureNamed(p, QStringLiteral("ImageAbility5"));
    const QString text = ToolTipOf(picture);
    ASSERT_TRUE(text.contains(QStringLiteral("Физический DPS")));
    QLabel* tip = ShownToolTipLabel();
    ASSERT_NE(tip, nullptr);
    ASSERT_EQ(tip->text(), text);
    // A label that wraps, as the tooltip's does, is as high as one that
    // writes every line out whole.
    const auto height = [&](bool wrapping) {
        QLabel label;
        label.setFont(tip->font());
        label.setWordWrap(wrapping);
        label.setText(text);
        return label.sizeHint().height();
    };
    EXPECT_EQ(height(true), height(false)) << text.toStdString();
    EXPECT_TRUE(tip->grab().save(
        QString::fromStdString((ScreenshotFolder() / "ability_preview.png").string())));
}

TEST(PlanningOnTheSample, ARefusedPlacementSaysWhy) {
    StartedProgram p = StartOn(SamplePackFolder());
    ASSERT_NE(p.Window, nullptr);
    const int leather = ItemNamed(p.W().Catalog(), "Wayfarer Boots - Leather");
    const int runed = ItemNamed(p.W().Catalog(), "Wayfarer Boots - Runed");
    ASSERT_NE(leather, 0);
    ASSERT_NE(runed, 0);
    ASSERT_TRUE(PickItem(p, 1, leather));
    QAction* entry = ShowItemEntry(p, 2, runed);
    ASSERT_NE(entry, nullptr);
    Hover(entry);
    EXPECT_TRUE(ShownToolTip().contains(
        QStringLiteral("Не поставить: такой предмет герой носит только один, а в слоте 1 уже "
                       "«Wayfarer Boots - Leather».")))
        << ShownToolTip().toStdString();
    CloseAllPopups();
    HideToolTip();
}

// An item's preview shows beside the open menus, over neither the shops
// nor the items, wherever the slot opened them.
TEST(PlanningOnTheSample, AnItemPreviewLeavesTheOpenMenusClear) {
    StartedProgram p = StartOn(SamplePackFolder());
    ASSERT_NE(p.Window, nullptr);
    const int quiver = ItemNamed(p.W().Catalog(), "Longsight Quiver");
    ASSERT_NE(quiver, 0);
    for (int slot : {1, 2, 6}) {
        QAction* entry = ShowItemEntry(p, slot, quiver);
        ASSERT_NE(entry, nullptr);
        Hover(entry);
        QLabel* tip = ShownToolTipLabel();
        ASSERT_NE(tip, nullptr) << "slot " << slot;
        int menus = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(window) != nullptr && window->isVisible()) {
                ++menus;
                EXPECT_FALSE(window->geometry().intersects(tip->geometry()))
                    << "slot " << slot << ": the tooltip covers a menu";
            }
        }
        EXPECT_GE(menus, 2); // the shops and their items
        if (slot == 6) {
            EXPECT_TRUE(p.W().screen()->grabWindow(0).save(
                QString::fromStdString((ScreenshotFolder() / "item_preview.png").string())));
        }
        CloseAllPopups();
        HideToolTip();
    }
}

TEST_F(Planning, AClickOnAValueBreaksItDown) {
    Level(1);
    Level(5);
    ASSERT_TRUE(PickItem(p, 1, 1));
    reference->PlaceItem(1, 1);
    auto* grid = p.Find<ui::StringGrid>("StringGrid1");
    const QRect dps = grid->CellRect(1, 6);
    QTest::mouseClick(grid, Qt::LeftButton, {}, dps.center());
    auto* popup = qobject_cast<ui::BreakdownPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    const auto expected = [&](Figure figure) {
        return ui::BreakdownHtml(BreakDown(reference->Catalog(), reference->State(),
                                           reference->Stats(), reference->RecordStats(), figure,
                                           ui::DecimalSeparator()));
    };
    EXPECT_EQ(popup->Text(), expected(Figure::PhysicalDps));
    EXPECT_TRUE(popup->Text().contains(QStringLiteral("Обычные удары")));
    // Below the cell, give or take the popup's frame.
    EXPECT_LE((popup->pos() - grid->mapToGlobal(dps.bottomLeft())).manhattanLength(), 4);
    popup->close();

    // The hero block's values break down as well, the bonus beside them too.
    QTest::mouseClick(p.Find<QLabel>("Label25"), Qt::LeftButton);
    popup = qobject_cast<ui::BreakdownPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Text(), expected(Figure::Strength));
    EXPECT_TRUE(popup->Text().contains(QStringLiteral("Attribute Bonus · 1")));
    EXPECT_TRUE(p.W().grab().save(
        QString::fromStdString((ScreenshotFolder() / "breakdown_window.png").string())));
    EXPECT_TRUE(popup->grab().save(
        QString::fromStdString((ScreenshotFolder() / "breakdown_popup.png").string())));
    popup->close();

    // A caption is no value: the panel takes the click and nothing opens.
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(0, 6).center());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Planning, APinnedBuildIsComparedCellByCell) {
    Level(1);
    auto* grid = p.Find<ui::StringGrid>("StringGrid1");
    panel->setFocus();
    QTest::keyClick(panel, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(panel->HasPinnedBuild());
    const HeroStats pinned = reference->Stats();
    EXPECT_EQ(panel->ValueCellToolTip(1, 6).contains(QStringLiteral("Как в закреплённой")), true);

    ASSERT_TRUE(PickItem(p, 1, 1));
    reference->PlaceItem(1, 1);
    const ui::ChangeMarks* marks = panel->ChangedValueMarks();
    int marked = 0;
    for (int row = 0; row < 8; ++row) {
        for (int column = 1; column < 6; column += 2) {
            const std::optional<Figure> figure = GridFigure(column, row);
            const auto change =
                figure ? CompareFigure(pinned, reference->Stats(), *figure, ui::DecimalSeparator())
                       : std::nullopt;
            ASSERT_EQ(figure && marks->MarkOf(*figure), change.has_value()) << column << "," << row;
            if (!change) {
                continue;
            }
            ++marked;
            EXPECT_EQ(panel->ValueCellToolTip(column, row), ui::ComparisonToolTip(*change));
            // The mark stands right after the value's text, inside its own
            // cell: clear of the caption of the next column.
            const QRect cell = grid->CellRect(column, row).translated(grid->pos());
            const QRect mark = *marks->MarkOf(*figure);
            const int textEnd =
                cell.left() + grid->fontMetrics().horizontalAdvance(grid->Cell(column, row));
            EXPECT_GT(mark.left(), textEnd) << column << "," << row;
            EXPECT_LT(mark.left(), textEnd + 4) << column << "," << row;
            EXPECT_TRUE(cell.contains(mark)) << column << "," << row;
        }
    }
    EXPECT_GT(marked, 2); // the price, the damage and the delay at least
    EXPECT_TRUE(panel->ValueCellToolTip(1, 6).contains(QStringLiteral("Закреплено → сейчас")));

    // The hero block takes part: each changed value is marked after its
    // text (after its bonus, where one shows) and compares in its tooltip.
    struct BlockValue {
        Figure Id;
        const char* Value;
        const char* Bonus;
    };
    const BlockValue block[] = {
        {Figure::Damage, "Label7", "Label23"},        {Figure::Armor, "Label9", "Label24"},
        {Figure::Strength, "Label11", "Label25"},     {Figure::Agility, "Label13", "Label26"},
        {Figure::Intelligence, "Label15", "Label27"}, {Figure::HitPoints, "Label16", nullptr},
        {Figure::HpRegen, "Label16", nullptr},        {Figure::Mana, "Label17", nullptr},
        {Figure::ManaRegen, "Label17", nullptr}};
    int blockMarked = 0;
    for (const BlockValue& value : block) {
        const auto change =
            CompareFigure(pinned, reference->Stats(), value.Id, ui::DecimalSeparator());
        ASSERT_EQ(marks->MarkOf(value.Id).has_value(), change.has_value()) << value.Value;
        auto* label = p.Find<QLabel>(value.Value);
        auto* bonus = value.Bonus != nullptr ? p.Find<QLabel>(value.Bonus) : nullptr;
        if (!change) {
            EXPECT_FALSE(panel->ValueLabelToolTip(label).contains(
                Utf8(FigureCaption(value.Id)) + QStringLiteral("</b><br><nobr>Закреплено")));
            continue;
        }
        ++blockMarked;
        EXPECT_TRUE(panel->ValueLabelToolTip(label).contains(ui::ComparisonToolTip(*change)))
            << value.Value;
        // The hit point and mana labels centre their texts.
        const QLabel* last = bonus != nullptr && !bonus->isHidden() ? bonus : label;
        const int width = last->fontMetrics().horizontalAdvance(last->text());
        const int textEnd =
            last->x() +
            ((last->alignment() & Qt::AlignHCenter) != 0 ? (last->width() + width) / 2 : width);
        const QRect mark = *marks->MarkOf(value.Id);
        EXPECT_GT(mark.left(), textEnd) << value.Value;
        EXPECT_LT(mark.left(), textEnd + 4) << value.Value;
        EXPECT_LT(std::abs(mark.top() - last->y()), 3) << value.Value;
    }
    EXPECT_GT(blockMarked, 0);
    EXPECT_TRUE(p.W().grab().save(
        QString::fromStdString((ScreenshotFolder() / "pinned_comparison.png").string())));

    // The portrait's menu says what a click does now.
    Press(p, QStringLiteral("ImageHero"), Qt::RightButton);
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(ClickMenuEntry(menu, QStringLiteral("Открепить")));
    EXPECT_FALSE(panel->HasPinnedBuild());
    EXPECT_FALSE(marks->MarkOf(Figure::TotalPrice) || marks->MarkOf(Figure::Damage));
    EXPECT_EQ(panel->ValueCellToolTip(5, 3), QString());
    EXPECT_EQ(panel->ValueLabelToolTip(p.Find<QLabel>("Label7")), QString());
    Press(p, QStringLiteral("ImageHero"), Qt::RightButton);
    EXPECT_TRUE(ClickMenuEntry(OpenPopup(), QStringLiteral("Закрепить для сравнения")));
    EXPECT_TRUE(panel->HasPinnedBuild());
}

} // namespace
} // namespace zephyr::uitest
