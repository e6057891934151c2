#include "gesture_helpers.h"
#include "pack_builder.h"
#include "temp_folder.h"
#include "ui_fixture.h"

#include "app/first_frame.h"
#include "app/first_windows.h"

#include "controls/picture_control.h"
#include "ui/widgets/string_grid.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <optional>

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

// What was on screen when the first catalogue began to load.
struct EarlyScreen {
    bool WindowShown = false;
    bool FramePictured = false;
    bool MenuColoured = false;
    bool PanelCovered = false;
    bool SplashShown = false;
};

EarlyScreen LookAtTheScreen() {
    EarlyScreen screen;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Form1")) {
            screen.WindowShown = top->isVisible();
            const auto* edge = top->findChild<controls::PictureControl*>(QStringLiteral("Image5"));
            screen.FramePictured = edge != nullptr && !edge->Picture().isNull();
            const auto* menu = top->findChild<QMenuBar*>(QStringLiteral("ActionMainMenuBar1"));
            screen.MenuColoured = menu != nullptr && !menu->styleSheet().isEmpty();
            const auto* panel = top->findChild<QWidget*>(QStringLiteral("MainScrollBox"));
            const auto* cover = top->findChild<QWidget*>(QStringLiteral("SetUpCover"));
            screen.PanelCovered = cover != nullptr && cover->isVisible() &&
                                  cover->geometry().contains(panel->geometry());
        } else if (top->objectName() == QLatin1String("Form3")) {
            screen.SplashShown = top->isVisible();
        }
    }
    return screen;
}

std::unique_ptr<ui::MainWindow> StartWatching(const std::filesystem::path& folder,
                                              FakeViewers& viewers,
                                              std::optional<EarlyScreen>& early) {
    app::ProgramOptions options{testing::PackBuilder::LocationOf(folder),
                                [](QWidget*, const QString&) {},
                                [&early](const QString&) {
                                    if (!early) {
                                        early = LookAtTheScreen();
                                    }
                                },
                                viewers.Factory(),
                                [](const QUrl&) { return true; },
                                false,
                                {},
                                {},
                                {}};
    return app::StartProgram(options);
}

// The window's frame is on screen, pictured and coloured, before the
// catalogues load; the splash stays over it, and the calculator, still
// empty, shows only once the set-up has filled it.
TEST(StartUp, FrameIsOnScreenBeforeTheCataloguesWithTheSplashOverIt) {
    FakeViewers viewers;
    std::optional<EarlyScreen> early;
    auto window = StartWatching(SyntheticPackFolder(), viewers, early);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(early.has_value());
    EXPECT_TRUE(early->WindowShown);
    EXPECT_TRUE(early->FramePictured);
    EXPECT_TRUE(early->MenuColoured);
    EXPECT_TRUE(early->PanelCovered);
    EXPECT_TRUE(early->SplashShown);
    EXPECT_TRUE(window->Panel()->isVisible());
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("SetUpCover")), nullptr);
    EXPECT_EQ(window->Outcome(), ui::SetupOutcome::Completed);
}

// With a design file missing the set-up ends the program as before: the
// window never shows, not even its frame.
TEST(StartUp, MissingDesignKeepsTheFrameOffTheScreen) {
    PackCopy pack(SyntheticPackFolder(),
                  {"Data/images/design/FormBottom.bmp", "Data/Images/design/FormBottom.bmp"});
    FakeViewers viewers;
    std::optional<EarlyScreen> early;
    auto window = StartWatching(pack.Path(), viewers, early);
    EXPECT_EQ(window, nullptr);
    ASSERT_TRUE(early.has_value());
    EXPECT_FALSE(early->WindowShown);
}

// A window painted ahead of the start-up's end keeps what the user types in
// the meantime for the event loop, in order, instead of handling it halfway
// through the set-up or losing it.
TEST(StartUp, FirstFrameKeepsTheKeysTypedMeanwhile) {
    QLineEdit field;
    field.show();
    QApplication::setActiveWindow(&field);
    field.setFocus();
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        field.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        field.windowHandle(), QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    app::PaintFirstFrame(field);
    EXPECT_TRUE(field.windowHandle()->isExposed());
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_TRUE(WaitInEventLoop([&field] { return field.text() == QLatin1String("ab"); }, 2000))
        << field.text().toStdString();
}

// The launcher's way: the window's place is on the screen beneath the
// splash before anything of the program is made; the window then fills it,
// and the place carries the window's title, its modified mark and its
// closing, which the window may refuse.
TEST(StartUp, TheWindowFillsTheLaunchersPlaceWhichCarriesItsTitleAndClosing) {
    testing::TempFolder builds;
    StartedProgram p = StartOn(SyntheticPackFolder(), builds.Path(), Placement::LaunchersHost);
    ASSERT_NE(p.Window, nullptr);
    ASSERT_NE(p.Host, nullptr);
    EXPECT_TRUE(p.Host->windowHandle()->isExposed());
    EXPECT_EQ(p.W().window(), p.Host.get());
    EXPECT_EQ(p.W().geometry(), p.Host->rect());
    EXPECT_EQ(p.Host->size(), QSize(800, 600));
    EXPECT_TRUE(p.Host->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(p.Host->windowTitle(), QStringLiteral("Новая сборка[*]"));

    Press(p, QStringLiteral("ImageAbility1"));
    p.Answers->Names.push_back(QStringLiteral("Своя"));
    QTest::keyClick(&p.W(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(p.Host->windowTitle(), QStringLiteral("Своя[*]"));
    Press(p, QStringLiteral("ImageAbility2"));
    EXPECT_TRUE(p.Host->isWindowModified());

    // The desktop's close asks the window, which keeps the changed build.
    p.Answers->SaveAnswers.push_back(ui::SaveAnswer::Cancel);
    EXPECT_FALSE(p.Host->close());
    EXPECT_TRUE(p.Host->isVisible());
    EXPECT_TRUE(p.W().isVisible());
    // The frame's own close button closes the whole window.
    p.Answers->SaveAnswers.push_back(ui::SaveAnswer::Discard);
    Click(p, QStringLiteral("ImageEx3"));
    EXPECT_FALSE(p.Host->isVisible());
    EXPECT_EQ(p.Answers->Asked.size(), 3) << p.Answers->Asked.join(QLatin1Char('|')).toStdString();
}

// Without the design the program ends before its window shows: the launcher
// puts up no place for it.
TEST(StartUp, NoPlaceIsShownWithoutTheDesign) {
    PackCopy pack(SyntheticPackFolder(),
                  {"Data/images/design/FormBottom.bmp", "Data/Images/design/FormBottom.bmp"});
    const app::FirstWindows shown =
        app::ShowFirstWindows(testing::PackBuilder::LocationOf(pack.Path()));
    EXPECT_EQ(shown.Host, nullptr);
    ASSERT_NE(shown.Splash, nullptr);
    EXPECT_TRUE(shown.Splash->isVisible());
}

// The splash's window goes up before its controls are made and its picture
// is decoded; the picture is there in its first frame.
TEST(StartUp, SplashHasItsPictureInItsFirstFrame) {
    const DataLocation location = testing::PackBuilder::LocationOf(SyntheticPackFolder());
    app::SplashForm splash(location);
    EXPECT_TRUE(splash.findChildren<QWidget*>().isEmpty());
    splash.show();
    const auto* picture = splash.findChild<controls::PictureControl*>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    app::PaintFirstFrame(splash);
    EXPECT_FALSE(picture->Picture().isNull());
    // Shown again, it keeps its one picture control.
    splash.hide();
    splash.show();
    EXPECT_EQ(splash.findChildren<controls::PictureControl*>().size(), 1);
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
