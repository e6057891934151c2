#pragma once

#include <xapian.h>

#include <functional>
#include <optional>

namespace zephyr {

// An index kept on disk instead of in memory: filled in a private folder of
// the temporary directory, then compacted into a file there that has no
// name, so that it goes when it is closed, whatever becomes of the program.
// Searches then read its blocks through the system's cache; the process
// keeps only what they are reading. Empty when the temporary directory
// cannot take it; Xapian's own errors on the way count as that too.
std::optional<Xapian::Database>
IndexInUnnamedFile(const std::function<void(Xapian::WritableDatabase&)>& fill);

} // namespace zephyr
