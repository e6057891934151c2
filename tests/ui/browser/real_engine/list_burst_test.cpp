// A burst of keys in the dictionary ends on the last key's list: no list of
// an earlier key is loaded after a later one.
#include "real_program.h"
#include "ui_fixture.h"

#include "ui/search/search_panel.h"
#include "ui/web_engine/web_engine_viewer.h"

#include <QLineEdit>
#include <QTest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

#include <vector>

namespace zephyr::uitest {
namespace {

class ListBurst : public RealProgram {
protected:
    QStringList Rows(ui::WebEngineViewer* list) {
        return Eval(list, QStringLiteral("document.body.innerText"))
            .toString()
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(ListBurst, EndsOnTheLastKeysListWithNoStaleListAfterIt) {
    Start(copy_->Path());
    Trigger("Action4");
    auto* list = dynamic_cast<ui::WebEngineViewer*>(window_->Search()->ListViewer());
    ASSERT_NE(list, nullptr);
    QWebEnginePage* page = list->View()->page();
    ASSERT_TRUE(WaitInEventLoop([page] { return !page->isLoading(); }, kWaitMs));

    // Written pages are numbered in the order they are written.
    std::vector<int> shown;
    QObject::connect(page, &QWebEnginePage::loadingChanged, window_.get(),
                     [&shown](const QWebEngineLoadingInfo& info) {
                         if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
                             shown.push_back(info.url().fileName().mid(4).toInt());
                         }
                     });
    auto* field = window_->Search()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    ASSERT_NE(field, nullptr);
    // Six keys, 5 ms apart: faster than the lists load.
    QTest::keyClicks(field, QStringLiteral("Ranged"), Qt::NoModifier, 5);
    const auto lastKeysList = [&] {
        const QStringList rows = Rows(list);
        return rows.contains(QStringLiteral("Ranged")) && !rows.contains(QStringLiteral("Range"));
    };
    ASSERT_TRUE(WaitInEventLoop([&] { return !page->isLoading() && lastKeysList(); }, kWaitMs))
        << Rows(list).join(QLatin1Char('|')).toStdString();
    // Whatever an earlier key left in flight has had its chance.
    QTest::qWait(500);

    EXPECT_TRUE(lastKeysList()) << Rows(list).join(QLatin1Char('|')).toStdString();
    ASSERT_FALSE(shown.empty());
    for (std::size_t k = 1; k < shown.size(); ++k) {
        EXPECT_LT(shown[k - 1], shown[k])
            << "page " << shown[k] << " was loaded after page " << shown[k - 1];
    }
}

} // namespace
} // namespace zephyr::uitest
