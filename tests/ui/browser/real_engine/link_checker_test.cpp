// Every link of every sample document, followed as the reader follows it: a
// mouse click in the page on the real engine, then "Назад". Links to other
// documents must end on their page, loaded and not refused; calc and
// BackCalc links open the calculator, build links open it on their build
// (the hero, the level and every gesture of the code, none refused), web
// links go to the desktop.
#include "real_program.h"

#include "ui/browser/document_address.h"
#include "ui/browser/link_protocol.h"
#include "ui/search/search_panel.h"

#include "engine/build_code.h"
#include "engine/calculator.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest-spi.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <regex>
#include <set>

namespace zephyr::uitest {
namespace {

const QString kRefused = QStringLiteral("Документ не найден");
const QString kFailed = QStringLiteral("Документ не открылся");

// The documents of the sample sources, by their path below Data/documents.
std::vector<std::string> SampleDocuments() {
    const std::filesystem::path root = std::filesystem::path(ZEPHYR_SAMPLE_SOURCES) / "documents";
    std::vector<std::string> documents{"Main.html"};
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file() && entry.path().extension() == ".html") {
            documents.push_back(entry.path().lexically_relative(root).generic_string());
        }
    }
    std::sort(documents.begin(), documents.end());
    return documents;
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            c = '_';
        }
    }
    return name;
}

struct PageLink {
    QString Href;   // as written
    QString Target; // as the page resolves it
    QPoint At;      // its middle in the viewport, once scrolled into view
};

// What a build link must show: the build its code holds, made anew on a
// calculator of its own. Problem says why the link holds no whole build.
struct ExpectedBuild {
    std::string Problem;
    BuildRecipe Recipe;
    BuildState State;
    HeroStats Stats;
};

ExpectedBuild ExpectBuild(const Catalogue& catalogue, const std::string& href) {
    ExpectedBuild expected;
    try {
        expected.Recipe = DecodeBuildCode(ui::BuildCodeOfLink(ui::LinkName(href)));
    } catch (const BuildCodeError& error) {
        expected.Problem = std::string("the link's build code is damaged: ") + error.what();
        return expected;
    }
    if (expected.Recipe.Gestures.empty()) {
        expected.Problem = "the link's build makes no gesture";
        return expected;
    }
    Calculator calc(catalogue);
    if (!ApplyGesture(calc, Gesture{GestureKind::ChooseHero, 0, 0, expected.Recipe.Hero})) {
        expected.Problem = "the link's build is of a hero the catalogue lacks: " +
                           Utf8(expected.Recipe.Hero).toStdString();
        return expected;
    }
    for (std::size_t k = 0; k < expected.Recipe.Gestures.size(); ++k) {
        if (!ApplyGesture(calc, expected.Recipe.Gestures[k])) {
            expected.Problem = "gesture " + std::to_string(k) + " of the link's build is refused";
            return expected;
        }
    }
    expected.State = calc.State();
    expected.Stats = calc.Stats();
    return expected;
}

class LinkChecker : public RealProgram {
protected:
    // The address the program keeps for a page: Data\documents\<name>.
    static std::string Stored(const std::string& name) {
        std::string stored = "Data\\documents\\" + name;
        std::replace(stored.begin(), stored.end(), '/', '\\');
        return stored;
    }

    // Shows a page as the menus do and waits for it.
    void Show(const std::string& stored) {
        // The document screen, as the menus bring it up over the calculator
        // the program starts on.
        window_->Panel()->hide();
        window_->Search()->hide();
        viewer_->Navigate(stored);
        const std::string shown = ui::DocumentUrl(stored).toString().toStdString();
        ASSERT_TRUE(WaitInEventLoop(
            [&] { return viewer_->Address() == shown && !viewer_->View()->page()->isLoading(); },
            kWaitMs))
            << stored;
    }

    // The program's history, for failure messages.
    std::string HistoryText() const {
        std::string text = "; history at " + std::to_string(window_->NavIndex()) + ":";
        for (const ui::TNavHistory& step : window_->NavHistory()) {
            text += " " + step.Url;
        }
        return text;
    }

    int LinkCount(ui::WebEngineViewer* viewer) {
        return Eval(viewer, QStringLiteral("document.querySelectorAll('a[href]').length")).toInt();
    }

    // The links of a page its scripts are still building come a moment after
    // the load: the count once it holds still.
    int SettledLinkCount(ui::WebEngineViewer* viewer) {
        QElapsedTimer waited;
        waited.start();
        int count = LinkCount(viewer);
        while (waited.elapsed() < kWaitMs) {
            WaitInEventLoop([] { return false; }, 250);
            const int now = LinkCount(viewer);
            if (now == count) {
                break;
            }
            count = now;
        }
        return count;
    }

    // Back on a page that is shown again, its links come a moment later, and
    // a page that is loading anew has none for a moment.
    bool AwaitLinks(ui::WebEngineViewer* viewer, int count) {
        QElapsedTimer waited;
        waited.start();
        const auto ready = [&] {
            return !viewer->View()->page()->isLoading() && LinkCount(viewer) == count;
        };
        // Ready once is enough: a page the viewer loads again at once shows
        // the same links a moment later.
        bool seen = ready();
        while (!seen && waited.elapsed() < kWaitMs) {
            WaitInEventLoop([] { return false; }, 50);
            seen = ready();
        }
        return seen;
    }

    // Link `k` of a viewer's page, brought into view; nothing when it is not
    // shown.
    std::optional<PageLink> Link(int k) { return Link(viewer_, k); }
    std::optional<PageLink> Link(ui::WebEngineViewer* viewer, int k) {
        // The page may still be moving (a restored scroll offset after
        // "Назад"): the link is measured until it stands still.
        std::optional<PageLink> last;
        for (int tries = 0; tries < 20; ++tries) {
            std::optional<PageLink> now = Measure(viewer, k);
            if (!now || (last && now->At == last->At)) {
                return now;
            }
            last = now;
            WaitInEventLoop([] { return false; }, 60);
        }
        return last;
    }

    // Link `k`, scrolled into view when it is not in view.
    std::optional<PageLink> Measure(ui::WebEngineViewer* viewer, int k) {
        const QVariantList found =
            Eval(viewer,
                 QStringLiteral("(function(k){var a=document.querySelectorAll('a[href]')[k];"
                                "var r=a.getClientRects()[0];"
                                "if(r&&(r.top<0||r.bottom>window.innerHeight)){"
                                "a.scrollIntoView({block:'center'});r=a.getClientRects()[0];}"
                                "if(!r||r.width<1||r.height<1)return[];"
                                "return[a.getAttribute('href'),a.href,"
                                "Math.round(r.left+Math.min(r.width/2,8)),"
                                "Math.round(r.top+r.height/2)];})(%1)")
                     .arg(k))
                .toList();
        if (found.size() != 4) {
            return std::nullopt;
        }
        return PageLink{found[0].toString(), found[1].toString(),
                        QPoint(found[2].toInt(), found[3].toInt())};
    }

    // Clicks every shown link of the page at `stored` and checks where it led.
    void FollowEveryLink(const std::string& stored) {
        Show(stored);
        const QString page = viewer_->View()->page()->url().toString();
        const int count = SettledLinkCount(viewer_);
        for (int k = 0; k < count; ++k) {
            ASSERT_TRUE(AwaitLinks(viewer_, count)) << stored << " lost links";
            std::optional<PageLink> link = Link(k);
            if (!link) {
                continue;
            }
            SCOPED_TRACE(stored + " -> " + link->Href.toStdString());
            ++followed_;
            const int step = window_->NavIndex();
            const std::size_t handedOut = opened_.size();
            const std::string href = link->Href.toStdString();
            const std::size_t told = told_.size();
            const std::size_t loads = loaded_.size();
            ClickInPage(viewer_, link->At);
            if (href.starts_with("build_")) {
                const ExpectedBuild expected = ExpectBuild(window_->Catalog(), href);
                ASSERT_EQ(expected.Problem, "");
                const ui::CalculatorPanel* panel = window_->Panel();
                ASSERT_TRUE(WaitInEventLoop(
                    [&] { return CalculatorShown() && panel->Recipe() == expected.Recipe; },
                    kWaitMs))
                    << "the calculator does not show the link's build"
                    << (told_.size() > told ? ": " + told_.back().toStdString() : "");
                const BuildState& shown = panel->Calc()->State();
                const THero* hero = window_->Catalog().Hero(shown.CurrentHero);
                ASSERT_NE(hero, nullptr);
                EXPECT_EQ(Utf8(hero->Name), Utf8(expected.Recipe.Hero));
                EXPECT_EQ(shown.HeroLevel, expected.State.HeroLevel);
                // What the build is and shows; the kinds of parameters no
                // ability uses may remain from an earlier hero.
                EXPECT_TRUE(shown.SkillPicks == expected.State.SkillPicks &&
                            shown.ItemSlots == expected.State.ItemSlots &&
                            shown.AbilityActive == expected.State.AbilityActive &&
                            shown.SlotActive == expected.State.SlotActive &&
                            panel->Calc()->Stats() == expected.Stats)
                    << "the calculator's build differs from the one the link's gestures make";
                EXPECT_EQ(panel->BuildCode().toStdString(), href.substr(6));
                EXPECT_EQ(told_.size(), told) << told_.back().toStdString();
                ++builds_;
            } else if (href.starts_with("calc_") || href == "BackCalc") {
                ASSERT_TRUE(WaitInEventLoop([this] { return CalculatorShown(); }, kWaitMs));
                if (href.starts_with("calc_")) {
                    const THero* hero =
                        window_->Catalog().Hero(window_->Panel()->Calc()->State().CurrentHero);
                    ASSERT_NE(hero, nullptr);
                    EXPECT_EQ("calc_" + ui::WithoutSpaces(hero->Name), href);
                }
            } else if (href.starts_with("http://") || href.starts_with("https://")) {
                ASSERT_TRUE(
                    WaitInEventLoop([&] { return opened_.size() == handedOut + 1; }, kWaitMs));
                EXPECT_EQ(opened_.back(), QUrl(link->Target));
                EXPECT_EQ(window_->NavIndex(), step);
                continue; // the reader stays on the page
            } else {
                const QUrl target = QUrl(link->Target).adjusted(QUrl::RemoveFragment);
                // The address changes as the load is asked for, before the
                // engine is loading: another document counts once loaded.
                // A jump within the page loads nothing; a link to the page
                // itself loads it again.
                const bool samePage = QUrl(link->Target).hasFragment() &&
                                      target == QUrl(page).adjusted(QUrl::RemoveFragment);
                ASSERT_TRUE(WaitInEventLoop(
                    [&] {
                        return viewer_->View()->page()->url().adjusted(QUrl::RemoveFragment) ==
                                   target &&
                               !viewer_->View()->page()->isLoading() &&
                               (samePage ||
                                (loaded_.size() > loads &&
                                 loaded_.back().adjusted(QUrl::RemoveFragment) == target));
                    },
                    kWaitMs))
                    << "ended on " << viewer_->View()->page()->url().toString().toStdString();
                const QString title = Eval(QStringLiteral("document.title")).toString();
                EXPECT_NE(title, kRefused);
                EXPECT_NE(title, kFailed);
                EXPECT_FALSE(Eval(QStringLiteral("document.body.innerText")).toString().isEmpty());
                if (target == QUrl(page).adjusted(QUrl::RemoveFragment)) {
                    continue; // the same document: no page of its own to step back from
                }
            }
            // One step further in the history, which ends there.
            EXPECT_EQ(window_->NavIndex(), step + 1);
            EXPECT_EQ(window_->NavHistory().size(), static_cast<std::size_t>(step) + 2);
            // The way back is the reader's too.
            QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("ImageNavBack")),
                              Qt::LeftButton);
            ASSERT_TRUE(WaitInEventLoop(
                [&] {
                    return !CalculatorShown() &&
                           viewer_->View()->page()->url().toString() == page &&
                           !viewer_->View()->page()->isLoading();
                },
                kWaitMs))
                << "back on " << viewer_->View()->page()->url().toString().toStdString()
                << (CalculatorShown() ? ", calculator shown" : "") << HistoryText();
        }
    }

    int followed_ = 0;
    int builds_ = 0; // build links among them
};

class DocumentLinks : public LinkChecker, public ::testing::WithParamInterface<std::string> {};

TEST_P(DocumentLinks, EveryLinkLeadsWhereItSays) {
    Start(copy_->Path());
    FollowEveryLink(Stored(GetParam()));
    EXPECT_GT(followed_, 0);
    RecordProperty("LinksFollowed", followed_);
    RecordProperty("BuildLinksFollowed", builds_);
    std::cout << "[ LINKS    ] " << GetParam() << ": " << followed_ << " followed, " << builds_
              << " of them builds\n";
}

INSTANTIATE_TEST_SUITE_P(SampleDocuments, DocumentLinks, ::testing::ValuesIn(SampleDocuments()),
                         TestName);

// The main document shows one hero at a time: every hero's page has links,
// a recommended build among them.
TEST_F(LinkChecker, EveryHeroPageOfTheMainDocument) {
    Start(copy_->Path());
    for (const THero& hero : window_->Catalog().Heroes) {
        const int builds = builds_;
        FollowEveryLink(Stored("Main.html?pageid=heroes&heroid=" + ui::WithoutSpaces(hero.Name)));
        EXPECT_GE(builds_, builds + 1) << Utf8(hero.Name).toStdString() << " has no build link";
    }
    EXPECT_GE(followed_, 3 * static_cast<int>(window_->Catalog().Heroes.size()));
    std::cout << "[ LINKS    ] hero pages: " << followed_ << " followed, " << builds_
              << " of them builds\n";
}

// The checker itself: a build link whose code is damaged fails it, and the
// whole link before it on the same page passes.
TEST_F(LinkChecker, FailsOnADamagedBuildLink) {
    Start(copy_->Path());
    const BuildRecipe recipe{window_->Catalog().Heroes.front().Name,
                             {Gesture{GestureKind::LevelUp, 1, 0, {}}}};
    const std::string whole = EncodeBuildCode(recipe);
    std::string damaged = whole;
    char& changed = damaged[damaged.size() / 2];
    changed = changed == 'A' ? 'B' : 'A';
    WriteDocument(copy_->Path(), "builds.html",
                  "<html><body><p><a href=\"build_" + whole +
                      "\">Целая сборка</a></p>"
                      "<p><a href=\"build_" +
                      damaged + "\">Испорченная сборка</a></p></body></html>");
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        FollowEveryLink(Stored("builds.html"));
    }
    EXPECT_EQ(followed_, 2);
    EXPECT_EQ(builds_, 1);
    ASSERT_GT(failures.size(), 0);
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("damaged"),
              std::string::npos)
        << failures.GetTestPartResult(0).message();
    for (int k = 0; k < failures.size(); ++k) {
        const std::string message = failures.GetTestPartResult(k).message();
        EXPECT_NE(message.find("-> build_" + damaged), std::string::npos) << message;
    }
}

// The dictionary's generated pages: every row of the list shows its article
// when clicked, and every link the articles hold leads where it says.
TEST_F(LinkChecker, EveryDictionaryRowAndArticleLink) {
    Start(copy_->Path());
    Trigger("Action4");
    ui::SearchPanel* panel = window_->Search();
    auto* list = dynamic_cast<ui::WebEngineViewer*>(panel->ListViewer());
    auto* article = dynamic_cast<ui::WebEngineViewer*>(panel->ArticleViewer());
    ASSERT_NE(list, nullptr);
    ASSERT_NE(article, nullptr);
    const auto settled = [](ui::WebEngineViewer* viewer) {
        return !viewer->View()->page()->isLoading();
    };
    // The list with an empty query holds every term, each article under
    // each of its terms: every article is shown once.
    const auto hits = panel->Hits();
    const int count = static_cast<int>(hits.size());
    ASSERT_TRUE(WaitInEventLoop([&] { return settled(list) && LinkCount(list) == count; }, kWaitMs))
        << LinkCount(list) << " links for " << count << " terms";
    std::set<QString> followedTargets;
    std::set<int> shown;
    int rows = 0;
    for (int k = 0; k < count; ++k) {
        const int entry = hits[static_cast<std::size_t>(k)].Entry;
        if (!shown.insert(entry).second) {
            continue;
        }
        const std::optional<PageLink> row = Link(list, k);
        ASSERT_TRUE(row) << "row " << k;
        ASSERT_EQ(row->Href, QStringLiteral("ShowInfo%1").arg(entry));
        ClickInPage(list, row->At);
        ASSERT_TRUE(WaitInEventLoop(
            [&] { return panel->ArticleEntry() == entry && settled(article); }, kWaitMs))
            << "row " << k;
        ++rows;
        const int links = LinkCount(article);
        for (int j = 0; j < links; ++j) {
            const std::optional<PageLink> link = Link(article, j);
            if (!link || !followedTargets.insert(link->Href).second) {
                continue;
            }
            SCOPED_TRACE("entry " + std::to_string(entry) + " -> " + link->Href.toStdString());
            ++followed_;
            const std::size_t handedOut = opened_.size();
            ClickInPage(article, link->At);
            const std::string href = link->Href.toStdString();
            if (href.starts_with("http://") || href.starts_with("https://")) {
                EXPECT_TRUE(
                    WaitInEventLoop([&] { return opened_.size() == handedOut + 1; }, kWaitMs));
                continue;
            }
            ASSERT_TRUE(WaitInEventLoop([&] { return panel->isHidden(); }, kWaitMs));
            if (href.starts_with("calc_")) {
                ASSERT_TRUE(WaitInEventLoop([this] { return CalculatorShown(); }, kWaitMs));
            } else {
                const std::string target = href.substr(0, href.find_first_of("?#"));
                ASSERT_TRUE(WaitInEventLoop(
                    [&] {
                        return viewer_->Address().find(target) != std::string::npos && Loaded("");
                    },
                    kWaitMs))
                    << viewer_->Address();
                const QString title = Eval(QStringLiteral("document.title")).toString();
                EXPECT_NE(title, kRefused);
                EXPECT_NE(title, kFailed);
            }
            QTest::mouseClick(window_->findChild<QWidget*>(QStringLiteral("ImageNavBack")),
                              Qt::LeftButton);
            ASSERT_TRUE(WaitInEventLoop([&] { return !panel->isHidden(); }, kWaitMs));
            ASSERT_EQ(panel->ArticleEntry(), entry);
            ASSERT_TRUE(
                WaitInEventLoop([&] { return settled(article) && settled(list); }, kWaitMs));
        }
    }
    EXPECT_EQ(rows, static_cast<int>(window_->Catalog().SlangWords.size()));
    EXPECT_GT(followed_, 0);
    std::cout << "[ LINKS    ] dictionary: " << rows << " rows, " << followed_
              << " article links followed\n";
}

// The static half: every local link of a sample document names a file of
// the pack (and the anchor it names there), every build link a whole code.
TEST(SampleDocumentLinks, NameFilesThatExist) {
    const std::filesystem::path documents = SamplePackFolder() / "Data" / "documents";
    const std::regex href("href=\"([^\"]*)\"");
    int checked = 0;
    int builds = 0;
    for (const std::string& name : SampleDocuments()) {
        std::ifstream in(documents / name, std::ios::binary);
        ASSERT_TRUE(in) << name;
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), href);
             it != std::sregex_iterator(); ++it) {
            std::string target = (*it)[1].str();
            if (target.starts_with("build_")) {
                EXPECT_NO_THROW(DecodeBuildCode(target.substr(6))) << name << " -> " << target;
                ++builds;
                continue;
            }
            if (target.starts_with("calc_") || target == "BackCalc" ||
                target.starts_with("http://") || target.starts_with("https://") ||
                target.starts_with("#")) {
                continue;
            }
            const std::size_t hash = target.find('#');
            const std::string anchor = hash == std::string::npos ? "" : target.substr(hash + 1);
            target = target.substr(0, target.find_first_of("?#"));
            const std::filesystem::path file =
                (documents / name).parent_path() / std::filesystem::path(target);
            EXPECT_TRUE(std::filesystem::is_regular_file(file)) << name << " -> " << target;
            if (!anchor.empty()) {
                std::ifstream page(file, std::ios::binary);
                const std::string reached((std::istreambuf_iterator<char>(page)),
                                          std::istreambuf_iterator<char>());
                EXPECT_NE(reached.find(" id=\"" + anchor + "\""), std::string::npos)
                    << name << " -> " << target << "#" << anchor;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
    // Every hero's page and the item builds article hold builds.
    EXPECT_GT(builds, 30);
}

} // namespace
} // namespace zephyr::uitest
