#include "ui/widgets/main_window_host.h"

#include "ui/widgets/window_placement.h"

#include <QCloseEvent>

namespace zephyr::ui {

MainWindowHost::MainWindowHost() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form1Host"));
    setWindowTitle(QStringLiteral("Zephyrdex"));
    setFixedSize(kMainWindowSize);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    CentreOnScreen(*this);
}

void MainWindowHost::closeEvent(QCloseEvent* event) {
    for (QWidget* held : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!held->isWindow() && !held->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace zephyr::ui
