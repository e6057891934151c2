// The document viewer's link protocol, the history and the menu commands,
// against the fake viewer.
#include "gesture_helpers.h"
#include "ui_fixture.h"

#include "ui/browser/link_protocol.h"

#include <QAction>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zephyr::uitest {
namespace {

const std::string kDocs = "zephyrdex://app/Data/documents/";

class Navigation : public ::testing::Test {
protected:
    void SetUp() override {
        p_ = StartOn(SamplePackFolder());
        ASSERT_NE(p_.Window, nullptr);
    }

    void Trigger(const char* action) {
        auto* a = p_.Window->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    std::vector<std::string> Urls() const {
        std::vector<std::string> urls;
        for (const auto& entry : p_.W().NavHistory()) {
            urls.push_back(entry.Url);
        }
        return urls;
    }
    bool CalculatorShown() const { return !p_.Find<QWidget>("MainScrollBox")->isHidden(); }
    bool SearchShown() const { return !p_.Find<QWidget>("SearchScrollBox")->isHidden(); }
    bool Enabled(const char* name) const { return p_.Find<QWidget>(name)->isEnabled(); }
    int CurrentHero() const { return p_.W().Panel()->Calc()->State().CurrentHero; }
    int HeroLevel() const { return p_.W().Panel()->Calc()->State().HeroLevel; }
    std::string HeroLink(int hero) const {
        return "calc_" + ui::WithoutSpaces(p_.W().Catalog().Heroes.at(hero - 1).Name);
    }
    FakeViewer& V() { return p_.Viewer(); }

    StartedProgram p_;
};

TEST_F(Navigation, TheStartPageOpensOutsideTheHistory) {
    ASSERT_EQ(V().Navigations, std::vector<std::string>{"Data\\documents\\Main.html"});
    EXPECT_EQ(V().Address(), kDocs + "Main.html");
    EXPECT_EQ(Urls(), std::vector<std::string>{"calc"});
    EXPECT_FALSE(Enabled("ImageNavBack"));
    Trigger("Action2");
    QTest::mouseClick(p_.Find<QWidget>("ImageNavBack"), Qt::LeftButton);
    // Back from the first step is the calculator, never the start page.
    EXPECT_TRUE(CalculatorShown());
    EXPECT_FALSE(Enabled("ImageNavBack"));
    EXPECT_TRUE(Enabled("ImageNavNext"));
}

TEST_F(Navigation, ACalcLinkForTheCurrentHeroKeepsItsBuild) {
    Press(p_, QStringLiteral("ImageAbility1"));
    ASSERT_EQ(HeroLevel(), 1);
    Trigger("Action2");
    EXPECT_FALSE(CalculatorShown());
    V().Click(HeroLink(1));
    EXPECT_TRUE(CalculatorShown());
    EXPECT_EQ(HeroLevel(), 1); // not shown anew
    EXPECT_EQ(Urls(), (std::vector<std::string>{"calc", kDocs + "guide_heroes.html", HeroLink(1)}));
    // The viewer keeps its page beneath the panel.
    EXPECT_EQ(V().Address(), kDocs + "guide_heroes.html");
}

TEST_F(Navigation, HeroNamesAreComparedWithoutTheirSpaces) {
    const std::string name = p_.W().Catalog().Heroes.at(1).Name;
    ASSERT_NE(name.find(' '), std::string::npos);
    Trigger("Action2");
    V().Click("calc_" + name); // spaces kept: no hero
    EXPECT_FALSE(CalculatorShown());
    EXPECT_EQ(CurrentHero(), 1);
    V().Click("calcX" + ui::WithoutSpaces(name)); // the fifth character is not looked at
    EXPECT_TRUE(CalculatorShown());
    EXPECT_EQ(CurrentHero(), 2);
    EXPECT_EQ(Urls().size(), 4u); // both links are recorded
}

TEST_F(Navigation, BackCalcAndDocumentsNamedLikeCalcLinks) {
    Trigger("Action6");
    V().Click("BackCalc");
    EXPECT_TRUE(CalculatorShown());
    Trigger("Action6");
    V().Click("calculator.html"); // a calc link, naming no hero
    EXPECT_FALSE(CalculatorShown());
    EXPECT_EQ(V().Address(), kDocs + "articles.html");
    EXPECT_EQ(Urls().back(), "calculator.html");
}

TEST_F(Navigation, WebLinksLeaveTheProgramAndTheHistoryAlone) {
    Trigger("Action5");
    const auto before = Urls();
    V().Click("http://example.org/a");
    V().Click("https://example.org/b");
    ASSERT_EQ(p_.Opened->size(), 2u);
    EXPECT_EQ((*p_.Opened)[0], QUrl(QStringLiteral("http://example.org/a")));
    EXPECT_EQ((*p_.Opened)[1], QUrl(QStringLiteral("https://example.org/b")));
    EXPECT_EQ(Urls(), before);
    EXPECT_EQ(V().Address(), kDocs + "guide_items.html");
}

TEST_F(Navigation, ANewLinkAfterBackDropsTheForwardEntries) {
    Trigger("Action2");
    V().Click("guide_items.html");
    V().Click("guide_creeps.html");
    Click(p_, QStringLiteral("ImageNavBack"));
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_EQ(V().Address(), kDocs + "guide_heroes.html");
    EXPECT_TRUE(Enabled("ImageNavNext"));
    Click(p_, QStringLiteral("ImageNavNext"));
    EXPECT_EQ(V().Address(), kDocs + "guide_items.html");
    V().Click("articles.html");
    EXPECT_FALSE(Enabled("ImageNavNext"));
    EXPECT_EQ(Urls(),
              (std::vector<std::string>{"calc", kDocs + "guide_heroes.html",
                                        kDocs + "guide_items.html", kDocs + "articles.html"}));
}

TEST_F(Navigation, MenuCommandsRecordAsTheirScreensRequire) {
    Trigger("Action2");
    Trigger("Action2"); // the same page again is a new step
    Trigger("Action4");
    Trigger("Action4"); // the dictionary only once
    EXPECT_TRUE(SearchShown());
    const auto before = Urls();
    ASSERT_EQ(before.size(), 4u);
    Trigger("Action3"); // help, a page of Data: a document of the history
    EXPECT_FALSE(SearchShown());
    EXPECT_FALSE(CalculatorShown());
    EXPECT_TRUE(p_.Opened->empty());
    EXPECT_EQ(V().Address(), kDocs + "help.html");
    ASSERT_EQ(Urls().size(), before.size() + 1);
    EXPECT_EQ(Urls().back(), kDocs + "help.html");
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_TRUE(SearchShown());
    Click(p_, QStringLiteral("ImageNavNext"));
    EXPECT_EQ(V().Address(), kDocs + "help.html");
    Trigger("Action11");
    EXPECT_FALSE(SearchShown());
    EXPECT_EQ(V().Address(), kDocs + "about.html");
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_EQ(V().Address(), kDocs + "help.html");
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_TRUE(SearchShown()); // the dictionary as it was left
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_FALSE(SearchShown());
    EXPECT_FALSE(CalculatorShown());
}

TEST_F(Navigation, TheCalculatorButtonsOpenTheirDocuments) {
    Press(p_, QStringLiteral("ImageEx2"));
    const std::string heroPage = "Data\\documents\\Main.html?pageid=heroes&heroid=" +
                                 ui::WithoutSpaces(p_.W().Catalog().Heroes.at(0).Name);
    EXPECT_EQ(V().Navigations.back(), heroPage);
    EXPECT_FALSE(CalculatorShown());
    EXPECT_EQ(Urls().back(), kDocs + heroPage.substr(15));
    Trigger("Action7");
    Press(p_, QStringLiteral("ImageEx6"));
    EXPECT_EQ(V().Navigations.back(), "Data\\documents\\formulas.html");
    Click(p_, QStringLiteral("ImageNavLink"));
    ASSERT_EQ(p_.Opened->size(), 1u);
    EXPECT_EQ((*p_.Opened)[0], QUrl(QStringLiteral("https://zephyrdex.example/")));
}

TEST_F(Navigation, OffsetsComeBackWithTheirPages) {
    Trigger("Action2");
    V().ScrollTo(300);
    V().Click("guide_items.html");
    V().ScrollTo(120);
    V().Click(HeroLink(1));
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_EQ(V().Scrolls, std::vector<int>{120});
    Click(p_, QStringLiteral("ImageNavBack"));
    EXPECT_EQ(V().Scrolls, (std::vector<int>{120, 300}));
    EXPECT_EQ(V().ScrollTop(), 300);
}

TEST_F(Navigation, QuickStepsApplyOnlyTheLastOffset) {
    Trigger("Action2");
    V().ScrollTo(100);
    V().Click("guide_items.html");
    V().ScrollTo(200);
    V().Click("guide_creeps.html");
    V().FinishAtOnce = false;
    Click(p_, QStringLiteral("ImageNavBack"));
    Click(p_, QStringLiteral("ImageNavBack")); // before the first step's page came
    V().Finish();
    EXPECT_EQ(V().Address(), kDocs + "guide_heroes.html");
    EXPECT_EQ(V().Scrolls, std::vector<int>{100});
    // A link followed while a step's page loads drops the step's offset.
    Click(p_, QStringLiteral("ImageNavNext"));
    V().Click("articles.html");
    V().Finish();
    EXPECT_TRUE(V().Scrolls == std::vector<int>{100});
    EXPECT_EQ(Urls().back(), kDocs + "articles.html");
}

TEST_F(Navigation, KeysAndMouseButtonsWalkTheSameHistory) {
    Trigger("Action2");
    V().Click("guide_items.html");
    QWidget* viewer = p_.Find<QWidget>("WebBrowser1");
    QTest::keyClick(viewer, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(V().Address(), kDocs + "guide_heroes.html");
    QTest::mouseClick(viewer, Qt::ForwardButton);
    EXPECT_EQ(V().Address(), kDocs + "guide_items.html");
    QTest::mouseClick(viewer, Qt::BackButton);
    QTest::mouseClick(viewer, Qt::BackButton);
    EXPECT_TRUE(CalculatorShown());
    QTest::keyClick(p_.Find<QWidget>("MainScrollBox"), Qt::Key_Right, Qt::AltModifier);
    EXPECT_FALSE(CalculatorShown());
    EXPECT_EQ(p_.W().NavIndex(), 1);
}

TEST_F(Navigation, ReadingKeysActOnlyOnADocument) {
    QTest::keyClick(p_.Window.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(p_.Window.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(V().FindBarOpened, 0);
    EXPECT_TRUE(V().Zooms.empty());
    Trigger("Action2");
    QWidget* viewer = p_.Find<QWidget>("WebBrowser1");
    QTest::keyClick(viewer, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(viewer, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(viewer, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(viewer, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(V().FindBarOpened, 1);
    EXPECT_EQ(V().Zooms, (std::vector<int>{1, -1, 0}));
}

// A pack whose help entry names `help` (a path inside the pack's folder).
std::unique_ptr<PackCopy> PackWithHelp(const std::string& help, const std::string& contents) {
    auto copy = std::make_unique<PackCopy>(SamplePackFolder(), std::vector<std::string>{});
    const std::filesystem::path table = copy->Path() / "Data" / "Address.dat";
    std::ifstream in(table, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    const std::string entry = "Data\\documents\\help.html";
    text.replace(text.find(entry), entry.size(), help);
    std::ofstream(table, std::ios::binary) << text;
    std::string file = help;
    std::replace(file.begin(), file.end(), '\\', '/');
    if (!contents.empty()) {
        std::ofstream(copy->Path() / file, std::ios::binary) << contents;
    }
    return copy;
}

TEST(HelpCommand, OtherFilesGoToTheDesktopAndAFailureIsSaid) {
    const auto copy = PackWithHelp("Data\\documents\\help.pdf", "%PDF-1.4\n");
    StartedProgram p = StartOn(copy->Path());
    ASSERT_NE(p.Window, nullptr);
    const std::size_t history = p.W().NavHistory().size();
    QAction* help = p.Window->findChild<QAction*>(QStringLiteral("Action3"));
    help->trigger();
    ASSERT_EQ(p.Opened->size(), 1u);
    EXPECT_TRUE((*p.Opened)[0].path().endsWith(QStringLiteral("documents/help.pdf")));
    EXPECT_TRUE(p.Messages->isEmpty());
    EXPECT_EQ(p.W().NavHistory().size(), history);

    *p.DesktopOpens = false; // "Unable to detect a launcher"
    help->trigger();
    ASSERT_EQ(p.Messages->size(), 1);
    EXPECT_TRUE(p.Messages->front().startsWith(QStringLiteral("Не удалось открыть")))
        << p.Messages->front().toStdString();
    EXPECT_TRUE(p.Messages->front().contains(QStringLiteral("help.pdf")));
    EXPECT_EQ(p.W().NavHistory().size(), history);
}

TEST(HelpCommand, AMissingHelpFileIsSaid) {
    const auto copy = PackWithHelp("Data\\documents\\absent.html", "");
    StartedProgram p = StartOn(copy->Path());
    ASSERT_NE(p.Window, nullptr);
    p.Window->findChild<QAction*>(QStringLiteral("Action3"))->trigger();
    EXPECT_TRUE(p.Opened->empty());
    ASSERT_EQ(p.Messages->size(), 1);
    EXPECT_TRUE(p.Messages->front().contains(QStringLiteral("absent.html")));
}

TEST(NavigationWithoutCalculator, CalcLinksAreRecordedAndShowNothing) {
    PackCopy copy(SamplePackFolder(), {"Data/Str.dat"});
    StartedProgram p = StartOn(copy.Path());
    ASSERT_NE(p.Window, nullptr);
    ASSERT_FALSE(p.W().CalculatorReady());
    p.Window->findChild<QAction*>(QStringLiteral("Action2"))->trigger();
    p.Viewer().Click("calc_" + ui::WithoutSpaces(p.W().Catalog().Heroes.at(1).Name));
    EXPECT_TRUE(p.Find<QWidget>("MainScrollBox")->isHidden());
    EXPECT_EQ(p.W().NavHistory().size(), 3u);
    EXPECT_EQ(p.Viewer().Address(), kDocs + "guide_heroes.html");
}

} // namespace
} // namespace zephyr::uitest
