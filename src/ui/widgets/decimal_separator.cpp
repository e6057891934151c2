#include "ui/widgets/decimal_separator.h"

#include <QLocale>
#include <QString>

namespace zephyr::ui {

char DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80
               ? static_cast<char>(point.at(0).unicode())
               : '.';
}

} // namespace zephyr::ui
