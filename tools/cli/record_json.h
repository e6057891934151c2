#pragma once

#include "data/catalogue.h"
#include "data/document_addresses.h"

#include <nlohmann/json.hpp>

#include <string_view>

namespace zephyr::cli {

// JSON forms of the catalogue records; texts become UTF-8, field names are
// the records' own.
nlohmann::json Text(std::string_view cp1251);
nlohmann::json TokensJson(const TEffectList& tokens); // [[IsCode, Value], ...]

nlohmann::json HeroesJson(const Catalogue& catalogue);
nlohmann::json ItemsJson(const Catalogue& catalogue);
nlohmann::json AurasJson(const Catalogue& catalogue);
nlohmann::json OrbsJson(const Catalogue& catalogue);
nlohmann::json DictionaryJson(const Catalogue& catalogue);
nlohmann::json AddressesJson(const DocumentAddresses& addresses);

} // namespace zephyr::cli
