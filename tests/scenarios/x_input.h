#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace zephyr::uitest {

// Input as a user makes it: events the X server itself generates (XTest,
// through xdotool), which reach the window by the server's own rules of
// pointer, focus and stacking. Nothing here calls into a widget.
namespace xinput {

// Moves the pointer to a point of the screen and clicks there.
void Click(const QPoint& global, int button = 1);
// Clicks the middle of a widget, wherever it is on the screen.
void ClickMiddle(const QWidget* widget, int button = 1);
// Presses and releases keys in xdotool's names, one after the other:
// "ctrl+g", "Tab Tab", "Escape".
void Key(const QString& keys);
// Types a text as keystrokes.
void Type(const QString& text);
// xdotool commands one after the other, half a second apart, as one run:
// input that goes on while the window waits in a dialog box of its own.
void Steps(const QList<QStringList>& commands);
// A step of Steps that waits, as a user waits to see it, until the window
// titled so has the keyboard (twenty seconds at most, then the run fails).
QStringList AwaitFocus(const QString& title);
// Presses the left button at one point, moves to another and releases.
void Drag(const QPoint& from, const QPoint& to);

} // namespace xinput

} // namespace zephyr::uitest
