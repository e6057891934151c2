#include "gesture_helpers.h"

#include "controls/edit1.h"
#include "controls/image_ex.h"
#include "controls/my_color_map.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTimer>

namespace zephyr::uitest {
namespace {

QRect Place(const StartedProgram& p, const char* name) {
    const QWidget* widget = p.Find<QWidget>(name);
    return widget != nullptr ? QRect(widget->mapTo(p.Window.get(), QPoint(0, 0)), widget->size())
                             : QRect();
}

TEST(WindowShell, ControlsSitWhereTheWindowPutsThem) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    EXPECT_EQ(Place(p, "Image5"), QRect(0, 0, 800, 3));
    EXPECT_EQ(Place(p, "Image6"), QRect(0, 3, 3, 594));
    EXPECT_EQ(Place(p, "Image7"), QRect(797, 3, 3, 594));
    EXPECT_EQ(Place(p, "Image8"), QRect(0, 597, 800, 3));
    EXPECT_EQ(Place(p, "ScrollBox2"), QRect(3, 3, 794, 20));
    EXPECT_EQ(Place(p, "ImageEx3"), QRect(777, 3, 20, 20));
    EXPECT_EQ(Place(p, "ImageEx4"), QRect(757, 3, 20, 20));
    EXPECT_EQ(Place(p, "ActionMainMenuBar1"), QRect(3, 23, 794, 24));
    EXPECT_EQ(Place(p, "MainScrollBox"), QRect(3, 47, 794, 550));
    EXPECT_EQ(Place(p, "WebBrowser1"), QRect(3, 47, 794, 525));
    EXPECT_EQ(Place(p, "ScrollBoxNavigation"), QRect(3, 572, 794, 25));
    // Panel controls, in panel coordinates + (3, 47).
    EXPECT_EQ(Place(p, "ImageSlot4"), QRect(3 + 499, 47 + 129, 36, 36));
    EXPECT_EQ(Place(p, "ImageAbility5"), QRect(3 + 340, 47 + 249, 64, 64));
    EXPECT_EQ(Place(p, "ListBox1"), QRect(3 + 624, 47 + 48, 129, 345));
    EXPECT_EQ(Place(p, "StringGrid1"), QRect(3 + 24, 47 + 384, 521, 130));
    EXPECT_EQ(Place(p, "Label18"), QRect(3 + 97, 47 + 8, 417, 13));
    EXPECT_EQ(Place(p, "ImageAurs10"), QRect(3 + 248 + 17 * 9, 47 + 200, 15, 15));
    EXPECT_EQ(Place(p, "DynEdit3"), QRect(3 + 584 + 40, 47 + 392 + 100, 113, 17));
    EXPECT_EQ(Place(p, "ImageOrbs"), QRect(3 + 448, 47 + 280, 70, 30));
    // The right strip is the left picture again.
    EXPECT_EQ(p.Find<controls::PictureControl>("Image7")->Picture(),
              p.Find<controls::PictureControl>("Image6")->Picture());
}

// The headers and the hero's name are in one face that has both scripts, and
// each header ends inside the statistics frame (x 14 to 558 of the panel)
// and before the next header begins.
TEST(WindowShell, HeadersAndNamesShareOneFaceAndFitTheirFrame) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    const char* headers[] = {"Label19", "Label20", "Label21"};
    const QString family = QFontInfo(p.Find<QLabel>("Label3")->font()).family();
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    EXPECT_TRUE(systems.contains(QFontDatabase::Cyrillic)) << family.toStdString();
    EXPECT_TRUE(systems.contains(QFontDatabase::Latin)) << family.toStdString();
    int nextStart = 558 - 4;
    for (int h = 2; h >= 0; --h) {
        const auto* label = p.Find<QLabel>(headers[h]);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(QFontInfo(label->font()).family(), family) << headers[h];
        const int end = label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
        EXPECT_LT(end, nextStart) << headers[h];
        nextStart = label->x() - 4;
    }
}

TEST(WindowShell, AnyButtonOnTheCaptionMovesTheWindow) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    int moves = 0;
    p.W().SetSystemMoveFunction([&moves] { return ++moves > 0; });
    Press(p, QStringLiteral("Image3"), Qt::LeftButton);
    Press(p, QStringLiteral("Image3"), Qt::MiddleButton);
    Press(p, QStringLiteral("Image3"), Qt::RightButton);
    EXPECT_EQ(moves, 3);
}

TEST(WindowShell, CloseButtonClosesAndHoverSwapsItsPicture) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    auto* close = p.Find<controls::ImageEx>("ImageEx3");
    const QImage passive = close->Picture();
    QEvent enter(QEvent::Enter);
    QEnterEvent enterEvent(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(close, &enterEvent);
    EXPECT_NE(close->Picture(), passive);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(close, &leave);
    EXPECT_EQ(close->Picture(), passive);
    Click(p, QStringLiteral("ImageEx3"));
    EXPECT_FALSE(p.W().isVisible());
}

TEST(WindowShell, MenuCommandsSwitchPanelsAndRecordTheHistory) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    auto* dictionary = p.Window->findChild<QAction*>(QStringLiteral("Action4"));
    auto* calculator = p.Window->findChild<QAction*>(QStringLiteral("Action7"));
    ASSERT_NE(dictionary, nullptr);
    EXPECT_EQ(calculator->text(), QStringLiteral("Калькулятор героев"));
    calculator->trigger(); // already shown: nothing recorded
    EXPECT_EQ(p.W().NavHistory().size(), 1u);
    dictionary->trigger();
    dictionary->trigger();
    ASSERT_EQ(p.W().NavHistory().size(), 2u);
    EXPECT_EQ(p.W().NavHistory()[1].Url, "dictionary");
    EXPECT_TRUE(p.Find<QWidget>("MainScrollBox")->isHidden());
    EXPECT_FALSE(p.Find<QWidget>("SearchScrollBox")->isHidden());
    EXPECT_TRUE(p.Find<QWidget>("ImageNavBack")->isEnabled());
    Click(p, QStringLiteral("ImageNavBack"));
    EXPECT_FALSE(p.Find<QWidget>("MainScrollBox")->isHidden());
    EXPECT_TRUE(p.Find<QWidget>("SearchScrollBox")->isHidden());
    EXPECT_FALSE(p.Find<QWidget>("ImageNavBack")->isEnabled());
    EXPECT_TRUE(p.Find<QWidget>("ImageNavNext")->isEnabled());
    dictionary->trigger();
    calculator->trigger();
    ASSERT_EQ(p.W().NavHistory().size(), 3u);
    EXPECT_EQ(p.W().NavHistory()[2].Url, "calc");
    EXPECT_FALSE(p.Find<QWidget>("ImageNavNext")->isEnabled());
}

TEST(WindowShell, TheMenuBarHoldsTheCommandTree) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    auto* bar = p.Find<QMenuBar>("ActionMainMenuBar1");
    QStringList top;
    for (QAction* action : bar->actions()) {
        top << action->text();
    }
    EXPECT_EQ(top, (QStringList{QStringLiteral("Приложение"), QStringLiteral("Информация"),
                                QStringLiteral("О проекте")}));
    QStringList application;
    for (QAction* action : bar->actions().first()->menu()->actions()) {
        application << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(application,
              (QStringList{QStringLiteral("Калькулятор героев"), QStringLiteral("Словарь"),
                           QStringLiteral("-"), QStringLiteral("Библиотека сборок"),
                           QStringLiteral("Сохранить сборку"), QStringLiteral("-"),
                           QStringLiteral("Выход")}));
    EXPECT_TRUE(bar->styleSheet().contains(QStringLiteral("#141414"))); // highlight 20,20,20
    auto* exit = p.Window->findChild<QAction*>(QStringLiteral("Action12"));
    exit->trigger();
    EXPECT_FALSE(p.W().isVisible());
}

TEST(ClickGate, AClickElsewhereClearsTheBuildOrderSelection) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    Press(p, QStringLiteral("ImageAbility1"));
    auto* list = p.Find<ui::FixedLineListBox>("ListBox1");
    QTest::mouseClick(list, Qt::LeftButton, {}, list->LineRect(0).center());
    EXPECT_EQ(list->Selected(), 0);
    Press(p, QStringLiteral("Label19")); // a gate-only label
    EXPECT_EQ(list->Selected(), -1);
    QTest::mouseClick(list, Qt::LeftButton, {}, list->LineRect(0).center());
    Press(p, QStringLiteral("StringGrid1")); // a caption: the panel takes the click
    EXPECT_EQ(list->Selected(), -1);
    EXPECT_TRUE(p.Find<QWidget>("MainScrollBox")->hasFocus());
}

TEST(InactiveWindow, ARightClickIsDiscardedUntilTheWindowIsActive) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    Press(p, QStringLiteral("ImageAbility1"));
    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(p.W().isActiveWindow());
    Press(p, QStringLiteral("ImageAbility1"), Qt::RightButton);
    EXPECT_EQ(OpenPopup(), nullptr);
    QTest::mouseRelease(p.Find<QWidget>("ImageAbility1"), Qt::RightButton);

    p.W().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.Window.get()));
    // Long enough after the activation not to be the press that caused it.
    QElapsedTimer clock;
    clock.start();
    WaitInEventLoop([&clock] { return clock.elapsed() > 400; }, 1000);
    // Ability 1 has a level and parameters: its menu offers "Настроить".
    Press(p, QStringLiteral("ImageAbility1"), Qt::RightButton);
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("PopupMenu3"));
    CloseAllPopups();
    Press(p, QStringLiteral("ImageEx8"));
    EXPECT_EQ(p.W().Panel()->Calc()->State().HeroLevel, 0); // left clicks act
}

// A window manager that activates on press activates the window first and
// then hands over the press: that press is still a click on an inactive
// window. A later one is an ordinary click.
TEST(InactiveWindow, ThePressThatActivatedTheWindowIsDiscarded) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    Press(p, QStringLiteral("ImageAbility1"));
    ASSERT_TRUE(p.W().isActiveWindow());
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(p.Window.get(), &activation);
    Press(p, QStringLiteral("ImageAbility1"), Qt::RightButton);
    EXPECT_EQ(OpenPopup(), nullptr);
    QTest::mouseRelease(p.Find<QWidget>("ImageAbility1"), Qt::RightButton);

    Press(p, QStringLiteral("ImageAbility1"), Qt::RightButton);
    QMenu* menu = OpenPopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("PopupMenu3"));
    CloseAllPopups();
}

// Without a window manager there is no system move: the window follows the
// mouse while the caption is held, and stays when it is let go.
TEST(WindowShell, TheWindowFollowsTheMouseWhereTheSystemCannotMoveIt) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    p.W().SetSystemMoveFunction([] { return false; });
    auto* caption = p.Find<QWidget>("Image3");
    const QPoint start = p.W().pos();
    // Mouse positions on the screen, given from where the caption started.
    const QPoint origin = caption->mapToGlobal(QPoint(0, 0));
    const auto send = [caption, origin](QEvent::Type type, QPoint screen, Qt::MouseButton button,
                                        Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(caption->mapFromGlobal(origin + screen)),
                          QPointF(origin + screen), button, held, Qt::NoModifier);
        QApplication::sendEvent(caption, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(100, 10), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(140, 35), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(p.W().pos(), start + QPoint(40, 25));
    send(QEvent::MouseMove, QPoint(150, 35), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(p.W().pos(), start + QPoint(50, 25));
    send(QEvent::MouseButtonRelease, QPoint(150, 35), Qt::LeftButton, Qt::NoButton);
    const QPoint released = p.W().pos();
    send(QEvent::MouseMove, QPoint(20, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(p.W().pos(), released);
}

TEST(RunningLine, TheSwitchStopsAndRestartsTheLine) {
    StartedProgram p = StartOn(SyntheticPackFolder());
    ASSERT_NE(p.Window, nullptr);
    ui::CalculatorPanel* panel = p.W().Panel();
    QTimer* timer = panel->TickerTimer();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 125);
    auto* label = p.Find<QLabel>("Label18");
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    Press(p, QStringLiteral("ImageEx1"));
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(label->text().isEmpty());
    panel->SetTickerRandom([](int) { return 4; }); // "Совет номер 5"
    Press(p, QStringLiteral("ImageEx1"));
    EXPECT_TRUE(timer->isActive());
    QSignalSpy ticks(timer, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(1000));
    EXPECT_EQ(label->text(), QStringLiteral("С"));
    ASSERT_TRUE(ticks.wait(1000));
    EXPECT_EQ(label->text(), QStringLiteral("Со"));
}

TEST(Controls, Edit1KeepsItsTextWhenTheAlignmentChanges) {
    controls::Edit1 edit;
    EXPECT_EQ(edit.Alignment(), controls::Edit1::eaLeft);
    edit.setText(QStringLiteral("3 из 5"));
    edit.SetAlignment(controls::Edit1::eaCenter);
    EXPECT_EQ(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    edit.SetAlignment(controls::Edit1::eaRight);
    EXPECT_EQ(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(edit.text(), QStringLiteral("3 из 5"));
}

TEST(Controls, ImageExReportsEnterAndLeave) {
    controls::ImageEx image;
    QSignalSpy entered(&image, &controls::ImageEx::MouseEnter);
    QSignalSpy left(&image, &controls::ImageEx::MouseLeave);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&image, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&image, &leave);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 1);
}

TEST(ColourMap, BlackSchemeHasNearBlackHighlightAndUnusedColours) {
    controls::MyColorMap map;
    EXPECT_EQ(map.Color(), QColor(Qt::black));
    EXPECT_EQ(map.HighlightColor, QColor(20, 20, 20));
    EXPECT_EQ(map.UnusedColor, QColor(19, 19, 19));
    EXPECT_EQ(map.FontColor, QColor(Qt::white));
    EXPECT_EQ(map.MenuColor, QColor(Qt::black));
    EXPECT_EQ(map.FrameBottomRightOuter, QColor(Qt::black));
    QSignalSpy changed(&map, &controls::MyColorMap::ColorChange);
    map.SetColor(QColor(0, 0, 128));
    EXPECT_EQ(changed.count(), 1);
    map.SetColor(QColor(0, 0, 128));
    EXPECT_EQ(changed.count(), 1);
}

TEST(ColourMap, LighteningDarkensStronglySaturatedColours) {
    const QPalette palette;
    // Pure red: saturation 240, so 19 steps darker.
    const QColor red = controls::LightenColor(QColor(255, 0, 0), 19, palette);
    EXPECT_LT(red.red(), 255);
    EXPECT_EQ(red.green(), 0);
    const controls::Hls hls = controls::HlsFromRgb(QColor(255, 0, 0));
    EXPECT_EQ(hls.S, 240);
    EXPECT_EQ(hls.L, 120);
    EXPECT_EQ(controls::HlsFromRgb(red).L, 101);
    // A greyish blue gets lighter.
    const QColor grey = controls::LightenColor(QColor(100, 110, 120), 19, palette);
    EXPECT_GT(grey.lightness(), QColor(100, 110, 120).lightness());
    // The button face with 19 is the button highlight.
    EXPECT_EQ(controls::LightenColor(palette.color(QPalette::Button), 19, palette),
              palette.color(QPalette::Light));
    for (const QColor colour : {QColor(10, 36, 106), QColor(200, 100, 50), QColor(0, 255, 0)}) {
        const QColor back = controls::RgbFromHls(controls::HlsFromRgb(colour));
        EXPECT_NEAR(back.red(), colour.red(), 2);
        EXPECT_NEAR(back.green(), colour.green(), 2);
        EXPECT_NEAR(back.blue(), colour.blue(), 2);
    }
}

} // namespace
} // namespace zephyr::uitest
