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

// How effect programs are shown: token pairs, or the readable lines of the
// data-pack sources ("Damage(P1 * 25)").
enum class EffectStyle { Tokens, Text };

nlohmann::json HeroesJson(const Catalogue& catalogue, EffectStyle style);
nlohmann::json ItemsJson(const Catalogue& catalogue, EffectStyle style);
nlohmann::json AurasJson(const Catalogue& catalogue);
nlohmann::json OrbsJson(const Catalogue& catalogue);
nlohmann::json DictionaryJson(const Catalogue& catalogue);
nlohmann::json AddressesJson(const DocumentAddresses& addresses);

} // namespace zephyr::cli
