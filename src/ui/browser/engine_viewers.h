#pragma once

#include "ui/browser/html_viewer.h"

#include "data/data_location.h"

#include <memory>

namespace zephyr::ui {

// The window's viewers on the browser engine, which starts only once the
// window is on screen. Until Start, the factory makes stand-ins that keep
// what they are asked; Start loads the engine's module and puts a real
// viewer into each stand-in still alive, and the factory makes real viewers
// from then on. Without the module, each stand-in says why.
class EngineViewers {
public:
    explicit EngineViewers(DataLocation location);

    ViewerFactory Factory() const;
    // Once; later calls do nothing.
    void Start();
    bool Started() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace zephyr::ui
