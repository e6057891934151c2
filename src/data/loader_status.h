#pragma once

#include "cp1251.h"
#include "load_all.h"

namespace zephyr {

// Sends a splash status text, given here as UTF-8, in Windows-1251.
inline void ReportStatus(const LoadOptions& options, const char* utf8) {
    if (options.Status) {
        options.Status(Cp1251FromUtf8(utf8));
    }
}

} // namespace zephyr
