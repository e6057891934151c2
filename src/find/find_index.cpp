#include "find_index.h"

#include "data/cp1251.h"
#include "dictionary/keyboard_layout.h"
#include "dictionary/near_misses.h"
#include "dictionary/search_query.h"
#include "find_words.h"
#include "index_file.h"

#include <xapian.h>

#include <algorithm>

namespace zephyr {
namespace {

// Term prefixes: stems, and the kind as a filter. Plain words have none.
constexpr std::string_view kStemPrefix = "Z";
constexpr std::string_view kKindPrefix = "K";

// How much more a word of a name counts than a word of a text.
constexpr Xapian::termcount kNameWeight = 6;

// How many terms the word being typed may stand for.
constexpr Xapian::termcount kPrefixExpansion = 64;

// Candidates looked at before the exact names are put first.
constexpr Xapian::doccount kCandidates = 400;

// How far a near miss may be, and how many are offered.
constexpr std::size_t kNearMissBound = 2;
constexpr std::size_t kNearMissCount = 5;

std::string Prefixed(std::string_view prefix, std::string_view term) {
    std::string text(prefix);
    text += term;
    return text;
}

void AddWords(Xapian::Document& document, std::string_view text, Xapian::termcount weight) {
    for (const std::string& word : FoldedWords(text)) {
        document.add_term(word, weight);
        document.add_term(Prefixed(kStemPrefix, WordStem(word)), weight);
    }
}

std::string Cp1251Folded(std::string_view utf8) {
    return FoldQuery(Cp1251FromUtf8(utf8));
}

// A term's other names, as the entry lists them: ", " between them.
std::vector<std::string> SplitNames(std::string_view names) {
    std::vector<std::string> split;
    while (!names.empty()) {
        const std::size_t comma = names.find(", ");
        split.emplace_back(names.substr(0, comma));
        names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 2);
    }
    return split;
}

// How far the query is from a name: from its start, or from the start of
// one of its later words, so that a slip in a surname or in an item's last
// word is offered too.
std::size_t NameDistance(std::string_view query, std::string_view name) {
    std::size_t best = NearMissDistance(query, name, kNearMissBound);
    for (std::size_t at = 1; best > 0 && at < name.size(); ++at) {
        if (name[at - 1] == ' ' || name[at - 1] == '-') {
            best = std::min(best, NearMissDistance(query, name.substr(at), kNearMissBound));
        }
    }
    return best;
}

} // namespace

struct FindIndex::Database {
    Xapian::Database Xapian;
};

FindIndex::FindIndex(std::vector<FindEntry> entries)
    : entries_(std::move(entries)), database_(std::make_unique<Database>()) {
    for (const FindEntry& entry : entries_) {
        std::string names;
        for (const std::string& name : SplitNames(entry.Names)) {
            names += ' ' + FoldedPhrase(name) + ' ';
        }
        folded_.push_back({FoldedPhrase(entry.Title), names, Cp1251Folded(entry.Title)});
    }
    const auto fill = [this](Xapian::WritableDatabase& database) {
        for (const FindEntry& entry : entries_) {
            Xapian::Document document;
            AddWords(document, entry.Title, kNameWeight);
            AddWords(document, entry.Names, kNameWeight);
            AddWords(document, entry.Text, 1);
            document.add_boolean_term(Prefixed(kKindPrefix, FindKindName(entry.Kind)));
            database.add_document(document); // document ids follow the entries from 1
        }
    };
    if (std::optional<Xapian::Database> onDisk = IndexInUnnamedFile(fill)) {
        database_->Xapian = std::move(*onDisk);
    } else {
        Xapian::WritableDatabase inMemory(std::string(), Xapian::DB_BACKEND_INMEMORY);
        fill(inMemory);
        database_->Xapian = inMemory;
    }
}

FindIndex::~FindIndex() = default;

// How closely a name matches the whole query: exactly (0), at its start (1),
// or not (2). A synonym spelled exactly counts as the name, but for passages.
int FindIndex::NameMatch(std::size_t entry, const std::string& phrase) const {
    const Folded& folded = folded_[entry];
    if (folded.Title == phrase) {
        return 0;
    }
    if (entries_[entry].Kind != FindKind::Document &&
        folded.Names.find(' ' + phrase + ' ') != std::string::npos) {
        return 0;
    }
    return folded.Title.starts_with(phrase) ? 1 : 2;
}

std::vector<FindResult> FindIndex::Search(std::string_view utf8Query,
                                          const FindOptions& options) const {
    const QueryWords words = ReadQueryWords(utf8Query);
    if (words.Folded.empty() || options.Limit == 0) {
        return {};
    }
    std::vector<Xapian::Query> parts;
    for (std::size_t k = 0; k < words.Folded.size(); ++k) {
        std::vector<Xapian::Query> forms{Xapian::Query(words.Folded[k]),
                                         Xapian::Query(Prefixed(kStemPrefix, words.Stems[k]))};
        if (k + 1 == words.Folded.size() && words.LastIsPrefix) {
            forms.emplace_back(Xapian::Query::OP_WILDCARD, words.Folded[k], kPrefixExpansion,
                               Xapian::Query::WILDCARD_LIMIT_MOST_FREQUENT);
        }
        parts.emplace_back(Xapian::Query::OP_OR, forms.begin(), forms.end());
    }
    Xapian::Query query(Xapian::Query::OP_AND, parts.begin(), parts.end());
    if (options.Kind) {
        query = Xapian::Query(Xapian::Query::OP_FILTER, query,
                              Xapian::Query(Prefixed(kKindPrefix, FindKindName(*options.Kind))));
    }
    Xapian::Enquire enquire(database_->Xapian);
    enquire.set_query(query);
    const Xapian::MSet found = enquire.get_mset(0, kCandidates);

    const std::string phrase = FoldedPhrase(utf8Query);
    struct Ranked {
        int Match;
        std::size_t Rank;
        const FindEntry* Entry;
    };
    std::vector<Ranked> ranked;
    std::size_t rank = 0;
    for (auto hit = found.begin(); hit != found.end(); ++hit) {
        const std::size_t entry = *hit - 1;
        ranked.push_back({NameMatch(entry, phrase), rank++, &entries_[entry]});
    }
    // Exact names first, the same name in group order (a hero before the
    // term for it), then the index's own order.
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.Match != b.Match) {
            return a.Match < b.Match;
        }
        if (a.Match == 0 && a.Entry->Kind != b.Entry->Kind) {
            return a.Entry->Kind < b.Entry->Kind;
        }
        return a.Rank < b.Rank;
    });
    std::vector<FindResult> results;
    for (const Ranked& hit : ranked) {
        if (results.size() == options.Limit) {
            break;
        }
        const std::string& text = hit.Entry->Text.empty() ? hit.Entry->Title : hit.Entry->Text;
        results.push_back({hit.Entry, CutSnippet(text, words)});
    }
    return results;
}

std::vector<FindResult> FindIndex::NearNames(std::string_view utf8Query,
                                             const FindOptions& options) const {
    const std::string query = Cp1251Folded(utf8Query);
    if (query.size() <= kNearMissBound) {
        return {};
    }
    const QueryWords words = ReadQueryWords(utf8Query);
    std::vector<std::pair<std::size_t, const FindEntry*>> near;
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        const FindEntry& entry = entries_[e];
        if (entry.Kind == FindKind::Document || (options.Kind && entry.Kind != *options.Kind)) {
            continue;
        }
        const std::size_t distance = NameDistance(query, folded_[e].NearTitle);
        if (distance <= kNearMissBound) {
            near.emplace_back(distance, &entry);
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<FindResult> results;
    for (const auto& [distance, entry] : near) {
        if (results.size() == std::min(kNearMissCount, options.Limit)) {
            break;
        }
        results.push_back({entry, CutSnippet(entry->Text, words)});
    }
    return results;
}

FindAnswer FindIndex::Find(std::string_view utf8Query, const FindOptions& options) const {
    FindAnswer answer;
    answer.Results = Search(utf8Query, options);
    if (!answer.Results.empty() || FoldedWords(utf8Query).empty()) {
        return answer;
    }
    if (const std::optional<std::string> cp1251 = CheckedCp1251FromUtf8(utf8Query)) {
        const std::string retyped = Utf8FromCp1251(SwitchKeyboardLayout(*cp1251));
        if (retyped != utf8Query) {
            answer.Results = Search(retyped, options);
            if (!answer.Results.empty()) {
                answer.Retyped = retyped;
                return answer;
            }
        }
    }
    answer.Results = NearNames(utf8Query, options);
    answer.NearMisses = !answer.Results.empty();
    return answer;
}

} // namespace zephyr
