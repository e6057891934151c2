// The search over everything from the window: Ctrl+K, results grouped as
// they are typed, the keys and the mouse, and each kind of result opening
// where it lives, through the history.
#include "ui_fixture.h"

#include "data/cp1251.h"
#include "ui/find/find_index_loader.h"
#include "ui/find/find_window.h"
#include "ui/search/search_panel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace zephyr::uitest {
namespace {

constexpr int kWaitMs = 20000;

class FindWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        p_ = StartOn(SamplePackFolder());
        W().show();
        W().activateWindow();
        ASSERT_TRUE(
            WaitInEventLoop([this] { return QApplication::activeWindow() == &W(); }, kWaitMs));
    }
    ui::MainWindow& W() { return p_.W(); }
    ui::FindWindow& Finder() { return *W().Finder(); }

    // Ctrl+K, then the query typed into the field.
    void Ask(const QString& query) {
        QTest::keyClick(&W(), Qt::Key_K, Qt::ControlModifier);
        ASSERT_TRUE(WaitInEventLoop([this] { return Finder().isVisible(); }, kWaitMs))
            << "Ctrl+K showed no search";
        ASSERT_TRUE(
            WaitInEventLoop([this] { return W().FindLoader()->Index() != nullptr; }, kWaitMs));
        Finder().Field()->clear();
        Finder().Field()->insert(query);
    }
    void Key(Qt::Key key) { QTest::keyClick(Finder().Field(), key); }

    // What the list shows, row by row: group captions as "# caption",
    // results by their plain text's first words.
    QStringList Rows() {
        QStringList rows;
        for (int r = 0; r < Finder().Results()->count(); ++r) {
            const QListWidgetItem* item = Finder().Results()->item(r);
            rows << ((item->flags() & Qt::ItemIsSelectable)
                         ? item->data(Qt::AccessibleTextRole).toString().section('.', 0, 0)
                         : QStringLiteral("# ") + item->text());
        }
        return rows;
    }
    QString Current() {
        const QListWidgetItem* item = Finder().Results()->currentItem();
        return item == nullptr ? QString()
                               : item->data(Qt::AccessibleTextRole).toString().section('.', 0, 0);
    }
    std::string LastHistory() { return W().NavHistory()[W().NavIndex()].Url; }

    StartedProgram p_;
};

TEST_F(FindWindowTest, ResultsAreGroupedTheBestGroupFirstAndTheKeysWalkOnlyResults) {
    Ask(QStringLiteral("Stormglass"));
    const QStringList rows = Rows();
    ASSERT_GE(rows.size(), 4);
    // The item whose name starts so leads; its group comes first.
    EXPECT_EQ(rows[0], QStringLiteral("# Предметы"));
    EXPECT_EQ(rows[1], QStringLiteral("Stormglass Rod - Charged"));
    EXPECT_TRUE(rows.contains(QStringLiteral("# Словарь")));
    EXPECT_TRUE(rows.contains(QStringLiteral("# Документы")));
    EXPECT_EQ(Current(), rows[1]);
    // A snippet holds the word, highlighted.
    EXPECT_TRUE(Finder().Results()->item(1)->text().contains(QStringLiteral("Stormglass")));

    // Down walks past the captions, never onto them; Up at the top stays.
    Key(Qt::Key_Down);
    EXPECT_EQ(Current(), rows[2]);
    for (int k = 0; k < rows.size(); ++k) {
        Key(Qt::Key_Down);
        EXPECT_FALSE(Current().isEmpty());
        EXPECT_FALSE(Current().startsWith(QStringLiteral("# ")));
    }
    for (int k = 0; k < rows.size() + 2; ++k) {
        Key(Qt::Key_Up);
    }
    EXPECT_EQ(Current(), rows[1]);

    // Esc closes it; the window has the keyboard back.
    QTest::keyClick(Finder().Field(), Qt::Key_Escape);
    EXPECT_FALSE(Finder().isVisible());
}

TEST_F(FindWindowTest, AHeroOpensTheCalculatorThroughTheHistoryAndBackReturns) {
    Ask(QStringLiteral("cerys emberveil"));
    ASSERT_EQ(Current(), QStringLiteral("Cerys Emberveil"));
    const std::size_t before = W().NavHistory().size();
    Key(Qt::Key_Return);
    EXPECT_FALSE(Finder().isVisible());
    ASSERT_TRUE(W().Panel()->isVisible());
    const Calculator& calc = *W().Panel()->Calc();
    EXPECT_EQ(Utf8(calc.Catalog().Hero(calc.State().CurrentHero)->Name),
              QStringLiteral("Cerys Emberveil"));
    EXPECT_EQ(LastHistory(), "calc_CerysEmberveil");
    EXPECT_EQ(W().NavHistory().size(), before + 1);

    // Back steps to where the search was made from.
    const int index = W().NavIndex();
    QTest::keyClick(&W(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(W().NavIndex(), index - 1);
}

TEST_F(FindWindowTest, AnAbilityOpensItsHeroAndMarksItsPicture) {
    Ask(QStringLiteral("Flame Lash"));
    ASSERT_EQ(Rows().value(0), QStringLiteral("# Способности"));
    Key(Qt::Key_Return);
    const Calculator& calc = *W().Panel()->Calc();
    EXPECT_EQ(Utf8(calc.Catalog().Hero(calc.State().CurrentHero)->Name),
              QStringLiteral("Cerys Emberveil"));
    const QWidget* flash = W().Panel()->findChild<QWidget*>(QStringLiteral("AbilityFlash"));
    ASSERT_NE(flash, nullptr) << "the ability's picture is not marked";
    const QWidget* picture = W().Panel()->findChild<QWidget*>(QStringLiteral("ImageAbility1"));
    EXPECT_TRUE(flash->geometry().contains(picture->geometry()));
    EXPECT_TRUE(WaitInEventLoop(
        [this] {
            return W().Panel()->findChild<QWidget*>(QStringLiteral("AbilityFlash")) == nullptr;
        },
        kWaitMs))
        << "the mark stays";
}

TEST_F(FindWindowTest, AnItemOpensItsRowOfTheGuideWithItsNameLookedFor) {
    Ask(QStringLiteral("Ox-Hide Cuff"));
    ASSERT_EQ(Current(), QStringLiteral("Ox-Hide Cuff"));
    Key(Qt::Key_Return);
    ASSERT_FALSE(p_.Viewer().Navigations.empty());
    EXPECT_EQ(p_.Viewer().Navigations.back(), "Data/documents/guide_items.html#item_ox_hide_cuff");
    EXPECT_EQ(p_.Viewer().WordsFound, std::vector<QString>{QStringLiteral("Ox-Hide Cuff")});
    EXPECT_FALSE(W().Panel()->isVisible());
}

TEST_F(FindWindowTest, ATermOpensTheDictionaryOnItsArticle) {
    Ask(QStringLiteral("скоростями"));
    ASSERT_EQ(Rows().value(0), QStringLiteral("# Словарь"));
    const QString term = Current();
    // The mouse chooses as well as Enter.
    QListWidget* list = Finder().Results();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_FALSE(Finder().isVisible());
    ASSERT_TRUE(W().Search()->isVisible());
    EXPECT_EQ(LastHistory(), "dictionary");
    const std::vector<std::string>& pages = p_.Viewer("WebBrowser3").Pages;
    ASSERT_FALSE(pages.empty());
    EXPECT_TRUE(QString::fromStdString(Utf8FromCp1251(pages.back())).contains(term));
}

TEST_F(FindWindowTest, APassageOpensItsDocumentWithTheFoundWordInTheFindBar) {
    Ask(QStringLiteral("Порядок расчёта"));
    const QStringList rows = Rows();
    const qsizetype documents = rows.indexOf(QStringLiteral("# Документы"));
    ASSERT_GE(documents, 0);
    Finder().Results()->setCurrentRow(static_cast<int>(documents) + 1);
    Key(Qt::Key_Return);
    ASSERT_FALSE(p_.Viewer().Navigations.empty());
    EXPECT_EQ(p_.Viewer().Navigations.back(), "Data/documents/formulas.html");
    ASSERT_EQ(p_.Viewer().WordsFound.size(), 1u);
    EXPECT_EQ(p_.Viewer().WordsFound[0].toLower(), QStringLiteral("порядок"));
}

TEST_F(FindWindowTest, TheWrongLayoutAndNearMissesAreSaid) {
    Ask(QStringLiteral("ифыр"));
    EXPECT_EQ(Current(), QStringLiteral("Bash"));
    EXPECT_TRUE(Finder().Note()->isVisible());
    EXPECT_TRUE(Finder().Note()->text().contains(QStringLiteral("bash")));

    Finder().Field()->clear();
    Finder().Field()->insert(QStringLiteral("Brannok Ironvov"));
    EXPECT_EQ(Current(), QStringLiteral("Brannoc Ironvow"));
    EXPECT_TRUE(Finder().Note()->text().contains(QStringLiteral("Может быть")));

    Finder().Field()->clear();
    Finder().Field()->insert(QStringLiteral("qqqqzzzz"));
    EXPECT_EQ(Finder().Results()->count(), 0);
    EXPECT_EQ(Finder().Note()->text(), QStringLiteral("Ничего не найдено."));
}

TEST(FindWindowLoading, AQueryBeforeTheIndexIsBuiltIsAnsweredWhenItIs) {
    StartedProgram p = StartOn(SamplePackFolder());
    ui::FindIndexLoader loader(p.W().Catalog(),
                               DataLocation(SamplePackFolder().parent_path(), SamplePackFolder(),
                                            SamplePackFolder().parent_path()));
    ui::FindWindow window(&loader, nullptr);
    window.Ask(nullptr, QStringLiteral("Brannoc"));
    // Nothing can have come back yet: the answer arrives through the loop.
    EXPECT_EQ(window.Results()->count(), 0);
    EXPECT_TRUE(window.Note()->text().contains(QStringLiteral("строится")));
    ASSERT_TRUE(WaitInEventLoop([&] { return window.Results()->count() > 0; }, kWaitMs));
    EXPECT_FALSE(window.Note()->isVisible());
    EXPECT_TRUE(window.Results()->item(1)->text().contains(QStringLiteral("Brannoc Ironvow")));
}

} // namespace
} // namespace zephyr::uitest
