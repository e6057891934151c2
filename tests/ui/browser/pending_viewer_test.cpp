// The stand-in viewer keeps what it is asked until the engine's viewer comes,
// then hands it over in order, the hook asked once per navigation.
#include "fake_viewer.h"

#include "ui/browser/pending_viewer.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zephyr::uitest {
namespace {

constexpr char kGuide[] = "zephyrdex://app/Data/documents/guide.html";

class PendingViewerTest : public ::testing::Test {
protected:
    PendingViewerTest() {
        pending_.SetBeforeNavigate([this](const std::string& address, bool& cancel) {
            asked_.push_back(address);
            cancel = address.find("refused") != std::string::npos;
        });
        pending_.SetLoadFinished([this] { ++finished_; });
    }

    // The engine's viewer arrives, made where the program makes it.
    FakeViewer* Attach() {
        auto real = std::make_unique<FakeViewer>(pending_.Widget(), pending_.Name());
        FakeViewer* fake = real.get();
        pending_.Attach(std::move(real));
        return fake;
    }

    QWidget window_;
    ui::PendingViewer pending_{&window_, QStringLiteral("WebBrowser1")};
    std::vector<std::string> asked_;
    int finished_ = 0;
};

TEST_F(PendingViewerTest, RequestsWaitAndArriveInTheirOrder) {
    pending_.Navigate("Data\\documents\\guide.html");
    pending_.Navigate("Data\\documents\\refused.html");
    pending_.Zoom(1);
    pending_.FindWords(QStringLiteral("оглушение"));
    // The hook hears of each navigation at once, as from the engine's viewer.
    EXPECT_EQ(asked_,
              (std::vector<std::string>{kGuide, "zephyrdex://app/Data/documents/refused.html"}));
    EXPECT_EQ(pending_.Address(), kGuide);
    EXPECT_EQ(pending_.ScrollTop(), 0);
    EXPECT_EQ(finished_, 0);

    FakeViewer* real = Attach();
    // The refused one never goes; the allowed one passes the hook once only.
    EXPECT_EQ(real->Navigations, std::vector<std::string>{"Data\\documents\\guide.html"});
    EXPECT_EQ(asked_.size(), 2U);
    EXPECT_EQ(real->Zooms, std::vector<int>{1});
    EXPECT_EQ(real->WordsFound, std::vector<QString>{QStringLiteral("оглушение")});
    EXPECT_EQ(pending_.Address(), kGuide);
    EXPECT_EQ(finished_, 1);
    EXPECT_EQ(real->Widget()->parentWidget(), pending_.Widget());
}

TEST_F(PendingViewerTest, AWrittenPageReplacesTheNavigationBeforeIt) {
    pending_.Navigate("Data\\documents\\guide.html");
    pending_.WritePage("<p>list</p>");
    pending_.ScrollBy(40);
    pending_.RunScript("mark()");
    EXPECT_EQ(pending_.Address(), "");
    EXPECT_EQ(pending_.PageBase(), "zephyrdex://app/pages/WebBrowser1/");

    FakeViewer* real = Attach();
    EXPECT_EQ(real->Pages, std::vector<std::string>{"<p>list</p>"});
    EXPECT_EQ(real->Address(), real->PageBase() + "page1");
    EXPECT_EQ(pending_.PageBase(), real->PageBase());
    EXPECT_EQ(real->Scrolls, std::vector<int>{40});
    EXPECT_EQ(real->Scripts, std::vector<std::string>{"mark()"});
}

TEST_F(PendingViewerTest, OnceAttachedEverythingPassesThroughAndLinksReachTheHook) {
    FakeViewer* real = Attach();
    pending_.Navigate("Data\\documents\\guide.html");
    EXPECT_EQ(asked_, std::vector<std::string>{kGuide});
    EXPECT_EQ(real->Address(), kGuide);
    EXPECT_EQ(finished_, 1);

    // A click in the page asks the program's hook, which may refuse it.
    real->Click("refused.html");
    EXPECT_EQ(asked_.back(), "zephyrdex://app/Data/documents/refused.html");
    EXPECT_EQ(pending_.Address(), kGuide);
    real->Click("other.html");
    EXPECT_EQ(pending_.Address(), "zephyrdex://app/Data/documents/other.html");
    EXPECT_EQ(finished_, 2);
    pending_.OpenFindBar();
    EXPECT_EQ(real->FindBarOpened, 1);
}

TEST_F(PendingViewerTest, WithoutAnEngineThePlaceSaysWhyAndNothingWaits) {
    pending_.Navigate("Data\\documents\\guide.html");
    pending_.ShowProblem(QStringLiteral("Просмотрщик документов не запустился: нет файла"));
    const auto* problem =
        pending_.Widget()->findChild<QWidget*>(QStringLiteral("WebBrowser1Problem"));
    ASSERT_NE(problem, nullptr);
    EXPECT_EQ(problem->property("text").toString(),
              QStringLiteral("Просмотрщик документов не запустился: нет файла"));
}

} // namespace
} // namespace zephyr::uitest
