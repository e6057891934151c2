// The document page a panel covers is dropped by the engine, and every way
// back to the documents brings it back as the reader left it, without a
// step of its own in the history.
#include "real_program.h"
#include "ui_fixture.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace zephyr::uitest {
namespace {

class HiddenPage : public RealProgram {
protected:
    QWebEnginePage::LifecycleState State() const {
        return viewer_->View()->page()->lifecycleState();
    }
    bool Dropped() const { return State() == QWebEnginePage::LifecycleState::Discarded; }
    void Back() {
        QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("ImageNavBack")),
                          Qt::LeftButton);
    }
};

TEST_F(HiddenPage, ACoveredDocumentIsDroppedAndComesBackWhereTheReaderLeftIt) {
    Start(copy_->Path());
    // The start page loads behind the calculator, and goes.
    EXPECT_TRUE(WaitInEventLoop([this] { return Dropped(); }, kWaitMs));

    Trigger("Action2");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    EXPECT_EQ(State(), QWebEnginePage::LifecycleState::Active);
    Eval(QStringLiteral("window.scrollTo(0, 300); true"));
    ASSERT_TRUE(WaitInEventLoop([this] { return viewer_->ScrollTop() == 300; }, kWaitMs));

    // The dictionary covers the document: its page goes.
    Trigger("Action4");
    ASSERT_TRUE(WaitInEventLoop([this] { return Dropped(); }, kWaitMs));
    const std::vector<ui::TNavHistory> history = window_->NavHistory();
    ASSERT_EQ(window_->NavIndex(), static_cast<int>(history.size()) - 1);
    const std::size_t loads = loaded_.size();

    // Back: the page again, at the same place, the history only stepped.
    Back();
    ASSERT_TRUE(WaitInEventLoop([&] { return LoadedSince(loads, "guide_heroes.html"); }, kWaitMs));
    EXPECT_TRUE(WaitInEventLoop([this] { return viewer_->ScrollTop() == 300; }, kWaitMs))
        << viewer_->ScrollTop();
    WaitInEventLoop([] { return false; }, 500); // nothing scrolls it further
    EXPECT_EQ(viewer_->ScrollTop(), 300);
    EXPECT_EQ(State(), QWebEnginePage::LifecycleState::Active);
    EXPECT_EQ(window_->NavHistory().size(), history.size());
    EXPECT_EQ(window_->NavIndex(), static_cast<int>(history.size()) - 2);
    EXPECT_TRUE(Eval(QStringLiteral("document.body.innerText.length > 0")).toBool());
}

} // namespace
} // namespace zephyr::uitest
