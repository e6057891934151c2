#include "find_entries.h"

#include "data/cp1251.h"
#include "find_words.h"
#include "html_text.h"

#include <algorithm>
#include <map>

namespace zephyr {
namespace {

std::string Utf8(std::string_view cp1251) {
    return Utf8FromCp1251(cp1251);
}

std::string WithoutSpaces(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ') {
            out += c;
        }
    }
    return out;
}

// A stored path ("Data\documents\x.html") as documents are named here.
std::string DocumentName(std::string_view stored) {
    std::string name = Utf8(stored);
    std::replace(name.begin(), name.end(), '\\', '/');
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

bool SameDocument(const std::string& path, std::string_view stored) {
    return !stored.empty() && DocumentName(path) == DocumentName(stored);
}

// Where a name stands in a text as whole words, or npos.
std::size_t FindName(std::string_view text, std::string_view name, std::size_t from = 0) {
    const auto isWordByte = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
               (static_cast<unsigned char>(c) & 0x80) != 0;
    };
    for (std::size_t at = text.find(name, from); at != std::string_view::npos;
         at = text.find(name, at + 1)) {
        const bool startsWord = at == 0 || !isWordByte(text[at - 1]);
        const std::size_t end = at + name.size();
        const bool endsWord = end == text.size() || !isWordByte(text[end]);
        if (startsWord && endsWord) {
            return at;
        }
    }
    return std::string_view::npos;
}

// The stretch of a text from each name to the next name found after it: a
// table of abilities or items read back row by row.
std::map<std::size_t, std::string> SliceByNames(std::string_view text,
                                                const std::vector<std::string>& names) {
    std::vector<std::pair<std::size_t, std::size_t>> starts; // position, name index
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (names[k].empty()) {
            continue;
        }
        const std::size_t at = FindName(text, names[k]);
        if (at != std::string_view::npos) {
            starts.emplace_back(at, k);
        }
    }
    std::sort(starts.begin(), starts.end());
    std::map<std::size_t, std::string> slices;
    for (std::size_t s = 0; s < starts.size(); ++s) {
        const auto [at, index] = starts[s];
        const std::size_t from = at + names[index].size();
        const std::size_t to = s + 1 < starts.size() ? starts[s + 1].first : text.size();
        std::string slice(text.substr(from, to > from ? to - from : 0));
        while (!slice.empty() && slice.front() == ' ') {
            slice.erase(slice.begin());
        }
        while (!slice.empty() && slice.back() == ' ') {
            slice.pop_back();
        }
        slices[index] = std::move(slice);
    }
    return slices;
}

std::string_view AttributeName(std::uint8_t primary) {
    switch (primary) {
    case 1:
        return "Сила";
    case 2:
        return "Ловкость";
    case 3:
        return "Интеллект";
    default:
        return "";
    }
}

class Collector {
public:
    Collector(const Catalogue& catalogue, const std::vector<FindDocument>& documents,
              const DocumentAddresses& addresses)
        : catalogue_(catalogue), documents_(documents), addresses_(addresses) {}

    std::vector<FindEntry> Collect() {
        ReadPassages();
        Heroes();
        Items();
        Auras();
        Orbs();
        Terms();
        Documents();
        return std::move(entries_);
    }

private:
    struct DocumentPassages {
        const FindDocument* Document;
        std::vector<Passage> Passages;
    };

    void ReadPassages() {
        for (const FindDocument& document : documents_) {
            passages_.push_back({&document, HtmlPassages(document.Bytes)});
            if (SameDocument(document.Path, addresses_.Get(DocumentKey::ItemsGuide))) {
                itemsGuide_ = &document;
            }
        }
    }

    // The text of a hero's section: every passage the hero's anchor heads.
    std::string HeroSectionText(const std::string& linkName) const {
        std::string text;
        for (const DocumentPassages& document : passages_) {
            for (const Passage& passage : document.Passages) {
                if (passage.Anchor == linkName) {
                    text += ' ' + passage.Heading + ' ' + passage.Text;
                }
            }
        }
        return text;
    }

    void Heroes() {
        std::map<int, std::string> taverns;
        for (const TavernMenuEntry& tavern : catalogue_.HeroMenu) {
            for (const HeroMenuEntry& hero : tavern.Heroes) {
                taverns[hero.HeroNumber] = Utf8(tavern.Caption);
            }
        }
        for (std::size_t h = 0; h < catalogue_.Heroes.size(); ++h) {
            const THero& hero = catalogue_.Heroes[h];
            const int number = static_cast<int>(h) + 1;
            FindTarget target;
            target.Hero = number;
            target.HeroLinkName = Utf8(WithoutSpaces(hero.Name));
            std::vector<std::string> abilityNames;
            for (const TAbility& ability : hero.Abilities) {
                abilityNames.push_back(Utf8(ability.Name));
            }
            FindEntry entry{FindKind::Hero, Utf8(hero.Name), {}, {}, target};
            entry.Text = "Таверна: " + taverns[number] + ". " +
                         (hero.Ranged ? "Дальний бой" : "Ближний бой") + ".";
            if (const std::string_view attribute = AttributeName(hero.PrimaryAttribute);
                !attribute.empty()) {
                entry.Text += " Основной атрибут: " + std::string(attribute) + ".";
            }
            std::string abilities;
            for (const std::string& name : abilityNames) {
                if (!name.empty()) {
                    abilities += (abilities.empty() ? "" : ", ") + name;
                }
            }
            if (!abilities.empty()) {
                entry.Text += " Способности: " + abilities + ".";
            }
            entries_.push_back(std::move(entry));

            const std::map<std::size_t, std::string> described =
                SliceByNames(HeroSectionText(target.HeroLinkName), abilityNames);
            for (std::size_t a = 0; a < abilityNames.size(); ++a) {
                if (abilityNames[a].empty()) {
                    continue;
                }
                FindTarget abilityTarget = target;
                abilityTarget.Ability = static_cast<int>(a) + 1;
                FindEntry ability{FindKind::Ability, abilityNames[a], {}, {}, abilityTarget};
                ability.Text = Utf8(hero.Name);
                if (const auto found = described.find(a); found != described.end()) {
                    ability.Text += ": " + found->second;
                }
                givers_[&hero.Abilities[a]] = {ability.Title + " (" + Utf8(hero.Name) + ")",
                                               abilityTarget};
                entries_.push_back(std::move(ability));
            }
        }
    }

    // The items guide's rows, by the item each begins with.
    std::map<int, std::pair<std::string, std::string>> ItemRows() const {
        std::map<int, std::pair<std::string, std::string>> rows; // item: anchor, text
        if (itemsGuide_ == nullptr) {
            return rows;
        }
        for (const Passage& row : HtmlPassages(itemsGuide_->Bytes, PassageCut::AtAnchors)) {
            if (row.Anchor.empty()) {
                continue;
            }
            int best = 0;
            std::size_t bestLength = 0;
            for (std::size_t i = 0; i < catalogue_.Items.size(); ++i) {
                const std::string name = Utf8(catalogue_.Items[i].Name);
                if (!name.empty() && name.size() > bestLength && row.Text.starts_with(name) &&
                    FindName(row.Text, name) == 0) {
                    best = static_cast<int>(i) + 1;
                    bestLength = name.size();
                }
            }
            if (best != 0 && !rows.contains(best)) {
                std::string rest = row.Text.substr(bestLength);
                while (!rest.empty() && rest.front() == ' ') {
                    rest.erase(rest.begin());
                }
                rows[best] = {row.Anchor, rest};
            }
        }
        return rows;
    }

    void AddShop(const std::string& shop, const std::vector<ItemMenuEntry>& entries,
                 std::map<int, std::string>& shops) {
        for (const ItemMenuEntry& entry : entries) {
            if (entry.IsGroup()) {
                AddShop(shop, entry.Variants, shops);
            } else {
                shops.emplace(entry.ItemNumber, shop);
            }
        }
    }

    void Items() {
        std::map<int, std::string> shops;
        for (const ShopMenuEntry& shop : catalogue_.ItemMenu) {
            AddShop(Utf8(shop.Caption), shop.Entries, shops);
        }
        const auto rows = ItemRows();
        for (std::size_t i = 0; i < catalogue_.Items.size(); ++i) {
            const TItem& item = catalogue_.Items[i];
            const int number = static_cast<int>(i) + 1;
            if (item.Name.empty()) {
                continue;
            }
            FindTarget target;
            target.Item = number;
            FindEntry entry{FindKind::Item, Utf8(item.Name), {}, {}, target};
            if (const auto shop = shops.find(number); shop != shops.end()) {
                entry.Text = "Лавка: " + shop->second + ". ";
            }
            entry.Text += "Цена: " + std::to_string(item.Cost) + ".";
            if (itemsGuide_ != nullptr) {
                entry.Target.Document = itemsGuide_->Path;
            }
            if (const auto row = rows.find(number); row != rows.end()) {
                entry.Target.Anchor = row->second.first;
                // The row repeats the price the entry already names.
                std::string_view rest = row->second.second;
                const std::string cost = std::to_string(item.Cost);
                if (rest.starts_with(cost) && FindName(rest, cost) == 0) {
                    rest.remove_prefix(std::min(rest.size(), cost.size() + 1));
                }
                entry.Text += ' ';
                entry.Text += rest;
            }
            givers_[&item] = {entry.Title, entry.Target};
            entries_.push_back(std::move(entry));
        }
    }

    // An aura or orb: what gives it, and the first giver as where it opens.
    void AddGiven(FindKind kind, const std::string& name, const std::vector<const void*>& from) {
        FindEntry entry{kind, name, {}, {}, {}};
        std::string list;
        for (const void* giver : from) {
            const auto found = givers_.find(giver);
            if (found == givers_.end()) {
                continue;
            }
            if (list.empty()) {
                entry.Target = found->second.second;
            }
            list += (list.empty() ? "" : ", ") + found->second.first;
        }
        entry.Text = list.empty() ? std::string() : "Даёт: " + list + ".";
        entries_.push_back(std::move(entry));
    }

    template <class Wants> std::vector<const void*> Givers(Wants wants) const {
        std::vector<const void*> from;
        for (const THero& hero : catalogue_.Heroes) {
            for (const TAbility& ability : hero.Abilities) {
                if (wants(ability)) {
                    from.push_back(&ability);
                }
            }
        }
        for (const TItem& item : catalogue_.Items) {
            if (wants(item)) {
                from.push_back(&item);
            }
        }
        return from;
    }

    void Auras() {
        for (std::size_t a = 0; a < catalogue_.Auras.size(); ++a) {
            const auto number = static_cast<std::uint8_t>(a + 1);
            if (catalogue_.Auras[a].Name.empty()) {
                continue;
            }
            const auto holds = [number](const std::vector<std::uint8_t>& auras) {
                return std::find(auras.begin(), auras.end(), number) != auras.end();
            };
            AddGiven(FindKind::Aura, Utf8(catalogue_.Auras[a].Name), Givers([&](const auto& giver) {
                         if constexpr (std::is_same_v<std::decay_t<decltype(giver)>, TItem>) {
                             return holds(giver.PassiveAuras) || holds(giver.ActiveAuras);
                         } else {
                             return giver.LearnAura == number || giver.ActiveAura == number;
                         }
                     }));
        }
    }

    void Orbs() {
        for (std::size_t o = 0; o < catalogue_.ItemOrbs.size(); ++o) {
            const auto number = static_cast<std::uint8_t>(o + 1);
            if (catalogue_.ItemOrbs[o].Name.empty()) {
                continue;
            }
            AddGiven(FindKind::Orb, Utf8(catalogue_.ItemOrbs[o].Name),
                     Givers([number](const auto& giver) { return giver.OrbCode == number; }));
        }
    }

    void Terms() {
        for (std::size_t t = 0; t < catalogue_.SlangWords.size(); ++t) {
            const TSlang& word = catalogue_.SlangWords[t];
            if (word.Terms.empty()) {
                continue;
            }
            FindEntry entry{FindKind::Term, Utf8(word.Terms.front()), {}, {}, {}};
            for (std::size_t n = 1; n < word.Terms.size(); ++n) {
                entry.Names += (entry.Names.empty() ? "" : ", ") + Utf8(word.Terms[n]);
            }
            for (const Passage& passage : HtmlPassages(word.Definition)) {
                entry.Text += (entry.Text.empty() ? "" : " ") + passage.Heading;
                entry.Text +=
                    (entry.Text.empty() || passage.Heading.empty() ? "" : " ") + passage.Text;
            }
            entry.Target.Term = static_cast<int>(t);
            entries_.push_back(std::move(entry));
        }
    }

    bool IsHeroAnchor(const std::string& anchor) const {
        return std::any_of(
            catalogue_.Heroes.begin(), catalogue_.Heroes.end(),
            [&](const THero& hero) { return Utf8(WithoutSpaces(hero.Name)) == anchor; });
    }

    void Documents() {
        for (const DocumentPassages& document : passages_) {
            const bool startPage = SameDocument(document.Document->Path, addresses_.DefaultPage);
            for (std::size_t p = 0; p < document.Passages.size(); ++p) {
                const Passage& passage = document.Passages[p];
                // What stands before the first heading of a page with headings
                // is its navigation line.
                if (p == 0 && passage.Heading.empty() && document.Passages.size() > 1) {
                    continue;
                }
                FindEntry entry{FindKind::Document, passage.Heading, {}, passage.Text, {}};
                entry.Target.Document = document.Document->Path;
                entry.Target.Anchor = passage.Anchor;
                // A hero's section of the start page is one passage, shown by
                // its own address.
                if (startPage && IsHeroAnchor(passage.Anchor)) {
                    while (p + 1 < document.Passages.size() &&
                           document.Passages[p + 1].Anchor == passage.Anchor) {
                        ++p;
                        entry.Text +=
                            ' ' + document.Passages[p].Heading + ' ' + document.Passages[p].Text;
                    }
                    entry.Target.Document += std::string(kHeroSectionQuery) + passage.Anchor;
                    entry.Target.Anchor.clear();
                }
                if (entry.Title.empty()) {
                    entry.Title = HtmlTitle(document.Document->Bytes);
                }
                if (entry.Title.empty()) {
                    const std::string& path = document.Document->Path;
                    const std::size_t slash = path.find_last_of('/');
                    entry.Title = path.substr(slash == std::string::npos ? 0 : slash + 1);
                }
                if (!entry.Text.empty()) {
                    entries_.push_back(std::move(entry));
                }
            }
        }
    }

    const Catalogue& catalogue_;
    const std::vector<FindDocument>& documents_;
    const DocumentAddresses& addresses_;
    std::vector<DocumentPassages> passages_;
    const FindDocument* itemsGuide_ = nullptr;
    // Abilities and items by address: how a giver of an aura or orb is named
    // and where it opens.
    std::map<const void*, std::pair<std::string, FindTarget>> givers_;
    std::vector<FindEntry> entries_;
};

} // namespace

std::vector<FindEntry> CollectFindEntries(const Catalogue& catalogue,
                                          const std::vector<FindDocument>& documents,
                                          const DocumentAddresses& addresses) {
    return Collector(catalogue, documents, addresses).Collect();
}

} // namespace zephyr
