#pragma once

namespace zephyr::ui {

// What the browser engine needs before the application object exists, set
// without loading the engine: a shared graphics context, one renderer
// process for all viewers, and no sandbox when running as root (the engine
// refuses its sandbox then; said once on standard error).
void PrepareViewerProcess();

} // namespace zephyr::ui
