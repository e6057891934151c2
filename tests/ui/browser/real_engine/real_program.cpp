#include "real_program.h"

#include "pack_builder.h"

#include "app/first_windows.h"
#include "app/program_entry.h"
#include "data/cp1251.h"
#include "ui/web_engine/web_engine_environment.h"

#include <QAction>
#include <QTest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <fstream>
#include <optional>

namespace zephyr::uitest {

void WriteDocument(const std::filesystem::path& pack, const std::string& name,
                   const std::string& utf8) {
    std::ofstream(pack / "Data" / "documents" / name, std::ios::binary) << Cp1251FromUtf8(utf8);
}

void RealProgram::SetUp() {
    copy_ = std::make_unique<PackCopy>(SamplePackFolder(), std::vector<std::string>{});
}

void RealProgram::Start(const std::filesystem::path& folder) {
    app::ProgramOptions options{zephyr::testing::PackBuilder::LocationOf(folder),
                                [](QWidget*, const QString&) {},
                                {},
                                {},
                                [this](const QUrl& url) {
                                    opened_.push_back(url);
                                    return true;
                                },
                                false,
                                {},
                                {},
                                {}};
    // The builds stay in the copy. The build library's questions and
    // messages are answered here, never shown as dialog boxes a test would
    // wait on, unless the test answers them with real input.
    options.BuildsFolder = folder / "builds";
    options.StatusSeen = statusSeen_;
    if (!realDialogs_) {
        options.Dialogs.AskSave = [](QWidget*, const QString&) { return ui::SaveAnswer::Discard; };
        options.Dialogs.AskName = [](QWidget*, const QString&, const QString&) {
            return std::optional<QString>();
        };
        options.Dialogs.Confirm = [](QWidget*, const QString&) { return false; };
        options.Dialogs.Tell = [this](QWidget*, const QString& text) { told_.push_back(text); };
    }
    // The engine's viewers made here, so that the tests reach into them;
    // the program's own way, through the engine's module, when asked for.
    if (!engineModule_) {
        options.Viewers = ui::WebEngineViewers(options.Location);
    }
    // The launcher's way: the splash, the window's place beneath it, then
    // the program filling it.
    app::FirstWindows shown = app::ShowFirstWindows(options.Location);
    host_ = std::move(shown.Host);
    window_ = app::StartProgram(options, std::move(shown.Splash), host_.get());
    ASSERT_NE(window_, nullptr);
    if (engineModule_) {
        return;
    }
    viewer_ = dynamic_cast<ui::WebEngineViewer*>(window_->WebBrowser1());
    ASSERT_NE(viewer_, nullptr);
    QObject::connect(viewer_->View()->page(), &QWebEnginePage::loadingChanged, window_.get(),
                     [this](const QWebEngineLoadingInfo& info) {
                         if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
                             loaded_.push_back(info.url());
                         }
                     });
    // The start page comes by itself.
    ASSERT_TRUE(WaitInEventLoop([this] { return Loaded("Main.html"); }, kWaitMs));
}

bool RealProgram::LoadedSince(std::size_t count, const std::string& page) const {
    for (std::size_t k = count; k < loaded_.size(); ++k) {
        if (loaded_[k].path().endsWith(QString::fromStdString(page))) {
            return Loaded(page);
        }
    }
    return false;
}

bool RealProgram::Loaded(const std::string& page) const {
    return viewer_->Address().ends_with(page) && !viewer_->View()->page()->isLoading();
}

QVariant RealProgram::Eval(ui::WebEngineViewer* viewer, const QString& script) {
    return Eval(viewer->View()->page(), script);
}

QVariant RealProgram::Eval(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(WaitInEventLoop([&] { return done; }, kWaitMs)) << script.toStdString();
    return result;
}

void RealProgram::Trigger(const char* action) {
    window_->findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

bool RealProgram::CalculatorShown() const {
    return !window_->findChild<QWidget*>(QStringLiteral("MainScrollBox"))->isHidden();
}

void RealProgram::ClickInPage(ui::WebEngineViewer* viewer, const QPoint& at) {
    QWidget* surface = viewer->View()->focusProxy();
    ASSERT_NE(surface, nullptr);
    QTest::mouseMove(surface, at);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace zephyr::uitest
