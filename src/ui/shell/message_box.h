#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace zephyr::ui {

// Shows a plain message box with an OK button and waits for it. Injectable
// so that start-ups with missing files can run unattended.
using MessageBoxFunction = std::function<void(QWidget* owner, const QString& text)>;

MessageBoxFunction PlainMessageBox();

} // namespace zephyr::ui
