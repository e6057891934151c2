// A renderer that dies is not the end: the page it showed comes back where
// the reader was, the history untouched, and a note says what happened.
#include "real_program.h"
#include "ui_fixture.h"

#include "ui/search/search_panel.h"
#include "ui/web_engine/web_engine_viewer.h"

#include <QLabel>
#include <QWebEngineView>

#include <signal.h>

namespace zephyr::uitest {
namespace {

class RendererRecovery : public RealProgram {
protected:
    static qint64 RendererOf(const ui::WebEngineViewer* viewer) {
        return viewer->View()->page()->renderProcessPid();
    }
    // Ends the viewer's renderer as the system would, and waits for another.
    static void KillRenderer(const ui::WebEngineViewer* viewer) {
        const qint64 pid = RendererOf(viewer);
        ASSERT_GT(pid, 0);
        ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
        ASSERT_TRUE(WaitInEventLoop(
            [&] { return RendererOf(viewer) > 0 && RendererOf(viewer) != pid; }, kWaitMs))
            << "no new renderer after " << pid << " was killed";
    }
    static QString NoteOf(ui::WebEngineViewer* viewer) {
        const auto* note = viewer->Widget()->findChild<QLabel*>(QStringLiteral("TransientNote"));
        return note != nullptr && note->isVisible() ? note->text() : QString();
    }
};

TEST_F(RendererRecovery, TheDocumentComesBackWhereTheReaderWasWithItsHistory) {
    Start(copy_->Path());
    Trigger("Action2");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    Eval(QStringLiteral("window.scrollTo(0, 240); true"));
    ASSERT_TRUE(WaitInEventLoop([this] { return viewer_->ScrollTop() == 240; }, kWaitMs));
    const auto history = window_->NavHistory().size();

    KillRenderer(viewer_);
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    EXPECT_TRUE(WaitInEventLoop([this] { return viewer_->ScrollTop() == 240; }, kWaitMs))
        << "the page came back at " << viewer_->ScrollTop();
    EXPECT_TRUE(Eval(QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("Таверны")));
    EXPECT_EQ(NoteOf(viewer_), QStringLiteral("Просмотрщик документов перезапущен"));
    EXPECT_EQ(window_->NavHistory().size(), history);
}

TEST_F(RendererRecovery, AWrittenArticleComesBackAsItWas) {
    Start(copy_->Path());
    Trigger("Action4");
    auto* article = dynamic_cast<ui::WebEngineViewer*>(window_->Search()->ArticleViewer());
    ASSERT_NE(article, nullptr);
    const auto text = [&] {
        return Eval(article, QStringLiteral("document.body.innerText")).toString();
    };
    const auto settled = [article] {
        return !article->View()->page()->isLoading() && !article->Address().empty();
    };
    ASSERT_TRUE(WaitInEventLoop(settled, kWaitMs));
    const std::string first = article->Address();
    window_->Search()->ShowArticle(1);
    QString before;
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            before = settled() && article->Address() != first ? text() : QString();
            return !before.isEmpty();
        },
        kWaitMs));

    KillRenderer(article);
    EXPECT_TRUE(WaitInEventLoop([&] { return settled() && text() == before; }, kWaitMs))
        << "the article did not come back: " << text().toStdString() << " at "
        << article->Address();
    EXPECT_EQ(NoteOf(article), QStringLiteral("Просмотрщик документов перезапущен"));
}

} // namespace
} // namespace zephyr::uitest
