#include "find_entry.h"

#include <array>

namespace zephyr {
namespace {

constexpr std::array<std::string_view, kFindKindCount> kKindNames = {
    "hero", "ability", "item", "aura", "orb", "term", "document"};

} // namespace

std::string_view FindKindName(FindKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::optional<FindKind> FindKindNamed(std::string_view name) {
    for (std::size_t k = 0; k < kKindNames.size(); ++k) {
        if (kKindNames[k] == name) {
            return static_cast<FindKind>(k);
        }
    }
    return std::nullopt;
}

std::string TargetText(const FindTarget& target) {
    std::string text;
    if (target.Term >= 0) {
        text = "dictionary#";
        text += std::to_string(target.Term);
        return text;
    }
    if (!target.Document.empty()) {
        text = target.Document;
        if (!target.Anchor.empty()) {
            text += '#';
            text += target.Anchor;
        }
        return text;
    }
    if (target.Item > 0) {
        text = "item#";
        text += std::to_string(target.Item);
        return text;
    }
    text = "calc_";
    text += target.HeroLinkName;
    if (target.Ability > 0) {
        text += "#ability";
        text += std::to_string(target.Ability);
    }
    return text;
}

} // namespace zephyr
