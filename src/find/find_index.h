#pragma once

#include "find_entry.h"
#include "find_snippet.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

struct FindOptions {
    std::optional<FindKind> Kind; // only results of this kind
    std::size_t Limit = 50;
};

struct FindResult {
    const FindEntry* Entry = nullptr; // owned by the index
    Snippet Excerpt;
};

struct FindAnswer {
    std::vector<FindResult> Results; // best first
    // The query retyped on the other keyboard layout when only that finds
    // something (UTF-8); empty otherwise.
    std::string Retyped;
    // The results are names a letter or two away from the query, which
    // itself found nothing.
    bool NearMisses = false;
};

// A full-text index of everything the search finds. Words match in any form
// (Russian and English stemming), ё as е, any letter case, the last word as
// a prefix while it is typed; a name the query spells exactly comes first.
// Built once; Find may then be called from one thread at a time.
class FindIndex {
public:
    explicit FindIndex(std::vector<FindEntry> entries);
    ~FindIndex();
    FindIndex(const FindIndex&) = delete;
    FindIndex& operator=(const FindIndex&) = delete;

    // The answer to a query as typed (UTF-8). A query with no words answers
    // nothing. When nothing is found, the query retyped on the other layout
    // is tried, then names within two letters of it are offered.
    FindAnswer Find(std::string_view utf8Query, const FindOptions& options = {}) const;

    const std::vector<FindEntry>& Entries() const { return entries_; }

private:
    struct Database;

    std::vector<FindResult> Search(std::string_view utf8Query, const FindOptions& options) const;
    std::vector<FindResult> NearNames(std::string_view utf8Query, const FindOptions& options) const;

    // Per entry, as ranking compares them: the title and other names as
    // folded phrases, and the title folded as near misses measure it.
    struct Folded {
        std::string Title;
        std::string Names; // " a b c " with spaces around each name's words
        std::string NearTitle;
    };

    int NameMatch(std::size_t entry, const std::string& phrase) const;

    std::vector<FindEntry> entries_;
    std::vector<Folded> folded_;
    std::unique_ptr<Database> database_;
};

} // namespace zephyr
