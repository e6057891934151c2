#include "document_addresses.h"

#include "byte_helpers.h"
#include "cp1251.h"
#include "text_lines.h"

namespace zephyr {

const std::array<std::string, kDocumentKeyCount>& DocumentKeyNames() {
    static const std::array<std::string, kDocumentKeyCount> names = {
        Cp1251FromUtf8("Руководство.Герои"),
        Cp1251FromUtf8("Руководство.Предметы"),
        Cp1251FromUtf8("Руководство.Статьи"),
        Cp1251FromUtf8("Руководство.Крипы"),
        Cp1251FromUtf8("Механика.Формулы калькулятора"),
        Cp1251FromUtf8("О проекте.О программе"),
        Cp1251FromUtf8("О проекте.Помощь"),
    };
    return names;
}

const std::string& SiteKeyName() {
    static const std::string name = Cp1251FromUtf8("О проекте.Сайт");
    return name;
}

DocumentAddresses ParseDocumentAddresses(std::string_view text) {
    DocumentAddresses addresses;
    const auto& names = DocumentKeyNames();
    for (const std::string& line : SplitTextLines(text)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue; // the key would be empty, which names nothing
        }
        const std::string_view key = TrimControl(std::string_view(line).substr(0, equals));
        const std::string_view value = TrimControl(std::string_view(line).substr(equals + 1));
        if (key == kDefaultDocumentKey) {
            if (!value.empty()) {
                addresses.DefaultPage = value;
            }
            continue;
        }
        if (key == SiteKeyName()) {
            addresses.Site = value;
            continue;
        }
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (key == names[k]) {
                addresses.Values[k] = value;
            }
        }
    }
    return addresses;
}

std::optional<DocumentAddresses> ReadDocumentAddresses(const DataLocation& location) {
    const std::optional<std::string> text =
        ReadTextFile(location, location.DataFile("Address.dat"));
    if (!text) {
        return std::nullopt;
    }
    return ParseDocumentAddresses(*text);
}

} // namespace zephyr
