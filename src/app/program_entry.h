#pragma once

#include "app/program_arguments.h"
#include "app/splash_form.h"
#include "ui/shell/main_window.h"

#include "data/data_location.h"

#include <QString>

#include <filesystem>

#include <functional>
#include <memory>
#include <vector>

namespace zephyr::app {

struct ProgramOptions {
    DataLocation Location;
    ui::MessageBoxFunction MessageBox; // empty: plain message boxes
    // Every status text the splash showed, in order (for tests).
    std::function<void(const QString& status)> StatusSeen;
    // The HTML viewers (empty: the real browser engine) and the system
    // shell's open (empty: the desktop's).
    ui::ViewerFactory Viewers;
    std::function<bool(const QUrl& url)> OpenExternal;
    // RunProgram ends once the main window is on screen (--exit-when-shown).
    bool ExitWhenShown = false;
    // Where builds are kept; a build file to open once the window is shown;
    // the library's questions (empty: dialog boxes).
    std::filesystem::path BuildsFolder;
    std::filesystem::path OpenBuild;
    ui::BuildDialogs Dialogs;
};

// Steps 2 to 6 of the program entry: hint delay, splash, title, main window
// set-up behind the splash (the window's frame already on screen beneath
// it), splash released. Returns the shown main window, or nothing when the
// set-up ended the program. `splash`: the splash the launcher already shows;
// null: one is made here. `host`: the main window's place the launcher
// shows beneath it (see ShowFirstWindows), which the window then fills and
// which must outlive it; null: the window is a top-level of its own.
std::unique_ptr<ui::MainWindow> StartProgram(const ProgramOptions& options,
                                             std::unique_ptr<SplashForm> splash = nullptr,
                                             QWidget* host = nullptr);

// The whole run: start-up, then the event loop until the main window closes.
int RunProgram(const ProgramOptions& options, std::unique_ptr<SplashForm> splash = nullptr,
               QWidget* host = nullptr);

} // namespace zephyr::app
