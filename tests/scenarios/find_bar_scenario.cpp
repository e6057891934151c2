// Finding in a document: the match stays in view above the find bar, and
// closing the bar leaves the reader where the match was.
#include "x_input.h"
#include "x_program.h"

#include <QWebEngineView>

namespace zephyr::uitest {
namespace {

using FindBarScenario = XProgram;

TEST_F(FindBarScenario, EscKeepsThePlaceOfTheMatch) {
    StartShown();
    ClickMenu(QStringLiteral("Информация"), QStringLiteral("Статьи"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("articles.html"); }, kWaitMs));
    ClickLink(QStringLiteral("«Формулы калькулятора»"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("formulas.html"); }, kWaitMs));
    ASSERT_EQ(ScrollY(), 0);

    xinput::Key(QStringLiteral("ctrl+f"));
    QWidget* bar = viewer_->Widget()->findChild<QWidget*>(QStringLiteral("FindBar"));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(WaitInEventLoop([bar] { return bar->isVisible(); }, 5000));
    // The last section of the page, far below the first screen.
    xinput::Type(QStringLiteral("Umbral"));
    ASSERT_TRUE(WaitInEventLoop([this] { return ScrollY() > 0; }, 5000))
        << "no scroll to the match";
    WaitInEventLoop([] { return false; }, 500);
    const int at = ScrollY();
    // The view ends where the bar begins: the match is not under the bar.
    const QWidget* view = viewer_->View();
    EXPECT_LE(view->mapToGlobal(QPoint(0, view->height())).y(), bar->mapToGlobal(QPoint(0, 0)).y());
    Screenshot("find-bar-open");

    xinput::Key(QStringLiteral("Escape"));
    ASSERT_TRUE(WaitInEventLoop([bar] { return !bar->isVisible(); }, 5000));
    WaitInEventLoop([] { return false; }, 500);
    EXPECT_NEAR(ScrollY(), at, bar->height() + 2) << "Esc moved the page from " << at;
    Screenshot("find-bar-closed");
}

} // namespace
} // namespace zephyr::uitest
