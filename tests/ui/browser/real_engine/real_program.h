#pragma once

#include "ui_fixture.h"

#include "ui/web_engine/web_engine_viewer.h"
#include "ui/widgets/main_window_host.h"

#include <QString>
#include <QUrl>
#include <QVariant>

class QWebEnginePage;

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zephyr::uitest {

inline constexpr int kWaitMs = 30000;

// Writes a document (UTF-8 text, stored as Windows-1251) into a pack.
void WriteDocument(const std::filesystem::path& pack, const std::string& name,
                   const std::string& utf8);

// The whole program on a copy of the sample pack, with the real browser
// engine; what it hands to the desktop is recorded.
class RealProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void Start(const std::filesystem::path& folder);

    bool Loaded(const std::string& page) const;
    // Runs a script in the page and waits for its result.
    QVariant Eval(const QString& script) { return Eval(viewer_, script); }
    QVariant Eval(ui::WebEngineViewer* viewer, const QString& script);
    QVariant Eval(QWebEnginePage* page, const QString& script);
    void Trigger(const char* action);
    bool CalculatorShown() const;
    // A left click as the mouse makes it, at a point of the page's viewport:
    // the page sees a user's click, not a script's.
    void ClickInPage(ui::WebEngineViewer* viewer, const QPoint& at);

    std::unique_ptr<PackCopy> copy_;
    // The window's top-level, which outlives the window.
    std::unique_ptr<ui::MainWindowHost> host_;
    std::unique_ptr<ui::MainWindow> window_;
    ui::WebEngineViewer* viewer_ = nullptr;
    std::vector<QUrl> opened_;
    // What the program told the user about builds, in order.
    std::vector<QString> told_;
    // The build library's own dialog boxes, to be answered with real input.
    bool realDialogs_ = false;
    // The viewers as the program makes them: stand-ins until the engine's
    // module is loaded after the window's first frame. Start then returns
    // at once, and viewer_ stays null.
    bool engineModule_ = false;
    // Called with each splash status text, while the set-up runs.
    std::function<void(const QString& status)> statusSeen_;
    // The pages the document viewer loaded, in order: a page's address
    // changes when its load is asked for, before it starts loading, so only
    // a finished load says the page is there.
    std::vector<QUrl> loaded_;
    // A load of `page` succeeded after the first `count` loads.
    bool LoadedSince(std::size_t count, const std::string& page) const;
};

} // namespace zephyr::uitest
