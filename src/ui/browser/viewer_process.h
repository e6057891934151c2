#pragma once

namespace zephyr::ui {

// What the browser engine needs before the application object exists, set
// without loading the engine: one renderer process for all viewers, the
// engine's lean memory settings, and no sandbox when running as root (the
// engine refuses its sandbox then; said once on standard error). Without the
// sandbox, no zygote processes either. Malloc keeps two arenas for the
// program and its renderer.
void PrepareViewerProcess();

// What the engine needs before its module is loaded: the OpenGL context its
// views share. Made here, once the window is up, rather than by the
// application object at start-up, which would load the graphics drivers
// before the first window.
void ShareViewerGraphics();

} // namespace zephyr::ui
