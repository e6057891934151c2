#pragma once

#include "data/hero.h"

#include <string>
#include <string_view>
#include <vector>

namespace zephyr::ui {

// What a navigation of the document viewer stands for.
enum class LinkKind {
    Calc,     // "calc" + separator + hero name without spaces: the calculator
    BackCalc, // back to the calculator with the current hero
    Build,    // "build_" + a build code: the calculator with that build
    Web,      // a web address: opened by the system browser
    Document, // everything else: shown in the viewer and recorded
};

// The text after the last '/', '\' or ':' of an address (all of it when it
// has none). The engine reports local links with slashes.
std::string_view LinkName(std::string_view address);

// Calculator links are told by the link name, web addresses by the start of
// the whole address ("http://" and "https://" alike).
LinkKind ClassifyAddress(std::string_view address);

// The hero a calc link names: its text from the 6th character on; the 5th is
// a separator that is not looked at.
std::string_view WantedHeroName(std::string_view linkName);

// The build code of a build link: its text after "build_".
std::string_view BuildCodeOfLink(std::string_view linkName);

std::string WithoutSpaces(std::string_view text);

// The 1-based number of the first hero whose name without spaces is `wanted`
// (exact, letter case included), or 0.
int HeroByLinkName(const std::vector<THero>& heroes, std::string_view wanted);

// History entries by the start of their address.
bool IsCalculatorEntry(std::string_view url);
bool IsSearchEntry(std::string_view url);

} // namespace zephyr::ui
