#include "ui/shell/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace zephyr::ui {

MessageBoxFunction PlainMessageBox() {
    return [](QWidget* owner, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                        QMessageBox::Ok, owner);
        box.exec();
    };
}

} // namespace zephyr::ui
