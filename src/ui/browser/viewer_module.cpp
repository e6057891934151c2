#include "ui/browser/viewer_module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace zephyr::ui {
namespace {

constexpr char kModuleFile[] = "zephyrdex-web-engine.so";

} // namespace

ViewerModuleEntry LoadViewerModule(QString& problem) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        programFolder + QLatin1Char('/') + QLatin1String(kModuleFile),
        programFolder + QStringLiteral("/" ZEPHYR_VIEWER_MODULE_DIR "/") +
            QLatin1String(kModuleFile),
    };
    QStringList problems;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            continue;
        }
        // Never unloaded: the viewers' code lives there until the end.
        QLibrary module(path);
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (auto entry = reinterpret_cast<ViewerModuleEntry>(module.resolve(kViewerModuleEntry))) {
            return entry;
        }
        problems << module.errorString();
    }
    problem = problems.isEmpty()
                  ? QStringLiteral("нет файла %1 (искали в %2)")
                        .arg(QLatin1String(kModuleFile), candidates.join(QStringLiteral(", ")))
                  : problems.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace zephyr::ui
