#include "ui_fixture.h"

#include "controls/picture_control.h"
#include "ui/widgets/string_grid.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

namespace zephyr::uitest {
namespace {

TEST(StartUp, ShowsHeroOneAndStartsTheHistoryOnTheCalculator) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_TRUE(p.Messages->isEmpty()) << p.Messages->join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(p.W().Outcome(), ui::SetupOutcome::Completed);
    EXPECT_TRUE(p.W().CalculatorReady());

    const THero& hero = p.W().Catalog().Heroes.at(0);
    EXPECT_EQ(p.Find<QLabel>("Label3")->text(), Utf8(hero.Name));
    EXPECT_EQ(p.Find<QLabel>("Label2")->text(), QStringLiteral("- 1 lvl -"));
    EXPECT_EQ(p.W().Panel()->Calc()->State().CurrentHero, 1);

    ASSERT_EQ(p.W().NavHistory().size(), 1u);
    EXPECT_EQ(p.W().NavHistory()[0].Url, "calc");
    EXPECT_EQ(p.W().NavIndex(), 0);
    EXPECT_TRUE(p.Find<QWidget>("MainScrollBox")->isVisible());
    EXPECT_FALSE(p.Find<QWidget>("SearchScrollBox")->isVisible());
    EXPECT_FALSE(p.Find<QWidget>("ImageNavBack")->isEnabled());
}

TEST(StartUp, SplashShowsTheLoadingTextsInOrder) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(
        *p.Statuses,
        (QStringList{QStringLiteral("Загрузка орбов..."), QStringLiteral("Загрузка героев..."),
                     QStringLiteral("Загрузка предметов..."), QStringLiteral("Загрузка сленга..."),
                     QStringLiteral("Загрузка дизайна...")}));
}

TEST(StartUp, WindowIsBorderless800By600WithItsTitle) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(p.W().size(), QSize(800, 600));
    EXPECT_TRUE(p.W().windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(QApplication::applicationDisplayName(), QStringLiteral("Zephyrdex"));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);
}

TEST(StartUp, GridCaptionsAndFirstValuesAreWritten) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    auto* grid = p.Find<ui::StringGrid>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->Cell(0, 0), QStringLiteral("Тип"));
    EXPECT_EQ(grid->Cell(2, 7), QStringLiteral("Магический EHP"));
    EXPECT_EQ(grid->Cell(4, 3), QStringLiteral("Общая цена"));
    EXPECT_TRUE(grid->Cell(4, 4).isEmpty());
    const QString type = grid->Cell(1, 0);
    EXPECT_TRUE(type == QStringLiteral("Melee") || type == QStringLiteral("Range"));
    EXPECT_EQ(grid->Cell(5, 3), QStringLiteral("0"));
}

TEST(StartUp, DataFolderComesFromTheArgumentsOrSitsBesideTheProgram) {
    const DataLocation given = app::LocationFromArguments(
        {QStringLiteral("zephyrdex"), QStringLiteral("--data"), QStringLiteral("/srv/pack/Data")});
    EXPECT_EQ(given.DataFolder(), std::filesystem::path("/srv/pack/Data"));
    const DataLocation beside = app::LocationFromArguments({QStringLiteral("zephyrdex")});
    EXPECT_EQ(beside.DataFolder().filename(), std::filesystem::path("Data"));
    EXPECT_EQ(beside.DataFolder().parent_path(), beside.ProgramFolder());
}

TEST(Screenshots, FreshStart) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    const QPixmap shot = p.W().grab();
    EXPECT_EQ(shot.size(), QSize(800, 600));
    EXPECT_TRUE(
        shot.save(QString::fromStdString((ScreenshotFolder() / "fresh_start.png").string())));
    StartedProgram sample = StartOn(SamplePackFolder());
    ASSERT_NE(sample.Window, nullptr);
    EXPECT_TRUE(sample.W().grab().save(
        QString::fromStdString((ScreenshotFolder() / "fresh_start_sample.png").string())));
}

} // namespace
} // namespace zephyr::uitest
