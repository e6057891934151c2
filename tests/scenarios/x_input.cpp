#include "x_input.h"

#include "ui_fixture.h"

#include <QProcess>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace zephyr::uitest::xinput {
namespace {

// The window takes the events while xdotool makes them, as it takes a
// user's: its loop runs meanwhile (a window manager that moves a window
// starts when the window asks it to, with the button still down).
void Run(const QStringList& arguments, const QString& program = QStringLiteral("xdotool")) {
    QProcess xdotool;
    xdotool.start(program, arguments);
    ASSERT_TRUE(xdotool.waitForStarted(5000)) << "xdotool does not start";
    ASSERT_TRUE(
        WaitInEventLoop([&xdotool] { return xdotool.state() == QProcess::NotRunning; }, 20000))
        << arguments.join(' ').toStdString();
    ASSERT_EQ(xdotool.exitCode(), 0) << arguments.join(' ').toStdString() << ": "
                                     << xdotool.readAllStandardError().toStdString();
    // Long enough for the server to deliver the last event and the window to
    // act on it.
    WaitInEventLoop([] { return false; }, 150);
}

QString Number(int value) {
    return QString::number(value);
}

const QString kAwaitFocus = QStringLiteral("await-focus");

QString Quoted(QString text) {
    return QStringLiteral("'") + text.replace(QLatin1Char('\''), QStringLiteral("'\\''")) +
           QLatin1Char('\'');
}

// "getwindowfocus" names the top-level window that has the keyboard.
QString AwaitFocusLine(const QString& title) {
    return QStringLiteral("(i=0; until [ \"$(xdotool getwindowfocus getwindowname 2>/dev/null)\" "
                          "= %1 ]; do i=$((i+1)); [ $i -lt 200 ] || { echo 'no focus on' %1 "
                          ">&2; exit 3; }; sleep 0.1; done)")
        .arg(Quoted(title));
}

} // namespace

// "mousemove --sync" would wait for ever when the pointer is already there;
// a short pause lets the window see the pointer arrive instead.
void Click(const QPoint& global, int button) {
    Run({QStringLiteral("mousemove"), Number(global.x()), Number(global.y()),
         QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("click"), Number(button)});
}

void ClickMiddle(const QWidget* widget, int button) {
    ASSERT_NE(widget, nullptr);
    Click(widget->mapToGlobal(widget->rect().center()), button);
}

void Key(const QString& keys) {
    Run(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")} +
        keys.split(' ', Qt::SkipEmptyParts));
}

void Type(const QString& text) {
    Run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

void Steps(const QList<QStringList>& commands) {
    // A shell runs them: "type" takes every argument after it as text.
    QStringList script;
    for (const QStringList& command : commands) {
        if (command.size() == 2 && command.front() == kAwaitFocus) {
            script << AwaitFocusLine(command.back());
            continue;
        }
        QString line = QStringLiteral("xdotool");
        for (const QString& argument : command) {
            line += QLatin1Char(' ') + Quoted(argument);
        }
        script << line;
    }
    Run({QStringLiteral("-c"), script.join(QStringLiteral(" && sleep 0.5 && "))},
        QStringLiteral("sh"));
}

QStringList AwaitFocus(const QString& title) {
    return {kAwaitFocus, title};
}

void Drag(const QPoint& from, const QPoint& to) {
    // In steps, as a hand moves: a window manager that takes over the move
    // follows the motion after the press.
    const QString pause = QStringLiteral("0.2");
    QStringList arguments{QStringLiteral("mousemove"),
                          Number(from.x()),
                          Number(from.y()),
                          QStringLiteral("sleep"),
                          pause,
                          QStringLiteral("mousedown"),
                          QStringLiteral("1")};
    constexpr int kSteps = 6;
    for (int k = 1; k <= kSteps; ++k) {
        const QPoint at = from + (to - from) * k / kSteps;
        arguments << QStringLiteral("sleep") << pause << QStringLiteral("mousemove")
                  << Number(at.x()) << Number(at.y());
    }
    arguments << QStringLiteral("sleep") << pause << QStringLiteral("mouseup")
              << QStringLiteral("1");
    Run(arguments);
}

} // namespace zephyr::uitest::xinput
