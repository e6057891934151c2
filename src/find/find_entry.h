#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephyr {

// What a search result is; the order is the order of the result groups.
enum class FindKind { Hero, Ability, Item, Aura, Orb, Term, Document };

inline constexpr std::size_t kFindKindCount = 7;

// "hero", "ability", "item", "aura", "orb", "term", "document".
std::string_view FindKindName(FindKind kind);
std::optional<FindKind> FindKindNamed(std::string_view name);

// Where opening a result takes the user. Which fields count depends on the
// kind: a hero or an ability opens the calculator (Hero, and Ability 1 to 4
// for an ability), an item its place in a document (Document and Anchor, and
// Item for the calculator's item picker), a term the dictionary (Term), a
// passage its document (Document, Anchor). Auras and orbs open the first
// ability or item that gives them.
struct FindTarget {
    int Hero = 0;             // 1-based catalogue number
    int Ability = 0;          // 1-based ability of the hero
    int Item = 0;             // 1-based catalogue number
    int Term = -1;            // 0-based dictionary entry
    std::string Document;     // path from the program folder, '/' separated
    std::string Anchor;       // id to scroll to; may be empty
    std::string HeroLinkName; // the hero's name without spaces, as calc links spell it
};

// The target as one line: "calc_<hero>", "calc_<hero>#ability<n>",
// "dictionary#<entry>", "<document>#<anchor>", or "item#<number>" for an
// item no document lists.
std::string TargetText(const FindTarget& target);

// One thing the search can find. Texts are UTF-8.
struct FindEntry {
    FindKind Kind = FindKind::Document;
    std::string Title; // the name; for a passage its document and heading
    std::string Names; // other names it goes by (a term's synonyms), indexed as the title
    std::string Text;  // what the snippet is cut from
    FindTarget Target;
};

} // namespace zephyr
