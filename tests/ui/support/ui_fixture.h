#pragma once

#include "fake_viewer.h"

#include "app/program_entry.h"
#include "ui/shell/main_window.h"
#include "ui/widgets/main_window_host.h"

#include <QApplication>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zephyr::uitest {

// A complete generated pack (catalogues, interface art, texts), written once
// per test run; hero 1's second ability needs switching on. Read-only: tests that remove files work
// on a copy.
const std::filesystem::path& SyntheticPackFolder();

// The sample pack compiled from the project's sources; throws the source
// error when they do not compile.
const std::filesystem::path& SamplePackFolder();

// A copy of a pack folder without the given files (paths below the folder).
class PackCopy {
public:
    PackCopy(const std::filesystem::path& source, const std::vector<std::string>& leaveOut);
    ~PackCopy();
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The build library's questions, answered from queues and recorded; a
// question nobody expected fails the test.
struct ScriptedDialogs {
    std::deque<ui::SaveAnswer> SaveAnswers;
    std::deque<std::optional<QString>> Names;
    std::deque<bool> Confirms;
    QStringList Asked; // every question and message, in order
    QStringList Proposals;
    ui::BuildDialogs Dialogs(); // answering from this object
};

// The program started on a pack folder, its message boxes and splash texts
// recorded instead of shown.
struct StartedProgram {
    FakeViewers Viewers;
    // The top-level the window fills, as the launcher shows it; it outlives
    // the window. Null: the window is a top-level of its own.
    std::unique_ptr<ui::MainWindowHost> Host;
    std::unique_ptr<ui::MainWindow> Window;
    // Shared, so that the program keeps recording after it was moved.
    std::shared_ptr<QStringList> Messages = std::make_shared<QStringList>();
    std::shared_ptr<QStringList> Statuses = std::make_shared<QStringList>();
    // Handed to the system shell.
    std::shared_ptr<std::vector<QUrl>> Opened = std::make_shared<std::vector<QUrl>>();
    // Whether the desktop has a program for what is handed to it.
    std::shared_ptr<bool> DesktopOpens = std::make_shared<bool>(true);
    std::shared_ptr<ScriptedDialogs> Answers = std::make_shared<ScriptedDialogs>();

    FakeViewer& Viewer(const char* name = "WebBrowser1") const {
        return *Viewers.Get(QString::fromLatin1(name));
    }

    ui::MainWindow& W() const { return *Window; }
    template <class T> T* Find(const char* name) const {
        return Window->findChild<T*>(QString::fromLatin1(name));
    }
};

// Where the window goes: a top-level of its own, or into the place the
// launcher shows beneath the splash before the program's module loads.
enum class Placement { OwnWindow, LaunchersHost };

// `builds`: the build library's folder (empty: none, nothing is kept).
StartedProgram StartOn(const std::filesystem::path& folder,
                       const std::filesystem::path& builds = {},
                       Placement placement = Placement::OwnWindow);

// The popup menu currently open, or null.
QMenu* OpenPopup();
// Clicks an entry of an open popup menu by its text.
bool ClickMenuEntry(QMenu* menu, const QString& text);
void CloseAllPopups();

// Where the screenshots go.
std::filesystem::path ScreenshotFolder();

QString Utf8(const std::string& cp1251);

// Runs the event loop until `done` holds or `timeoutMs` pass. Unlike
// QTest::qWaitFor it waits inside a real loop, as the program does: the
// browser engine's tasks then run at their own pace instead of once a second.
bool WaitInEventLoop(const std::function<bool()>& done, int timeoutMs);

} // namespace zephyr::uitest
