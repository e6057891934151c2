// The reader moves between documents with the mouse: links in the page, the
// navigation line of every document and the back button.
#include "x_input.h"
#include "x_program.h"

#include <QWebEngineView>

namespace zephyr::uitest {
namespace {

using DocumentLinkScenario = XProgram;

TEST_F(DocumentLinkScenario, LinksBetweenDocumentsOpenThemAndBackReturns) {
    StartShown();
    ClickMenu(QStringLiteral("Информация"), QStringLiteral("Герои"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));

    ClickLink(QStringLiteral("«Формулы калькулятора»"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("formulas.html"); }, kWaitMs))
        << viewer_->Address();
    EXPECT_TRUE(Eval(QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("Формулы калькулятора")));
    Screenshot("document-link-followed");

    // "Главная" in the navigation line: the main page, not a refusal.
    ClickLink(QStringLiteral("Главная"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("Main.html"); }, kWaitMs))
        << viewer_->Address();
    EXPECT_GT(Eval(QStringLiteral("document.querySelectorAll('a').length")).toInt(), 0);

    xinput::ClickMiddle(Child("ImageNavBack"));
    EXPECT_TRUE(WaitInEventLoop([this] { return Loaded("formulas.html"); }, kWaitMs))
        << viewer_->Address();
    xinput::ClickMiddle(Child("ImageNavBack"));
    EXPECT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs))
        << viewer_->Address();
}

// What the viewer cannot show is said on a page of ours, in Russian.
TEST_F(DocumentLinkScenario, ALinkToAMissingDocumentShowsOurPage) {
    std::filesystem::remove(copy_->Path() / "Data" / "documents" / "formulas.html");
    StartShown();
    ClickMenu(QStringLiteral("Информация"), QStringLiteral("Герои"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("guide_heroes.html"); }, kWaitMs));
    ClickLink(QStringLiteral("«Формулы калькулятора»"));
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("formulas.html"); }, kWaitMs));
    EXPECT_EQ(Eval(QStringLiteral("document.title")).toString(),
              QStringLiteral("Документ не найден"));
    EXPECT_TRUE(Eval(QStringLiteral("document.body.innerText"))
                    .toString()
                    .contains(QStringLiteral("formulas.html")));
    Screenshot("document-missing");
}

} // namespace
} // namespace zephyr::uitest
