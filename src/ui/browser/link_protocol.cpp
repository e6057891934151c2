#include "ui/browser/link_protocol.h"

#include <algorithm>

namespace zephyr::ui {
namespace {

constexpr std::string_view kBuildLinkPrefix = "build_";

} // namespace

std::string_view LinkName(std::string_view address) {
    const std::size_t last = address.find_last_of("/\\:");
    return last == std::string_view::npos ? address : address.substr(last + 1);
}

LinkKind ClassifyAddress(std::string_view address) {
    const std::string_view name = LinkName(address);
    if (name.starts_with("calc")) {
        return LinkKind::Calc;
    }
    if (name.starts_with("BackCalc")) {
        return LinkKind::BackCalc;
    }
    if (name.starts_with(kBuildLinkPrefix)) {
        return LinkKind::Build;
    }
    if (address.starts_with("http://") || address.starts_with("https://")) {
        return LinkKind::Web;
    }
    return LinkKind::Document;
}

std::string_view WantedHeroName(std::string_view linkName) {
    return linkName.size() > 5 ? linkName.substr(5) : std::string_view();
}

std::string_view BuildCodeOfLink(std::string_view linkName) {
    return linkName.starts_with(kBuildLinkPrefix) ? linkName.substr(kBuildLinkPrefix.size())
                                                  : std::string_view();
}

std::string WithoutSpaces(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != ' '; });
    return out;
}

int HeroByLinkName(const std::vector<THero>& heroes, std::string_view wanted) {
    for (std::size_t i = 0; i < heroes.size(); ++i) {
        if (WithoutSpaces(heroes[i].Name) == wanted) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

bool IsCalculatorEntry(std::string_view url) {
    return url.starts_with("calc") || url.starts_with("BackCalc") ||
           url.starts_with(kBuildLinkPrefix);
}

bool IsSearchEntry(std::string_view url) {
    return url.starts_with("dictionary");
}

} // namespace zephyr::ui
