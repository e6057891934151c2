// The document viewer on the real browser engine, offscreen.
#include "gesture_helpers.h"
#include "pack_builder.h"
#include "real_program.h"
#include "ui_fixture.h"

#include "controls/edit1.h"
#include "data/cp1251.h"
#include "ui/browser/link_protocol.h"
#include "ui/search/search_panel.h"
#include "ui/web_engine/find_bar.h"
#include "ui/web_engine/web_engine_viewer.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include <fstream>

namespace zephyr::uitest {
namespace {

class RealViewer : public RealProgram {};

TEST_F(RealViewer, ShowsADocumentInItsEncodingAndFollowsACalcLinkFromIt) {
    Start(copy_->Path());
    EXPECT_EQ(window_->NavHistory().size(), 1u);
    Trigger("Action2");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    EXPECT_TRUE(Eval(QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("Таверны")));
    const THero& hero = window_->Catalog().Heroes.at(2);
    const QString link = QString::fromStdString("calc_" + ui::WithoutSpaces(hero.Name));
    Eval(QStringLiteral("document.querySelector('a[href=\"%1\"]').click(); true").arg(link));
    ASSERT_TRUE(WaitInEventLoop([this] { return CalculatorShown(); }, kWaitMs));
    EXPECT_EQ(window_->Panel()->Calc()->State().CurrentHero, 3);
    ASSERT_EQ(window_->NavHistory().size(), 3u);
    EXPECT_EQ(window_->NavHistory()[2].Url, link.toStdString());
    // The page stays beneath the panel.
    EXPECT_TRUE(viewer_->Address().ends_with("guide_heroes.html"));
}

TEST_F(RealViewer, BackAndNextRestoreTheOffsetOfEachPage) {
    Start(copy_->Path());
    Trigger("Action2");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    Eval(QStringLiteral("window.scrollTo(0, 240); true"));
    ASSERT_TRUE(WaitInEventLoop([this] { return viewer_->ScrollTop() == 240; }, kWaitMs));
    Eval(QStringLiteral("document.querySelector('a[href=\"formulas.html\"]').click(); true"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("formulas.html"); }, kWaitMs));
    EXPECT_TRUE(WaitInEventLoop([this] { return viewer_->ScrollTop() == 0; }, kWaitMs));
    QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("ImageNavBack")), Qt::LeftButton);
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    EXPECT_TRUE(WaitInEventLoop([this] { return viewer_->ScrollTop() == 240; }, kWaitMs));
    QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("ImageNavNext")), Qt::LeftButton);
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("formulas.html"); }, kWaitMs));
    EXPECT_EQ(window_->NavHistory().size(), 3u);
    EXPECT_EQ(window_->NavIndex(), 2);
}

TEST_F(RealViewer, NetworkResourcesAreNeverFetchedAndFilesOutsideDataNeverServed) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString remote = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    WriteDocument(copy_->Path(), "remote.html",
                  QStringLiteral("<html><body><p>Локально</p><img src=\"%1a.png\">"
                                 "<script src=\"%1b.js\"></script><iframe src=\"%1c.html\">"
                                 "</iframe><link rel=\"stylesheet\" href=\"%1d.css\">"
                                 "</body></html>")
                      .arg(remote)
                      .toStdString());
    std::ofstream(copy_->Path() / "secret.html") << "<html><body>TOP SECRET</body></html>";
    Start(copy_->Path());
    window_->Panel()->hide(); // the documents' screen
    viewer_->Navigate("Data\\documents\\remote.html");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("remote.html"); }, kWaitMs));
    QTest::qWait(500);
    EXPECT_FALSE(server.hasPendingConnections());
    EXPECT_TRUE(opened_.empty()); // a frame's source is not a click
    // Only the reader's own click leaves, through the system browser.
    Eval(QStringLiteral("location.href = '%1x.html'; true").arg(remote));
    ASSERT_TRUE(WaitInEventLoop([this] { return !opened_.empty(); }, kWaitMs));
    EXPECT_EQ(opened_[0], QUrl(remote + QStringLiteral("x.html")));
    EXPECT_FALSE(server.hasPendingConnections());

    const std::size_t loads = loaded_.size();
    viewer_->Navigate("Data\\..\\secret.html");
    ASSERT_TRUE(WaitInEventLoop([&] { return LoadedSince(loads, "secret.html"); }, kWaitMs));
    const QString text = Eval(QStringLiteral("document.body.innerText")).toString();
    EXPECT_FALSE(text.contains(QStringLiteral("TOP SECRET")));
    EXPECT_TRUE(text.contains(QStringLiteral("Документ не найден")));
}

TEST_F(RealViewer, ANewWindowRequestOpensHereThroughTheHook) {
    WriteDocument(copy_->Path(), "blank.html",
                  "<html><body><a id=\"a\" target=\"_blank\" href=\"about.html\">о</a>"
                  "</body></html>");
    Start(copy_->Path());
    window_->Panel()->hide(); // the documents' screen
    viewer_->Navigate("Data\\documents\\blank.html");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("blank.html"); }, kWaitMs));
    Eval(QStringLiteral("document.getElementById('a').click(); true"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("about.html"); }, kWaitMs));
    ASSERT_EQ(window_->NavHistory().size(), 3u);
    EXPECT_TRUE(window_->NavHistory()[2].Url.ends_with("about.html"));
}

TEST_F(RealViewer, FindsTextInThePage) {
    Start(copy_->Path());
    Trigger("Action2");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    QTest::keyClick(viewer_->View(), Qt::Key_F, Qt::ControlModifier);
    ui::FindBar* bar = viewer_->Finder();
    ASSERT_TRUE(bar->isVisible());
    bar->Field()->insert(QStringLiteral("Таверн"));
    EXPECT_TRUE(WaitInEventLoop(
        [bar] { return bar->Result()->text().startsWith(QStringLiteral("1 из ")); }, kWaitMs))
        << bar->Result()->text().toStdString();
    bar->Field()->insert(QStringLiteral("щщщ"));
    EXPECT_TRUE(WaitInEventLoop(
        [bar] { return bar->Result()->text() == QStringLiteral("не найдено"); }, kWaitMs));
    QTest::keyClick(bar->Field(), Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(RealViewer, TheEngineOffersOnlyOurMenuAndKeepsNoHistoryOfItsOwn) {
    Start(copy_->Path());
    Trigger("Action2");
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    Eval(QStringLiteral("document.querySelector('a[href=\"formulas.html\"]').click(); true"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("formulas.html"); }, kWaitMs));
    // A script's history.back() would step around the program's history.
    Eval(QStringLiteral("history.back(); true"));
    QTest::qWait(200);
    EXPECT_TRUE(Loaded("formulas.html"));
    EXPECT_EQ(window_->NavHistory().size(), 3u);

    QStringList entries;
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&entries, &poll] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions()) {
                entries << action->text();
            }
            poll.stop();
            menu->close();
        }
    });
    poll.start(5);
    // A right click in the page, as the engine reports it.
    QTest::mouseClick(viewer_->View()->focusProxy(), Qt::RightButton, {}, QPoint(40, 40));
    WaitInEventLoop([&entries] { return !entries.isEmpty(); }, kWaitMs);
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Копировать"), QStringLiteral("Выделить всё")}));

    QTest::keyClick(viewer_->View()->focusProxy(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(viewer_->View()->zoomFactor(), 1.1);
    QTest::keyClick(viewer_->View()->focusProxy(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(viewer_->View()->zoomFactor(), 1.0);
}

class RealSearchPanel : public RealViewer {
protected:
    void Open() {
        Start(copy_->Path());
        Trigger("Action4");
        panel_ = window_->Search();
        list_ = dynamic_cast<ui::WebEngineViewer*>(panel_->ListViewer());
        article_ = dynamic_cast<ui::WebEngineViewer*>(panel_->ArticleViewer());
        ASSERT_NE(list_, nullptr);
        ASSERT_NE(article_, nullptr);
    }
    bool Settled(ui::WebEngineViewer* viewer) const { return !viewer->View()->page()->isLoading(); }
    int Rows() {
        return Eval(list_, QStringLiteral("document.querySelectorAll('tr').length")).toInt();
    }
    QString ArticleText() {
        return Eval(article_, QStringLiteral("document.body.innerText")).toString();
    }

    ui::SearchPanel* panel_ = nullptr;
    ui::WebEngineViewer* list_ = nullptr;
    ui::WebEngineViewer* article_ = nullptr;
};

TEST_F(RealSearchPanel, AFastBurstEndsOnTheLastQuery) {
    Open();
    for (const char* query : {"a", "ag", "agi", "a", "ag"}) {
        panel_->SearchText()->setText(QString::fromLatin1(query));
    }
    const std::size_t hits = panel_->Hits().size();
    ASSERT_GE(hits, 2u);
    ASSERT_TRUE(WaitInEventLoop(
        [&] { return Settled(list_) && Settled(article_) && Rows() == static_cast<int>(hits); },
        kWaitMs));
    const TSlang& first =
        window_->Catalog().SlangWords.at(static_cast<std::size_t>(panel_->Hits().front().Entry));
    EXPECT_TRUE(ArticleText().contains(Utf8(first.Terms.front())));
}

TEST_F(RealSearchPanel, ARowClickShowsItsArticleAndAnArticleLinkItsDocument) {
    Open();
    const auto& words = window_->Catalog().SlangWords;
    int entry = -1;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!words[i].Links.empty() && !words[i].Links.front().Target.starts_with("calc")) {
            entry = static_cast<int>(i);
            break;
        }
    }
    ASSERT_GE(entry, 0);
    ASSERT_TRUE(WaitInEventLoop([&] { return Settled(list_) && Rows() > entry; }, kWaitMs));
    Eval(list_, QStringLiteral("document.querySelector('a[href=\"ShowInfo%1\"]').click(); true")
                    .arg(entry));
    ASSERT_TRUE(WaitInEventLoop([&] { return panel_->ArticleEntry() == entry; }, kWaitMs));
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            return Settled(article_) &&
                   ArticleText().contains(
                       Utf8(words[static_cast<std::size_t>(entry)].Links.front().Caption));
        },
        kWaitMs));
    Eval(article_, QStringLiteral("document.querySelector('a').click(); true"));
    const std::string target = words[static_cast<std::size_t>(entry)].Links.front().Target;
    ASSERT_TRUE(WaitInEventLoop([&] { return panel_->isHidden(); }, kWaitMs));
    EXPECT_TRUE(WaitInEventLoop([&] { return Loaded(target); }, kWaitMs)) << viewer_->Address();
    QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("ImageNavBack")), Qt::LeftButton);
    EXPECT_FALSE(panel_->isHidden());
    EXPECT_EQ(panel_->ArticleEntry(), entry);
}

} // namespace
} // namespace zephyr::uitest
