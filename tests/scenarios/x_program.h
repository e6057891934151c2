#pragma once

#include "real_program.h"

#include <QString>

#include <string>

class QMenu;

namespace zephyr::uitest {

// The whole program on the sample pack with the real browser engine, shown
// on an X server and driven with the server's own input events.
class XProgram : public RealProgram {
protected:
    // Starts the program as the desktop would and waits for its window.
    void StartShown();

    // "none" on a bare server, otherwise the window manager's name.
    static QString WindowManager();

    // Opens a menu of the bar and clicks one of its entries, with the mouse.
    void ClickMenu(const QString& menu, const QString& entry);
    // Clicks a link of the shown document by its text, with the mouse.
    void ClickLink(const QString& text);
    // The document's vertical scroll position.
    int ScrollY();
    // The whole screen as the user sees it, kept beside the other screenshots.
    void Screenshot(const std::string& name);

    QWidget* Child(const char* name) const;
    // The level chart's window, once it was made; null before.
    static QWidget* LevelChart();
};

} // namespace zephyr::uitest
