#include "gesture_helpers.h"

#include "ui/calculator/level_chart_window.h"
#include "ui/widgets/decimal_separator.h"

#include "engine/level_progress.h"
#include "engine/level_progress_table.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>

namespace zephyr::uitest {
namespace {

// An item the hero may carry twice.
int PlainItem(const Catalogue& catalogue) {
    for (const ShopMenuEntry& shop : catalogue.ItemMenu) {
        for (const ItemMenuEntry& entry : shop.Entries) {
            const TItem* item = catalogue.Item(entry.ItemNumber);
            if (!entry.IsGroup() && item != nullptr && !item->OnePerHero) {
                return entry.ItemNumber;
            }
        }
    }
    return 0;
}

class LevelChart : public ::testing::Test {
protected:
    void SetUp() override {
        p = StartOn(SyntheticPackFolder());
        ASSERT_NE(p.Window, nullptr);
        ASSERT_TRUE(PickHero(p, 1));
    }
    void TearDown() override { CloseAllPopups(); }

    // Three levels with an item bought after the first pick and one after
    // the last.
    void LevelWithItems() {
        const int item = PlainItem(p.W().Catalog());
        Press(p, QStringLiteral("ImageAbility1"));
        ASSERT_TRUE(PickItem(p, 1, item));
        Press(p, QStringLiteral("ImageAbility5"));
        Press(p, QStringLiteral("ImageAbility2"));
        ASSERT_TRUE(PickItem(p, 2, item));
        ASSERT_EQ(Panel().Calc()->State().HeroLevel, 3);
    }

    ui::CalculatorPanel& Panel() const { return *p.W().Panel(); }
    ui::LevelChartWindow* Window() const {
        return p.Find<ui::LevelChartWindow>("LevelChartWindow");
    }
    std::vector<HeroStats> Levels() const {
        return LevelProgress(p.W().Catalog(), Panel().Calc()->State());
    }

    void ExpectTableShowsTheBuild() const {
        const auto* table = Window()->findChild<QTableWidget*>(QStringLiteral("LevelTable"));
        ASSERT_NE(table, nullptr);
        const std::vector<HeroStats> levels = Levels();
        ASSERT_EQ(table->rowCount(), static_cast<int>(levels.size()));
        ASSERT_EQ(table->columnCount(), static_cast<int>(kLevelTableColumns));
        for (std::size_t k = 0; k < levels.size(); ++k) {
            const LevelTableLine cells =
                LevelTableCells(static_cast<int>(k + 1), levels[k], ui::DecimalSeparator());
            for (std::size_t column = 0; column < cells.size(); ++column) {
                const QTableWidgetItem* cell =
                    table->item(static_cast<int>(k), static_cast<int>(column));
                ASSERT_NE(cell, nullptr);
                EXPECT_EQ(cell->text(), QString::fromStdString(cells[column]))
                    << "level " << k + 1 << ", column " << column;
            }
        }
    }

    StartedProgram p;
};

TEST_F(LevelChart, CtrlGOpensTheWindowWithARowPerLevelThatFollowsTheBuild) {
    LevelWithItems();
    EXPECT_EQ(Window(), nullptr);
    Panel().setFocus();
    QTest::keyClick(&Panel(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Прогресс по уровням"));
    ExpectTableShowsTheBuild();

    Press(p, QStringLiteral("ImageAbility3"));
    ASSERT_EQ(Levels().size(), 4u);
    ExpectTableShowsTheBuild();
    Press(p, QStringLiteral("ImageEx7")); // reset
    ExpectTableShowsTheBuild();
}

TEST_F(LevelChart, ThePortraitMenuOpensIt) {
    LevelWithItems();
    ASSERT_TRUE(ChooseFromContextMenu(p, QStringLiteral("ImageHero"),
                                      QStringLiteral("Прогресс по уровням")));
    ASSERT_NE(Window(), nullptr);
    EXPECT_TRUE(Window()->isVisible());
    ExpectTableShowsTheBuild();
}

TEST_F(LevelChart, TheButtonAndCtrlCCopyTheTableAsTabSeparatedText) {
    LevelWithItems();
    ASSERT_TRUE(ChooseFromContextMenu(p, QStringLiteral("ImageHero"),
                                      QStringLiteral("Прогресс по уровням")));
    ASSERT_NE(Window(), nullptr);
    const QString expected =
        QString::fromStdString(LevelProgressTable(Levels(), ui::DecimalSeparator()));
    EXPECT_EQ(expected.count(QLatin1Char('\n')), 4);

    QGuiApplication::clipboard()->clear();
    auto* button = Window()->findChild<QPushButton*>(QStringLiteral("CopyTableButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("Копировать таблицу"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);

    QGuiApplication::clipboard()->clear();
    // The window's own Ctrl+C, not the panel's build code: once the window is
    // active, the panel's keys are not in reach.
    Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == Window(); }));
    QTest::keyClick(Window(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

} // namespace
} // namespace zephyr::uitest
