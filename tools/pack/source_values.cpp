#include "source_values.h"

#include "data/cp1251.h"
#include "data/number_text.h"

namespace zephyr::pack {

std::string CpText(const SourceLine& line, const std::string& utf8, std::size_t limit) {
    const std::string text = Cp1251FromUtf8(utf8);
    if (Utf8FromCp1251(text) != utf8) {
        line.Fail("\"" + utf8 + "\" has characters that Windows-1251 cannot hold");
    }
    if (text.size() > limit) {
        line.Fail("\"" + utf8 + "\" is " + std::to_string(text.size()) + " bytes long, at most " +
                  std::to_string(limit) + " fit");
    }
    return text;
}

bool YesNo(const SourceLine& line) {
    if (line.Value == "yes") {
        return true;
    }
    if (line.Value != "no") {
        line.Fail(line.Key + " must be yes or no, not \"" + line.Value + "\"");
    }
    return false;
}

long long Integer(const SourceLine& line, const std::string& text, long long low, long long high) {
    const std::optional<long long> value = ParseWhole<long long>(text);
    if (!value) {
        line.Fail("\"" + text + "\" is not a whole number");
    }
    if (*value < low || *value > high) {
        line.Fail(text + " is outside " + std::to_string(low) + " .. " + std::to_string(high));
    }
    return *value;
}

std::int32_t Hundredths(const SourceLine& line, const std::string& text) {
    const ParsedHundredths parsed = ParseHundredths(text);
    if (parsed.Problem == HundredthsProblem::NotANumber) {
        line.Fail("\"" + text + "\" is not a number");
    }
    if (parsed.Problem != HundredthsProblem::None) {
        line.Fail("\"" + text + "\" needs more than two decimals or is too large");
    }
    return parsed.Value;
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string part = text.substr(start, end - start);
        const auto first = part.find_first_not_of(' ');
        const auto last = part.find_last_not_of(' ');
        parts.push_back(first == std::string::npos ? std::string()
                                                   : part.substr(first, last - first + 1));
        start = end + 1;
    }
    return parts;
}

std::uint32_t Colour(const SourceLine& line) {
    const std::string& v = line.Value;
    if (v.size() != 7 || v[0] != '#' ||
        v.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos) {
        line.Fail("a colour is written #rrggbb, not \"" + v + "\"");
    }
    return static_cast<std::uint32_t>(std::stoul(v.substr(1), nullptr, 16));
}

std::string Slug(const std::string& utf8) {
    std::string slug;
    for (const char c : utf8) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            slug += c;
        } else if (c >= 'A' && c <= 'Z') {
            slug += static_cast<char>(c - 'A' + 'a');
        } else if (!slug.empty() && slug.back() != '_') {
            slug += '_';
        }
    }
    while (!slug.empty() && slug.back() == '_') {
        slug.pop_back();
    }
    return slug.empty() ? "x" : slug;
}

int NameTable::Add(const SourceLine& line, const std::string& name) {
    if (name.empty()) {
        line.Fail(kind_ + " without a name");
    }
    if (!numbers_.emplace(name, Count() + 1).second) {
        line.Fail("a second " + kind_ + " named \"" + name + "\"");
    }
    return Count();
}

int NameTable::Find(const SourceLine& line, const std::string& name) const {
    if (name.empty() || name == "none") {
        return 0;
    }
    const auto found = numbers_.find(name);
    if (found == numbers_.end()) {
        line.Fail("there is no " + kind_ + " named \"" + name + "\"");
    }
    return found->second;
}

} // namespace zephyr::pack
