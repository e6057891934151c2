#pragma once

#include <QString>

#include <vector>

namespace zephyr::ui {

// How an item's name answers what was typed into the item picker, best
// first: the list of matches is ordered by it.
enum class NameMatch {
    Exact,     // the whole name
    Prefix,    // the name starts with it
    WordStart, // a later word of the name starts with it
    Initials,  // the first letters of the name's words start with it
    Substring, // anywhere inside the name
    None,
};

// Compares a name with typed text, ignoring case and taking "ё" for "е".
// Words are runs of letters and digits (an apostrophe stays inside its
// word): "Scholar's Coronet" has the initials "sc". Empty text matches
// nothing.
NameMatch MatchItemName(const QString& name, const QString& typed);

// Indices of the names that match, best match first; equal matches keep
// the order of `names`.
std::vector<int> FilterItemNames(const std::vector<QString>& names, const QString& typed);

} // namespace zephyr::ui
