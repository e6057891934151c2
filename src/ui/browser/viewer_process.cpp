#include "ui/browser/viewer_process.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <private/qopenglcontext_p.h>

#include <cstdlib>
#include <iostream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace zephyr::ui {

void PrepareViewerProcess() {
    // Every page is of our one site: the three viewers share one renderer
    // process instead of one each. The engine's lean settings keep its
    // caches small: our pages are local and light, and they look the same.
    // Flags the user set are kept.
    std::string flags = "--process-per-site --enable-low-end-device-mode";
    if (geteuid() == 0 && std::getenv("QTWEBENGINE_DISABLE_SANDBOX") == nullptr) {
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
        std::cerr << "zephyrdex: running as root, so the document viewer runs without the "
                     "browser engine's sandbox\n";
    }
    // Without the sandbox the zygote processes, which only prepare sandboxed
    // renderers, are memory for nothing: the renderer is started directly.
    if (const char* off = std::getenv("QTWEBENGINE_DISABLE_SANDBOX"); off != nullptr && *off) {
        flags += " --no-zygote";
    }
    if (const char* set = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS"); set != nullptr && *set) {
        flags = std::string(set) + ' ' + flags;
    }
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
    // The engine reports its graphics and switches at every start; that is
    // for whoever debugs it, who can turn it back on with QT_LOGGING_RULES
    // (which outranks this).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // Two malloc arenas, not one per thread: the program's many threads, the
    // engine's among them, allocate little, and every arena keeps what it
    // once held. The renderer inherits the limit; one the user set is kept.
    if (std::getenv("MALLOC_ARENA_MAX") == nullptr) {
        setenv("MALLOC_ARENA_MAX", "2", 1);
        mallopt(M_ARENA_MAX, 2);
    }
}

void ShareViewerGraphics() {
    if (QOpenGLContext::globalShareContext() != nullptr) {
        return;
    }
    // As the application object makes it when asked to at its start (the
    // engine looks for the context itself, not for that request); it lives
    // as long as the process.
    auto* context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace zephyr::ui
