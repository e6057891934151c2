#include "ui/browser/viewer_module.h"

#include "ui/widgets/module_library.h"

namespace zephyr::ui {

ViewerModuleEntry LoadViewerModule(QString& problem) {
    return reinterpret_cast<ViewerModuleEntry>(
        LoadModuleEntry("zephyrdex-web-engine.so", kViewerModuleEntry, problem));
}

} // namespace zephyr::ui
