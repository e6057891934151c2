#include "find/html_text.h"

#include "data/cp1251.h"

#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

namespace zephyr {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// UTF-8 of a code point; the replacement character for what is no character.
std::string Utf8Of(unsigned long code) {
    std::string out;
    const bool character = code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    AppendUtf8(out, character ? static_cast<char32_t>(code) : char32_t{0xFFFD});
    return out;
}

// The named entities the documents use; others stay as they are written.
constexpr std::array<std::pair<std::string_view, unsigned long>, 16> kEntities = {{
    {"amp", '&'},
    {"lt", '<'},
    {"gt", '>'},
    {"quot", '"'},
    {"apos", '\''},
    {"nbsp", 0xA0},
    {"mdash", 0x2014},
    {"ndash", 0x2013},
    {"laquo", 0xAB},
    {"raquo", 0xBB},
    {"hellip", 0x2026},
    {"copy", 0xA9},
    {"times", 0xD7},
    {"middot", 0xB7},
    {"rarr", 0x2192},
    {"larr", 0x2190},
}};

// Decodes the entity at `text[at]` ('&'), moving past it; nothing when it is
// no entity, and `at` stays.
std::optional<std::string> Entity(std::string_view text, std::size_t& at) {
    const std::size_t end = text.find(';', at);
    if (end == std::string_view::npos || end - at > 10) {
        return std::nullopt;
    }
    const std::string_view name = text.substr(at + 1, end - at - 1);
    unsigned long code = 0;
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        const auto [last, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        if (error != std::errc() || last != digits.data() + digits.size() || digits.empty()) {
            return std::nullopt;
        }
    } else {
        for (const auto& [known, value] : kEntities) {
            if (known == name) {
                code = value;
            }
        }
        if (code == 0) {
            return std::nullopt;
        }
    }
    at = end + 1;
    return code == 0xA0 ? std::string(" ") : Utf8Of(code);
}

// The value of an attribute in a tag's text ("a id=x href='y'"), lower-case name.
std::string Attribute(std::string_view tag, std::string_view name) {
    const std::string lower = Lower(tag);
    for (std::size_t at = lower.find(name); at != std::string::npos;
         at = lower.find(name, at + 1)) {
        const bool starts = at > 0 && IsSpace(lower[at - 1]);
        std::size_t k = at + name.size();
        while (k < lower.size() && IsSpace(lower[k])) {
            ++k;
        }
        if (!starts || k >= lower.size() || lower[k] != '=') {
            continue;
        }
        ++k;
        while (k < lower.size() && IsSpace(lower[k])) {
            ++k;
        }
        if (k < tag.size() && (tag[k] == '"' || tag[k] == '\'')) {
            const std::size_t close = tag.find(tag[k], k + 1);
            return std::string(tag.substr(
                k + 1, close == std::string_view::npos ? std::string_view::npos : close - k - 1));
        }
        std::size_t end = k;
        while (end < tag.size() && !IsSpace(tag[end]) && tag[end] != '>') {
            ++end;
        }
        return std::string(tag.substr(k, end - k));
    }
    return {};
}

// Builds the passages as the text comes, folding white space.
class PassageWriter {
public:
    explicit PassageWriter(PassageCut cut) : cut_(cut) {}

    void Text(std::string_view utf8) {
        for (const char c : utf8) {
            if (IsSpace(c)) {
                space_ = true;
                continue;
            }
            std::string& into = inHeading_ ? heading_ : current_.Text;
            if (space_ && !into.empty()) {
                into += ' ';
            }
            space_ = false;
            into += c;
        }
    }
    void Break() { space_ = true; }
    void Anchor(std::string anchor) {
        if (anchor.empty()) {
            return;
        }
        anchor_ = std::move(anchor);
        if (cut_ == PassageCut::AtAnchors && !inHeading_) {
            const std::string heading = current_.Heading;
            Close();
            current_.Heading = heading;
        }
    }
    void OpenHeading() {
        Close();
        inHeading_ = true;
        heading_.clear();
        space_ = false;
    }
    void CloseHeading() {
        if (!inHeading_) {
            return;
        }
        inHeading_ = false;
        current_.Heading = heading_;
        current_.Anchor = anchor_;
        space_ = false;
    }
    std::vector<Passage> Finish() {
        CloseHeading();
        Close();
        return std::move(passages_);
    }

private:
    void Close() {
        if (!current_.Text.empty() || !current_.Heading.empty()) {
            passages_.push_back(std::move(current_));
        }
        current_ = Passage{};
        current_.Anchor = anchor_;
    }

    std::vector<Passage> passages_;
    Passage current_;
    std::string heading_;
    std::string anchor_;
    PassageCut cut_;
    bool inHeading_ = false;
    bool space_ = false;
};

bool IsHeading(std::string_view name) {
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

// Tags after which words do not run on.
bool BreaksText(std::string_view name) {
    static constexpr std::array<std::string_view, 14> kBlocks = {
        "br", "p", "div", "li", "tr", "td", "th", "table", "ul", "ol", "dt", "dd", "hr", "caption"};
    for (const std::string_view block : kBlocks) {
        if (name == block) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<Passage> HtmlPassages(std::string_view cp1251Html, PassageCut cut) {
    const std::string html = Utf8FromCp1251(cp1251Html);
    const std::string_view text = html;
    PassageWriter writer(cut);
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '&') {
            if (std::optional<std::string> decoded = Entity(text, at)) {
                writer.Text(*decoded);
            } else {
                writer.Text("&");
                ++at;
            }
            continue;
        }
        if (c != '<') {
            const std::size_t next = text.find_first_of("<&", at);
            writer.Text(text.substr(at, next == std::string_view::npos ? next : next - at));
            at = next == std::string_view::npos ? text.size() : next;
            continue;
        }
        if (text.substr(at, 4) == "<!--") {
            const std::size_t end = text.find("-->", at + 4);
            at = end == std::string_view::npos ? text.size() : end + 3;
            continue;
        }
        const std::size_t close = text.find('>', at + 1);
        if (close == std::string_view::npos) {
            writer.Text(text.substr(at)); // no markup after all
            break;
        }
        const std::string_view tag = text.substr(at + 1, close - at - 1);
        const bool ending = !tag.empty() && tag[0] == '/';
        std::size_t nameEnd = ending ? 1 : 0;
        while (nameEnd < tag.size() && std::isalnum(static_cast<unsigned char>(tag[nameEnd]))) {
            ++nameEnd;
        }
        const std::string name = Lower(tag.substr(ending ? 1 : 0, nameEnd - (ending ? 1 : 0)));
        at = close + 1;
        if (!ending && (name == "script" || name == "style" || name == "title")) {
            const std::string lower = Lower(text.substr(at));
            const std::size_t end = lower.find("</" + name);
            at = end == std::string::npos ? text.size() : text.find('>', at + end) + 1;
            if (at == 0) {
                at = text.size();
            }
            continue;
        }
        if (!ending) {
            writer.Anchor(Attribute(tag, "id"));
            if (name == "a") {
                writer.Anchor(Attribute(tag, "name"));
            }
        }
        if (IsHeading(name)) {
            if (ending) {
                writer.CloseHeading();
            } else {
                writer.OpenHeading();
            }
        } else if (BreaksText(name)) {
            writer.Break();
        }
    }
    return writer.Finish();
}

std::string HtmlTitle(std::string_view cp1251Html) {
    const std::string lower = Lower(cp1251Html);
    const std::size_t open = lower.find("<title");
    if (open == std::string::npos) {
        return {};
    }
    const std::size_t start = lower.find('>', open);
    const std::size_t end = lower.find("</title", open);
    if (start == std::string::npos || end == std::string::npos || end < start) {
        return {};
    }
    std::string title;
    for (const Passage& passage : HtmlPassages(cp1251Html.substr(start + 1, end - start - 1))) {
        title += passage.Text;
    }
    return title;
}

} // namespace zephyr
