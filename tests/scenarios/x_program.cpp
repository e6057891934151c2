#include "x_program.h"

#include "x_input.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QWebEngineView>

#include <cstdlib>
#include <filesystem>

namespace zephyr::uitest {

void XProgram::StartShown() {
    Start(copy_->Path());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get(), kWaitMs));
    // The window manager may still be placing it.
    WaitInEventLoop([] { return false; }, 300);
}

QString XProgram::WindowManager() {
    const char* manager = std::getenv("ZEPHYR_WINDOW_MANAGER");
    return manager != nullptr ? QString::fromLatin1(manager) : QStringLiteral("none");
}

void XProgram::ClickMenu(const QString& menu, const QString& entry) {
    auto* bar = window_->findChild<QMenuBar*>(QStringLiteral("ActionMainMenuBar1"));
    ASSERT_NE(bar, nullptr);
    QAction* title = nullptr;
    for (QAction* action : bar->actions()) {
        if (action->text() == menu) {
            title = action;
        }
    }
    ASSERT_NE(title, nullptr) << menu.toStdString();
    xinput::Click(bar->mapToGlobal(bar->actionGeometry(title).center()));
    QMenu* popup = nullptr;
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return popup != nullptr && popup->isVisible();
        },
        5000))
        << menu.toStdString() << " did not open";
    QAction* chosen = nullptr;
    for (QAction* action : popup->actions()) {
        if (action->text().section('\t', 0, 0) == entry) {
            chosen = action;
        }
    }
    ASSERT_NE(chosen, nullptr) << entry.toStdString();
    xinput::Click(popup->mapToGlobal(popup->actionGeometry(chosen).center()));
}

void XProgram::ClickLink(const QString& text) {
    const QVariantList found =
        Eval(QStringLiteral("(function(t){for(const a of document.querySelectorAll('a')){"
                            "if(a.textContent.trim()!==t)continue;"
                            "a.scrollIntoView({block:'center'});const r=a.getClientRects()[0];"
                            "return[Math.round(r.left+Math.min(r.width/2,8)),"
                            "Math.round(r.top+r.height/2)];}return[];})(%1)")
                 .arg(QStringLiteral("'%1'").arg(text)))
            .toList();
    ASSERT_EQ(found.size(), 2) << "no link " << text.toStdString();
    const double zoom = viewer_->View()->zoomFactor();
    const QPoint at(static_cast<int>(found[0].toInt() * zoom),
                    static_cast<int>(found[1].toInt() * zoom));
    xinput::Click(viewer_->View()->mapToGlobal(at));
}

int XProgram::ScrollY() {
    return Eval(QStringLiteral("Math.round(window.scrollY)")).toInt();
}

void XProgram::Screenshot(const std::string& name) {
    const std::filesystem::path folder = ScreenshotFolder() / "scenarios";
    std::filesystem::create_directories(folder);
    const QString file = QString::fromStdString(
        (folder / (WindowManager().toStdString() + "-" + name + ".png")).string());
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-window"), QStringLiteral("root"), file});
}

QWidget* XProgram::Child(const char* name) const {
    return window_->findChild<QWidget*>(QString::fromLatin1(name));
}

QWidget* XProgram::LevelChart() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("LevelChartWindow")) {
            return top;
        }
    }
    return nullptr;
}

} // namespace zephyr::uitest
