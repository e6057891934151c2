#include "pack_builder.h"
#include "ui_fixture.h"

#include "ui/library/build_comparison_card.h"
#include "ui/library/build_comparison_window.h"
#include "ui/widgets/decimal_separator.h"

#include "data/load_all.h"
#include "engine/build_history.h"
#include "engine/calculator.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

namespace zephyr::uitest {
namespace {

const QColor kGreen(70, 210, 100);
const QColor kRed(240, 85, 85);

const Catalogue& Loaded() {
    static const Catalogue catalogue = [] {
        LoadAllResult loaded =
            LoadAll({testing::PackBuilder::LocationOf(SyntheticPackFolder()), true, {}});
        EXPECT_TRUE(loaded.Ok());
        return std::move(loaded.Catalogue);
    }();
    return catalogue;
}

// An item with a price that any hero may carry twice.
const TItem& PricedItem() {
    for (const ShopMenuEntry& shop : Loaded().ItemMenu) {
        for (const ItemMenuEntry& entry : shop.Entries) {
            const TItem* item = Loaded().Item(entry.ItemNumber);
            if (!entry.IsGroup() && item != nullptr && !item->OnePerHero && item->Cost > 0) {
                return *item;
            }
        }
    }
    throw std::runtime_error("no priced item");
}

Gesture LevelUp(int ability) {
    return {GestureKind::LevelUp, ability, 0, {}};
}
Gesture Place(int slot) {
    return {GestureKind::Place, slot, 0, PricedItem().Name};
}

BuildRecipe Recipe(int hero, std::vector<Gesture> gestures) {
    return {Loaded().Heroes.at(static_cast<std::size_t>(hero - 1)).Name, std::move(gestures)};
}

BuildFile Saved(const BuildRecipe& recipe, std::string name = "Сохранённая сборка") {
    BuildFile file;
    file.Name = std::move(name);
    file.Recipe = recipe;
    return file;
}

HeroStats StatsOf(const BuildRecipe& recipe) {
    Calculator calc(Loaded());
    Replay(calc, recipe);
    return calc.Stats();
}

int Row(Figure figure) {
    return static_cast<int>(std::find(kPreviewFigures.begin(), kPreviewFigures.end(), figure) -
                            kPreviewFigures.begin());
}

QString Text(const std::string& cp1251) {
    return Utf8(cp1251);
}

QImage Opaque(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

class BuildComparison : public ::testing::Test {
protected:
    void TearDown() override { CloseAllPopups(); }

    std::unique_ptr<ui::BuildComparisonWindow> Open(const BuildRecipe& current,
                                                    const BuildFile& other) {
        return std::make_unique<ui::BuildComparisonWindow>(Loaded(), current, other, nullptr);
    }

    // Every row against builds replayed here: both columns as the panel
    // writes them, the difference's sign that of other minus current, green
    // exactly where the other build is the better one.
    static void ExpectRowsCompare(const ui::BuildComparisonWindow& window, const HeroStats& current,
                                  const HeroStats& other) {
        const char separator = ui::DecimalSeparator();
        ASSERT_EQ(window.Table()->rowCount(), static_cast<int>(kPreviewFigures.size()));
        for (int row = 0; row < window.Table()->rowCount(); ++row) {
            const Figure figure = kPreviewFigures[static_cast<std::size_t>(row)];
            SCOPED_TRACE(FigureCaption(figure));
            EXPECT_EQ(window.CellText(row, 0), Text(FigureCaption(figure)));
            EXPECT_EQ(window.CellText(row, 1), Text(FigureText(current, figure, separator)));
            EXPECT_EQ(window.CellText(row, 2), Text(FigureText(other, figure, separator)));
            const double from = FigureValue(current, figure);
            const double to = FigureValue(other, figure);
            const QString difference = window.CellText(row, 3);
            if (from == to || figure == Figure::AttackType) {
                EXPECT_EQ(difference, QString());
                EXPECT_FALSE(window.DifferenceColour(row).isValid());
                continue;
            }
            EXPECT_TRUE(difference.startsWith(to > from ? u'+' : u'-')) << difference.toStdString();
            const bool better = LowerIsBetter(figure) ? to < from : to > from;
            EXPECT_EQ(window.DifferenceColour(row), better ? kGreen : kRed);
        }
    }
};

TEST_F(BuildComparison, ABuildBesideItselfDiffersNowhere) {
    const BuildRecipe recipe = Recipe(1, {LevelUp(1), Place(1), LevelUp(5)});
    auto window = Open(recipe, Saved(recipe, "Копия"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Сравнение сборок"));
    EXPECT_EQ(window->Table()->horizontalHeaderItem(1)->text(), QStringLiteral("Текущая"));
    EXPECT_EQ(window->Table()->horizontalHeaderItem(2)->text(), QStringLiteral("Копия"));
    EXPECT_EQ(window->OtherCard()->Title(), QStringLiteral("Копия"));
    ExpectRowsCompare(*window, StatsOf(recipe), StatsOf(recipe));
    for (int row = 0; row < window->Table()->rowCount(); ++row) {
        EXPECT_EQ(window->CellText(row, 3), QString());
    }
}

TEST_F(BuildComparison, AnExtraItemIsItsPriceInRedAndItsLackInGreen) {
    const BuildRecipe bare = Recipe(1, {LevelUp(1)});
    const BuildRecipe equipped = Recipe(1, {LevelUp(1), Place(2)});
    const QString cost = QString::number(PricedItem().Cost);

    auto window = Open(bare, Saved(equipped));
    EXPECT_EQ(window->CellText(Row(Figure::TotalPrice), 3), u'+' + cost);
    EXPECT_EQ(window->DifferenceColour(Row(Figure::TotalPrice)), kRed);
    EXPECT_EQ(window->OtherCard()->ItemText(2), Text(PricedItem().Name));
    EXPECT_EQ(window->CurrentCard()->ItemText(2), QStringLiteral("—"));
    ExpectRowsCompare(*window, StatsOf(bare), StatsOf(equipped));

    auto reversed = Open(equipped, Saved(bare));
    EXPECT_EQ(reversed->CellText(Row(Figure::TotalPrice), 3), u'-' + cost);
    EXPECT_EQ(reversed->DifferenceColour(Row(Figure::TotalPrice)), kGreen);
    ExpectRowsCompare(*reversed, StatsOf(equipped), StatsOf(bare));
}

TEST_F(BuildComparison, AnAttributeBonusLevelGainsStrengthInGreen) {
    const BuildRecipe current = Recipe(1, {LevelUp(1)});
    const BuildRecipe other = Recipe(1, {LevelUp(1), LevelUp(5)});
    const HeroStats before = StatsOf(current);
    const HeroStats after = StatsOf(other);
    ASSERT_GT(after.StrengthTotal, before.StrengthTotal);

    auto window = Open(current, Saved(other));
    EXPECT_EQ(window->CellText(Row(Figure::Strength), 3),
              u'+' + QString::number(after.StrengthTotal - before.StrengthTotal));
    EXPECT_EQ(window->DifferenceColour(Row(Figure::Strength)), kGreen);
    EXPECT_EQ(window->CellText(Row(Figure::TotalPrice), 3), QString());
    ExpectRowsCompare(*window, before, after);
    EXPECT_TRUE(window->OtherCard()->HeroText().endsWith(QStringLiteral("уровень 2")));
    EXPECT_TRUE(window->OtherCard()->AbilityText(5).endsWith(QStringLiteral(": 1")));
    EXPECT_TRUE(window->CurrentCard()->AbilityText(5).endsWith(QStringLiteral(": 0")));
}

TEST_F(BuildComparison, DifferentHeroesShowTheirOwnPortraitsItemsAndFigures) {
    const BuildRecipe current = Recipe(1, {LevelUp(2)});
    const BuildRecipe other = Recipe(2, {LevelUp(1), Place(3)});
    auto window = Open(current, Saved(other));
    for (auto [card, hero] :
         {std::pair{window->CurrentCard(), 1}, std::pair{window->OtherCard(), 2}}) {
        const THero& record = Loaded().Heroes.at(static_cast<std::size_t>(hero - 1));
        EXPECT_TRUE(card->HeroText().startsWith(Text(record.Name)));
        EXPECT_EQ(card->AbilityText(hero == 1 ? 2 : 1),
                  Text(record.Abilities[hero == 1 ? 1 : 0].Name) + QStringLiteral(": 1"));
        EXPECT_EQ(
            Opaque(card->Portrait()),
            Opaque(ui::ToQImage(Loaded().Heroes64.Images.at(static_cast<std::size_t>(hero - 1)))));
    }
    EXPECT_EQ(Opaque(window->OtherCard()->ItemPicture(3)),
              Opaque(ui::ToQImage(
                  Loaded().Shops.Images.at(static_cast<std::size_t>(PricedItem().ImageIndex)))));
    EXPECT_NE(Opaque(window->CurrentCard()->ItemPicture(3)),
              Opaque(window->OtherCard()->ItemPicture(3)));
    ExpectRowsCompare(*window, StatsOf(current), StatsOf(other));
}

TEST_F(BuildComparison, SetCurrentFollowsThePanelsBuild) {
    const BuildRecipe bare = Recipe(1, {LevelUp(1)});
    const BuildRecipe equipped = Recipe(1, {LevelUp(1), Place(1)});
    auto window = Open(bare, Saved(bare));
    ASSERT_EQ(window->CellText(Row(Figure::TotalPrice), 3), QString());

    window->SetCurrent(equipped);
    EXPECT_EQ(window->CurrentCard()->ItemText(1), Text(PricedItem().Name));
    EXPECT_EQ(window->CellText(Row(Figure::TotalPrice), 3),
              u'-' + QString::number(PricedItem().Cost));
    ExpectRowsCompare(*window, StatsOf(equipped), StatsOf(bare));

    window->SetCurrent(bare);
    EXPECT_EQ(window->CurrentCard()->ItemText(1), QStringLiteral("—"));
    ExpectRowsCompare(*window, StatsOf(bare), StatsOf(bare));
}

TEST_F(BuildComparison, EscCtrlWAndTheButtonCloseIt) {
    const BuildRecipe recipe = Recipe(1, {});
    auto window = Open(recipe, Saved(recipe));
    const auto showActive = [&] {
        window->ShowBeside(nullptr);
        return QTest::qWaitForWindowActive(window.get());
    };
    ASSERT_TRUE(showActive());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    ASSERT_TRUE(showActive());
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());

    ASSERT_TRUE(showActive());
    auto* close = window->findChild<QPushButton*>(QStringLiteral("CloseButton"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("Закрыть"));
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

// Differences the engine does not write as a number.
TEST(BuildComparisonFigures, UnboundedSurvivalAndTheAttackTypeAreWrittenByWhatTheyMean) {
    HeroStats current;
    current.PhysicalEhp = 900;
    current.StrengthBase = 20;
    current.StrengthBonus = 4;
    current.StrengthTotal = 24;
    HeroStats other = current;
    other.PhysicalEhp = -1; // unbounded
    other.StrengthBase = 22;
    other.StrengthBonus = 2;
    other.IsRanged = true;
    const std::vector<ui::FigureComparison> lines = ui::CompareFigures(current, other, ',');
    const auto line = [&](Figure figure) {
        return lines.at(static_cast<std::size_t>(Row(figure)));
    };

    EXPECT_EQ(line(Figure::PhysicalEhp).Difference, QStringLiteral("+∞"));
    EXPECT_EQ(line(Figure::PhysicalEhp).Verdict, ui::FigureVerdict::Better);
    EXPECT_EQ(
        ui::CompareFigures(other, current, ',')[static_cast<std::size_t>(Row(Figure::PhysicalEhp))]
            .Verdict,
        ui::FigureVerdict::Worse);
    // Written differently, the same strength.
    EXPECT_NE(line(Figure::Strength).Current, line(Figure::Strength).Other);
    EXPECT_EQ(line(Figure::Strength).Difference, QString());
    EXPECT_EQ(line(Figure::Strength).Verdict, ui::FigureVerdict::Same);
    // Melee against ranged: told apart, neither better.
    EXPECT_NE(line(Figure::AttackType).Current, line(Figure::AttackType).Other);
    EXPECT_EQ(line(Figure::AttackType).Difference, QString());
    EXPECT_EQ(line(Figure::AttackType).Verdict, ui::FigureVerdict::Same);
}

} // namespace
} // namespace zephyr::uitest
