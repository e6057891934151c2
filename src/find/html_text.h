#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zephyr {

// A stretch of a document's text under its nearest heading: what a search
// hit points at.
struct Passage {
    std::string Heading; // UTF-8; empty before the first heading
    std::string Anchor;  // the id or name nearest above, to scroll to; may be empty
    std::string Text;    // UTF-8, words separated by single spaces
};

// Where passages end: at headings only, or also at every element that
// carries an id (a table row of a guide, say), each such passage keeping the
// heading above it.
enum class PassageCut { AtHeadings, AtAnchors };

// The readable text of an HTML document in Windows-1251, cut into passages
// at headings (h1 to h6): tags dropped, scripts, styles and comments with
// their contents dropped, character entities decoded, white space folded.
// Never fails: what cannot be read as markup is kept as text.
std::vector<Passage> HtmlPassages(std::string_view cp1251Html,
                                  PassageCut cut = PassageCut::AtHeadings);

// The text of the document's title element (UTF-8), empty without one. The
// passages leave it out.
std::string HtmlTitle(std::string_view cp1251Html);

} // namespace zephyr
