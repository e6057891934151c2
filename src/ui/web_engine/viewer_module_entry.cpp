// The one symbol the engine's module exports (see ui/browser/viewer_module.h).

#include "ui/browser/viewer_module.h"
#include "ui/web_engine/web_engine_environment.h"

extern "C" Q_DECL_EXPORT void ZephyrdexWebEngineViewers(const zephyr::DataLocation& location,
                                                        zephyr::ui::ViewerFactory& factory) {
    factory = zephyr::ui::WebEngineViewers(location);
}
