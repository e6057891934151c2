#pragma once

#include <QSize>
#include <QWidget>

namespace zephyr::ui {

// The main window's fixed size.
inline constexpr QSize kMainWindowSize(800, 600);

// The main window's place on the screen: a borderless top-level of the main
// window's size, centred, black until the window fills it. The launcher shows
// it right after the splash, before the program's libraries are loaded.
// Closing it closes what it holds first, and is refused when that refuses.
class MainWindowHost : public QWidget {
public:
    MainWindowHost();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace zephyr::ui
