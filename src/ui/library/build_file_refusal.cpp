#include "ui/library/build_file_refusal.h"

namespace zephyr::ui {

QString BuildFileRefusal(const BuildScriptError& fault) {
    switch (fault.Kind) {
    case BuildScriptError::Fault::NotBuildFile:
        return QStringLiteral("это не файл сборки Zephyrdex");
    case BuildScriptError::Fault::Newer:
        return QStringLiteral("файл записан более новой версией программы");
    case BuildScriptError::Fault::Missing:
        return QStringLiteral("в данных программы нет «%1»")
            .arg(QString::fromStdString(fault.Name));
    case BuildScriptError::Fault::Damaged:
        break;
    }
    return QStringLiteral("файл повреждён");
}

} // namespace zephyr::ui
