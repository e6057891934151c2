#include "program_entry.h"

#include "first_frame.h"
#include "shown_report.h"
#include "splash_form.h"

#include "ui/shell/application_style.h"
#include "ui/widgets/texts.h"

#include <QApplication>

namespace zephyr::app {
namespace {

// The browser engine starts its processes behind the window; on a slow
// machine that can take seconds.
constexpr std::chrono::milliseconds kShownLimit{20000};

} // namespace

std::unique_ptr<ui::MainWindow> StartProgram(const ProgramOptions& options,
                                             std::unique_ptr<SplashForm> splash, QWidget* host) {
    ui::PrepareApplication();

    if (splash == nullptr) {
        splash = std::make_unique<SplashForm>(options.Location);
        splash->show();
        PaintFirstFrame(*splash);
    }

    QApplication::setApplicationName(QStringLiteral("Zephyrdex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zephyrdex"));

    ui::SetupHooks hooks;
    hooks.MessageBox = options.MessageBox;
    hooks.Viewers = options.Viewers;
    hooks.OpenExternal = options.OpenExternal;
    hooks.BuildsFolder = options.BuildsFolder;
    hooks.Dialogs = options.Dialogs;
    hooks.Host = host;
    // The window's frame comes up at once, the splash above it; the set-up
    // then fills the window while the splash tells how far it has come.
    hooks.ShowFrame = [&splash](ui::MainWindow& window) {
        window.show();
        window.activateWindow();
        splash->raise();
        PaintFirstFrame(window);
    };
    hooks.Status = [&splash, &options](const std::string& text) {
        splash->SetStatus(text);
        if (options.StatusSeen) {
            options.StatusSeen(splash->Status());
        }
    };
    auto window = std::make_unique<ui::MainWindow>(options.Location, std::move(hooks));

    splash->hide();
    splash.reset();
    if (window->Outcome() == ui::SetupOutcome::EndProgram) {
        if (host != nullptr) {
            host->hide();
        }
        return nullptr;
    }
    window->show();
    // The window takes the keyboard at once: without a window manager nothing
    // else would make it active, and its keys would wait for a click.
    window->activateWindow();
    if (!options.OpenBuild.empty()) {
        window->OpenBuildFile(options.OpenBuild);
    }
    return window;
}

int RunProgram(const ProgramOptions& options, std::unique_ptr<SplashForm> splash, QWidget* host) {
    std::unique_ptr<ui::MainWindow> window = StartProgram(options, std::move(splash), host);
    if (window == nullptr) {
        return 1;
    }
    if (options.ExitWhenShown) {
        QuitWhenShown(*window, kShownLimit);
    }
    return QApplication::exec();
}

} // namespace zephyr::app
