// The window comes before the browser engine: the program's viewers stand in
// until the engine's module is loaded after the window's first frame, and
// what the user asked meanwhile takes effect once the engine is up.
#include "real_program.h"
#include "ui_fixture.h"

#include "ui/search/search_panel.h"
#include "ui/shell/main_window.h"

#include <QLineEdit>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace zephyr::uitest {
namespace {

class EngineStart : public RealProgram {
protected:
    void SetUp() override {
        RealProgram::SetUp();
        engineModule_ = true;
    }

    // The engine's view inside a viewer, once the engine is up.
    static QWebEnginePage* PageIn(ui::HtmlViewer* viewer) {
        auto* view = viewer->Widget()->findChild<QWebEngineView*>();
        return view == nullptr ? nullptr : view->page();
    }
    // The page of `viewer` has finished loading an address ending in `page`.
    static bool Shows(ui::HtmlViewer* viewer, const QString& page) {
        QWebEnginePage* engine = PageIn(viewer);
        return engine != nullptr && engine->url().toString().endsWith(page) && !engine->isLoading();
    }
    QString Text(ui::HtmlViewer* viewer) {
        return Eval(PageIn(viewer), QStringLiteral("document.body.innerText")).toString();
    }
};

TEST_F(EngineStart, TheWindowIsUpBeforeTheEngineAndKeepsWhatItWasAsked) {
    Start(copy_->Path());
    ui::HtmlViewer* document = window_->WebBrowser1();
    // Shown, but no frame painted yet: no engine, stand-ins in its place.
    ASSERT_TRUE(window_->isVisible());
    ASSERT_FALSE(window_->ViewersStarted());
    ASSERT_EQ(PageIn(document), nullptr);

    // A document from the menu, then the dictionary by its key and a word.
    Trigger("Action2");
    QTest::keyClick(window_.get(), Qt::Key_L, Qt::ControlModifier);
    auto* field = window_->Search()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    ASSERT_NE(field, nullptr);
    ASSERT_FALSE(window_->Search()->isHidden());
    QTest::keyClicks(field, QStringLiteral("Ran"));
    ASSERT_FALSE(window_->ViewersStarted());

    ASSERT_TRUE(WaitInEventLoop([this] { return window_->ViewersStarted(); }, kWaitMs));
    ASSERT_TRUE(WaitInEventLoop([&] { return Shows(document, "guide_heroes.html"); }, kWaitMs))
        << document->Address();
    EXPECT_FALSE(CalculatorShown());
    ui::HtmlViewer* list = window_->Search()->ListViewer();
    ASSERT_TRUE(WaitInEventLoop([&] { return Shows(list, "") && !Text(list).isEmpty(); }, kWaitMs));
    EXPECT_TRUE(Text(list).contains(QStringLiteral("Range"))) << Text(list).toStdString();
    EXPECT_EQ(field->text(), QStringLiteral("Ran"));
    // The document the dictionary covers is there on the way back.
    QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("ImageNavBack")), Qt::LeftButton);
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            return Shows(document, "guide_heroes.html") &&
                   Text(document).contains(QStringLiteral("Таверны"));
        },
        kWaitMs));
}

TEST_F(EngineStart, TheStartPageComesByItselfInTheHistory) {
    Start(copy_->Path());
    const auto history = window_->NavHistory().size();
    ASSERT_TRUE(
        WaitInEventLoop([this] { return Shows(window_->WebBrowser1(), "Main.html"); }, kWaitMs));
    EXPECT_EQ(window_->NavHistory().size(), history);
    EXPECT_TRUE(CalculatorShown());
}

} // namespace
} // namespace zephyr::uitest
