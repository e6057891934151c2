#pragma once

#include "data/data_location.h"

#include <QStringList>

#include <filesystem>

namespace zephyr::app {

// Reads "--data DIR" like the command-line tool does.
DataLocation LocationFromArguments(const QStringList& arguments);

// "--builds DIR", or the default builds folder of the user.
std::filesystem::path BuildsFolderFromArguments(const QStringList& arguments);

// The build file named on the command line ("zephyrdex FILE.zdxbuild"), or
// empty: the first argument that is no option nor an option's value.
std::filesystem::path BuildFileFromArguments(const QStringList& arguments);

} // namespace zephyr::app
