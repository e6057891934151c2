#pragma once

#include "data/cp1251.h"

#include <QString>

#include <string>

namespace zephyr::ui {

// Windows-1251 bytes of the core to a widget text.
inline QString FromCp1251(const std::string& text) {
    return QString::fromStdString(Utf8FromCp1251(text));
}

// A widget text back to the core's bytes.
inline std::string ToCp1251(const QString& text) {
    return Cp1251FromUtf8(text.toStdString());
}

} // namespace zephyr::ui
