#pragma once

#include "find/find_index.h"

#include <QString>

namespace zephyr::ui {

// The group a kind of result is shown under: "Герои", "Способности", …
QString FindGroupCaption(FindKind kind);

// A result as the list shows it: the title, and under it the snippet with
// the query's words highlighted (rich text).
QString FindResultHtml(const FindResult& result);

// The result read out as plain text: title, then snippet.
QString FindResultPlainText(const FindResult& result);

// The words of the snippet the query found first, as they are written in
// it: what the document's find bar looks for. Empty when none is marked.
QString FirstMarkedWords(const Snippet& snippet);

} // namespace zephyr::ui
