#include "ui/browser/viewer_process.h"

#include <QCoreApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace zephyr::ui {

void PrepareViewerProcess() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Every page is of our one site: the three viewers share one renderer
    // process instead of one each. Flags the user set are kept.
    std::string flags = "--process-per-site";
    if (const char* set = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS"); set != nullptr && *set) {
        flags = std::string(set) + ' ' + flags;
    }
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
    if (geteuid() == 0 && std::getenv("QTWEBENGINE_DISABLE_SANDBOX") == nullptr) {
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
        std::cerr << "zephyrdex: running as root, so the document viewer runs without the "
                     "browser engine's sandbox\n";
    }
}

} // namespace zephyr::ui
