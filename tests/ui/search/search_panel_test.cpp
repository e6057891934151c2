// The search panel driven through its widgets, against fake viewers.
#include "gesture_helpers.h"
#include "ui_fixture.h"

#include "controls/edit1.h"
#include "data/cp1251.h"
#include "dictionary/article_page.h"
#include "dictionary/search_hits.h"
#include "dictionary/search_page.h"
#include "ui/browser/link_protocol.h"
#include "ui/search/category_selector.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QTest>

namespace zephyr::uitest {
namespace {

class SearchPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        p_ = StartOn(SamplePackFolder());
        ASSERT_NE(p_.Window, nullptr);
        index_ = SearchIndex(Words());
    }
    const std::vector<TSlang>& Words() const { return p_.W().Catalog().SlangWords; }
    ui::SearchPanel& Panel() const { return *p_.W().Search(); }
    controls::Edit1* Edit() const { return Panel().SearchText(); }
    FakeViewer& List() const { return p_.Viewer("WebBrowser2"); }
    FakeViewer& Article() const { return p_.Viewer("WebBrowser3"); }
    void OpenDictionary() { p_.Window->findChild<QAction*>(QStringLiteral("Action4"))->trigger(); }
    // The panel shows exactly the core's pages for this query and area.
    void ExpectPagesFor(const std::string& query, int item) const {
        const std::vector<TSearchHit> hits = SearchHits(index_, query, item);
        ASSERT_FALSE(List().Pages.empty());
        EXPECT_EQ(List().Pages.back(), SearchListPage(hits));
        const int first = hits.empty() ? -1 : hits.front().Entry;
        EXPECT_EQ(Panel().ArticleEntry(), first);
        EXPECT_EQ(Article().Pages.back(), ArticlePage(Words(), first));
    }

    StartedProgram p_;
    SearchIndex index_;
};

TEST_F(SearchPanelTest, TheFirstListHoldsEveryTerm) {
    ASSERT_EQ(List().Pages.size(), 1u);
    ExpectPagesFor("", 0);
    std::size_t terms = 0;
    for (const TSlang& word : Words()) {
        terms += word.Terms.size();
    }
    EXPECT_EQ(Panel().Hits().size(), terms);
    EXPECT_TRUE(p_.Find<QWidget>("SearchScrollBox")->isHidden());
    EXPECT_EQ(p_.Find<QWidget>("WebBrowser2")->geometry(), QRect(18, 58, 229, 453));
    EXPECT_EQ(p_.Find<QWidget>("WebBrowser3")->geometry(), QRect(249, 58, 526, 453));
    EXPECT_EQ(Panel().Selector()->count(), 8);
}

TEST_F(SearchPanelTest, FramesAndSelectorEntriesAreDrawnByThePanel) {
    OpenDictionary();
    const QImage panel = p_.Find<QWidget>("SearchScrollBox")->grab().toImage();
    const QColor frame(0x81, 0x78, 0x79);
    for (const QPoint& at : {QPoint(16, 200), QPoint(17, 200), QPoint(247, 200), QPoint(100, 56),
                             QPoint(100, 57), QPoint(100, 511), QPoint(100, 512), QPoint(775, 200),
                             QPoint(776, 200), QPoint(500, 512)}) {
        EXPECT_EQ(panel.pixelColor(at), frame) << at.x() << "," << at.y();
    }
    for (const QPoint& at :
         {QPoint(18, 200), QPoint(246, 200), QPoint(100, 58), QPoint(774, 200)}) {
        EXPECT_EQ(panel.pixelColor(at), QColor(Qt::black)) << at.x() << "," << at.y();
    }

    ui::CategorySelector* selector = Panel().Selector();
    selector->showPopup();
    QAbstractItemView* list = selector->view();
    const QRect middle = list->visualRect(selector->model()->index(3, 0));
    const QRect last = list->visualRect(selector->model()->index(7, 0));
    EXPECT_EQ(middle.height(), ui::CategorySelector::kItemHeight);
    const QImage entries = list->viewport()->grab().toImage();
    const int y = middle.center().y();
    EXPECT_EQ(entries.pixelColor(middle.left(), y), QColor(Qt::white));
    EXPECT_EQ(entries.pixelColor(middle.right(), y), QColor(Qt::white));
    EXPECT_EQ(entries.pixelColor(middle.right() - 1, y), QColor(Qt::black));
    EXPECT_EQ(entries.pixelColor(middle.center().x(), last.bottom()), QColor(Qt::white));
    selector->hidePopup();
}

TEST_F(SearchPanelTest, EveryKeystrokeAndAreaChangeRebuildsBothPages) {
    OpenDictionary();
    EXPECT_TRUE(Edit()->hasFocus()); // the reader came to type
    QTest::keyClicks(Edit(), QStringLiteral("  ag"));
    ExpectPagesFor("  ag", 0);
    EXPECT_EQ(List().Pages.size(), 5u); // the first list and one per key
    Panel().Selector()->setCurrentIndex(7);
    ExpectPagesFor("  ag", 7);
    for (const TSearchHit& hit : Panel().Hits()) {
        EXPECT_EQ(Words()[static_cast<std::size_t>(hit.Entry)].Category, 6);
    }
    Edit()->clear();
    ExpectPagesFor("", 7);
}

TEST_F(SearchPanelTest, ARowShowsItsArticleAndForeignNumbersDoNothing) {
    OpenDictionary();
    List().Click("ShowInfo5");
    EXPECT_EQ(Panel().ArticleEntry(), 5);
    EXPECT_EQ(Article().Pages.back(), ArticlePage(Words(), 5));
    const std::size_t pages = Article().Pages.size();
    List().Click("ShowInfo" + std::to_string(Words().size()));
    List().Click("ShowInfo-1");
    List().Click("ShowInfo5x");
    List().Click("https://example.org/");
    EXPECT_EQ(Article().Pages.size(), pages);
    EXPECT_EQ(Panel().ArticleEntry(), 5);
    EXPECT_TRUE(p_.Opened->empty());
}

TEST_F(SearchPanelTest, ArticleLinksOpenDocumentsAndBackReturnsToThePanel) {
    OpenDictionary();
    QTest::keyClicks(Edit(), QStringLiteral("agi"));
    Article().Click("guide_heroes.html");
    EXPECT_TRUE(p_.Find<QWidget>("SearchScrollBox")->isHidden());
    EXPECT_EQ(p_.Viewer().Navigations.back(), "Data\\documents\\guide_heroes.html");
    EXPECT_EQ(p_.W().NavHistory().back().Url, "zephyrdex://app/Data/documents/guide_heroes.html");
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_FALSE(p_.Find<QWidget>("SearchScrollBox")->isHidden());
    EXPECT_EQ(Edit()->text(), QStringLiteral("agi"));
    // A calculator link in an article goes through the document viewer's rules.
    const std::string hero = ui::WithoutSpaces(p_.W().Catalog().Heroes.at(3).Name);
    Article().Click("calc_" + hero);
    EXPECT_FALSE(p_.Find<QWidget>("MainScrollBox")->isHidden());
    EXPECT_EQ(p_.W().Panel()->Calc()->State().CurrentHero, 4);
}

TEST_F(SearchPanelTest, AWrongLayoutIsOfferedAndTakenByAClick) {
    OpenDictionary();
    Edit()->setText(QStringLiteral("фпш")); // "agi" on the Russian layout
    EXPECT_TRUE(Panel().Hits().empty());
    QLabel* offer = Panel().Suggestion();
    ASSERT_FALSE(offer->isHidden());
    EXPECT_TRUE(offer->text().contains(QStringLiteral("Может быть: ")));
    EXPECT_TRUE(offer->text().contains(QStringLiteral("«agi»")));
    emit offer->linkActivated(QStringLiteral("0"));
    EXPECT_EQ(Edit()->text(), QStringLiteral("agi"));
    EXPECT_FALSE(Panel().Hits().empty());
    EXPECT_TRUE(offer->isHidden());
}

TEST_F(SearchPanelTest, NearMissesAreOfferedWhenNothingIsFound) {
    OpenDictionary();
    QTest::keyClicks(Edit(), QStringLiteral("agilyt"));
    ExpectPagesFor("agilyt", 0);
    QLabel* offer = Panel().Suggestion();
    ASSERT_FALSE(offer->isHidden());
    EXPECT_TRUE(offer->text().contains(QStringLiteral("Возможно: ")));
    EXPECT_TRUE(offer->text().contains(QStringLiteral(">Agility<")));
}

TEST_F(SearchPanelTest, DownAndUpWalkTheRowsAndShowTheirArticles) {
    OpenDictionary();
    QTest::keyClicks(Edit(), QStringLiteral("a"));
    const std::vector<TSearchHit> hits = Panel().Hits();
    ASSERT_GE(hits.size(), 3u);
    QTest::keyClick(Edit(), Qt::Key_Down);
    QTest::keyClick(Edit(), Qt::Key_Down);
    EXPECT_EQ(Panel().HighlightedRow(), 1);
    EXPECT_EQ(Panel().ArticleEntry(), hits[1].Entry);
    QTest::keyClick(Edit(), Qt::Key_Up);
    EXPECT_EQ(Panel().HighlightedRow(), 0);
    EXPECT_EQ(Panel().ArticleEntry(), hits[0].Entry);
    ASSERT_FALSE(List().Scripts.empty());
    EXPECT_NE(List().Scripts.back().find(")(0);"), std::string::npos);
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Panel().ArticleEntry(), hits[0].Entry);
    // The list page itself stays as the core made it.
    EXPECT_EQ(List().Pages.back(), SearchListPage(hits));
}

// A row clicked with the mouse is highlighted as one chosen with the keys,
// and the keys walk on from it.
TEST_F(SearchPanelTest, AClickedRowIsHighlightedAndTheKeysGoOnFromIt) {
    OpenDictionary();
    QTest::keyClicks(Edit(), QStringLiteral("a"));
    const std::vector<TSearchHit> hits = Panel().Hits();
    ASSERT_GE(hits.size(), 4u);
    List().Click("ShowInfo" + std::to_string(hits[2].Entry));
    EXPECT_EQ(Panel().HighlightedRow(), 2);
    ASSERT_FALSE(List().Scripts.empty());
    EXPECT_NE(List().Scripts.back().find(")(2);"), std::string::npos);
    QTest::keyClick(Edit(), Qt::Key_Down);
    EXPECT_EQ(Panel().HighlightedRow(), 3);
    EXPECT_EQ(Panel().ArticleEntry(), hits[3].Entry);
}

TEST_F(SearchPanelTest, AQueryWithNeitherHitsNorSuggestionsSaysSo) {
    OpenDictionary();
    QTest::keyClicks(Edit(), QStringLiteral("qqqqqqqqzx"));
    ExpectPagesFor("qqqqqqqqzx", 0);
    QLabel* offer = Panel().Suggestion();
    ASSERT_FALSE(offer->isHidden());
    EXPECT_TRUE(offer->text().endsWith(QStringLiteral("Ничего не найдено")));
    Edit()->clear();
    EXPECT_TRUE(offer->isHidden());
}

TEST_F(SearchPanelTest, CtrlLOpensTheDictionaryWithTheTextSelected) {
    OpenDictionary();
    QTest::keyClicks(Edit(), QStringLiteral("ag"));
    p_.Window->findChild<QAction*>(QStringLiteral("Action7"))->trigger();
    const std::size_t entries = p_.W().NavHistory().size();
    QTest::keyClick(p_.Find<QWidget>("MainScrollBox"), Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(p_.Find<QWidget>("SearchScrollBox")->isHidden());
    EXPECT_EQ(p_.W().NavHistory().size(), entries + 1);
    EXPECT_EQ(p_.W().NavHistory().back().Url, "dictionary");
    EXPECT_EQ(Edit()->selectedText(), QStringLiteral("ag"));
}

} // namespace
} // namespace zephyr::uitest
