#include "ui/widgets/secondary_window.h"

#include "ui/widgets/caption_strip.h"
#include "ui/widgets/secondary_window_style.h"
#include "ui/widgets/window_placement.h"

#include <QHeaderView>
#include <QHideEvent>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zephyr::ui {

SecondaryWindow::SecondaryWindow(const QString& name, const QString& title, QWidget* parent,
                                 const QString& extraStyle)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(name);
    setWindowTitle(title);
    setAccessibleName(title);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(SecondaryWindowStyle(name) + extraStyle);
    setFont(PixelFont(11));
    // Esc and Ctrl+W close it, as its caption's button does (Alt+F4 too,
    // where no window manager takes that key).
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W),
          QKeySequence(Qt::ALT | Qt::Key_F4)}) {
        auto* closeKeys = new QShortcut(keys, this);
        closeKeys->setContext(Qt::WindowShortcut);
        connect(closeKeys, &QShortcut::activated, this, [this] { close(); });
    }
}

void SecondaryWindow::SetBody(QLayout* body) {
    body->setContentsMargins(8, 8, 8, 8);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(new CaptionStrip(windowTitle(), this));
    layout->addLayout(body);
}

void SecondaryWindow::PlaceBeside(const QWidget* anchor) {
    if (anchor != nullptr && anchor->window()->screen() != nullptr) {
        const QWidget* main = anchor->window();
        const QRect free = main->screen()->availableGeometry();
        resize(width(), std::min(height(), free.height()));
        move(ui::PlaceBeside(main->frameGeometry(), size(), free));
    }
}

void SecondaryWindow::Present() {
    show();
    raise();
    activateWindow();
}

void SecondaryWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // The keyboard goes back to the window it came from, which no window
    // manager may be there to hand it back to.
    if (!event->spontaneous() && parentWidget() != nullptr) {
        parentWidget()->window()->activateWindow();
    }
}

void SetUpFigureTable(QTableWidget* table, int captionColumn) {
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(captionColumn, QHeaderView::ResizeToContents);
    table->verticalHeader()->setDefaultSectionSize(20);
}

} // namespace zephyr::ui
