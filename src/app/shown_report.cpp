#include "shown_report.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <iostream>

namespace zephyr::app {

void QuitWhenShown(QWidget& window, std::chrono::milliseconds limit) {
    // Exposure comes through the platform's event queue, so it is polled
    // rather than assumed from show().
    auto* poll = new QTimer(&window);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, &window, [poll, clock, limit, &window] {
        const QWindow* handle = window.window()->windowHandle();
        if (handle != nullptr && handle->isExposed()) {
            poll->stop();
            std::cout << "zephyrdex: main window shown, " << window.width() << " x "
                      << window.height() << '\n'
                      << std::flush;
            QCoreApplication::exit(0);
        } else if (clock.hasExpired(limit.count())) {
            poll->stop();
            std::cerr << "zephyrdex: the main window did not appear within " << limit.count()
                      << " ms\n";
            QCoreApplication::exit(1);
        }
    });
    poll->start(20);
}

} // namespace zephyr::app
