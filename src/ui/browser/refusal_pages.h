#pragma once

#include <QString>

namespace zephyr::ui {

// The pages the viewer shows instead of what it cannot show, in the
// documents' colours; the window encodes them as Windows-1251.

// A document the program does not serve: missing, outside Data, too large.
QString RefusalPage(const QString& path, const QString& reason);

// A load the engine gave up on, with its error code.
QString FailurePage(const QString& address, int errorCode);

} // namespace zephyr::ui
