// The program launched as the desktop launches it: a process of its own,
// whose browser engine is loaded once the window is up. Its keys work from
// the start, without a click, on a bare server too, and it keeps the
// engine's reports of itself out of the terminal.
#include "ui_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace zephyr::uitest {
namespace {

constexpr int kEngineUpMs = 30000;

// Whether a browser engine's process was started by `parent`.
bool HasEngineChild(qint64 parent) {
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) {
            continue;
        }
        // pid (comm) state ppid ...
        const std::size_t close = line.rfind(')');
        const std::size_t open = line.find('(');
        if (close == std::string::npos || open == std::string::npos) {
            continue;
        }
        const std::string name = line.substr(open + 1, close - open - 1);
        long ppid = 0;
        char state = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &ppid) == 2 &&
            ppid == parent && name.starts_with("QtWebEngine")) {
            return true;
        }
    }
    return false;
}

QString Xdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    xdotool.waitForFinished(10000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

// The program's top-level windows on the screen.
int ShownWindows(qint64 pid) {
    const QString found =
        Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                 QString::number(pid), QStringLiteral("--name"), QStringLiteral(".")});
    return found.isEmpty() ? 0 : static_cast<int>(found.split('\n').size());
}

TEST(LaunchedProgramScenario, KeysWorkWithoutAClickOnceTheEngineIsUp) {
    QTemporaryDir builds;
    ASSERT_TRUE(builds.isValid());
    // The pointer away from where the window comes: the keys go where the
    // keyboard is, not where the pointer happens to be.
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
    QProcess program;
    // As a user starts it, with no logging rules of a developer's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zephyrdex"),
                  {QStringLiteral("--builds"), builds.path()});
    ASSERT_TRUE(program.waitForStarted(10000));
    const qint64 pid = program.processId();

    // The engine joins the window once it is up; give it time to settle.
    ASSERT_TRUE(WaitInEventLoop([pid] { return HasEngineChild(pid); }, kEngineUpMs))
        << "the browser engine never started";
    WaitInEventLoop([] { return false; }, 1500);
    ASSERT_EQ(ShownWindows(pid), 1);
    EXPECT_TRUE(Xdotool({QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")})
                    .endsWith(QStringLiteral("Zephyrdex")))
        << "the window does not have the keyboard";

    Xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40"),
             QStringLiteral("ctrl+k")});
    EXPECT_TRUE(WaitInEventLoop([pid] { return ShownWindows(pid) == 2; }, 5000))
        << "Ctrl+K opened no search window";

    program.terminate();
    EXPECT_TRUE(program.waitForFinished(10000));
    // Started from a terminal, it says nothing of the engine's workings.
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_FALSE(said.contains(QStringLiteral("qt.webenginecontext"))) << said.toStdString();
}

} // namespace
} // namespace zephyr::uitest
