#include "ui/widgets/module_library.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace zephyr::ui {

QFunctionPointer LoadModuleEntry(const char* file, const char* entry, QString& problem) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString name = QString::fromLatin1(file);
    const QStringList candidates = {
        programFolder + QLatin1Char('/') + name,
        programFolder + QStringLiteral("/" ZEPHYR_MODULE_DIR "/") + name,
    };
    QStringList problems;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        // Never unloaded: the module's code lives there until the end.
        QLibrary module(path);
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (const QFunctionPointer found = module.resolve(entry)) {
            return found;
        }
        problems << module.errorString();
    }
    problem = problems.isEmpty() ? QStringLiteral("нет файла %1 (искали в %2)")
                                       .arg(name, candidates.join(QStringLiteral(", ")))
                                 : problems.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace zephyr::ui
