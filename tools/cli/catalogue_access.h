#pragma once

#include "cli_context.h"

#include "data/catalogue.h"
#include "data/data_location.h"

#include <optional>
#include <vector>

namespace zephyr::cli {

// The data location from "--data DIR" (taken out of ctx.Args) or the Data
// folder beside the executable.
DataLocation TakeDataLocation(CliContext& ctx);

// Loads every catalogue's records without pictures. On failure prints the
// message to ctx.Err and returns nothing (the command then exits 1).
std::optional<Catalogue> LoadRecords(const CliContext& ctx, const DataLocation& location);

// Loads Dictionary.dat alone, all the dictionary commands need. A missing file
// is printed to ctx.Err and gives nothing; a malformed one throws DataError.
std::optional<std::vector<TSlang>> LoadDictionary(const CliContext& ctx,
                                                  const DataLocation& location);

} // namespace zephyr::cli
