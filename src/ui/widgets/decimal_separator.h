#pragma once

namespace zephyr::ui {

// The user's decimal separator, as one byte for the engine's formatting.
char DecimalSeparator();

} // namespace zephyr::ui
