#pragma once

#include "source_file.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zephyr::pack {

// Value readers for source statements; each fails with the statement's
// file and line.
std::string CpText(const SourceLine& line, const std::string& utf8, std::size_t limit = 255);
bool YesNo(const SourceLine& line);
long long Integer(const SourceLine& line, const std::string& text, long long low, long long high);
std::int32_t Hundredths(const SourceLine& line, const std::string& text);
std::vector<std::string> SplitList(const std::string& text, char separator);
std::uint32_t Colour(const SourceLine& line);

// "Ashen Warden" -> "ashen_warden": file names for generated pictures.
std::string Slug(const std::string& utf8);

// Names of one kind (auras, items, ...) to their 1-based numbers.
class NameTable {
public:
    explicit NameTable(std::string kind) : kind_(std::move(kind)) {}

    int Add(const SourceLine& line, const std::string& name);
    // 0 for "none" or an empty name.
    int Find(const SourceLine& line, const std::string& name) const;
    int Count() const { return static_cast<int>(numbers_.size()); }

private:
    std::string kind_;
    std::map<std::string, int> numbers_;
};

} // namespace zephyr::pack
