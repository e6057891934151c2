#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zephyr {

// The build kept when the window closes with a build nobody saved.
inline constexpr std::string_view kLastSessionName = "Последняя сессия";

// Where builds are kept unless told otherwise: $XDG_DATA_HOME/zephyrdex/builds,
// or ~/.local/share/zephyrdex/builds when that is unset, empty or relative
// (as the base directory rules say). Empty when neither is known.
std::filesystem::path DefaultBuildsFolder(const char* xdgDataHome, const char* home);

// A file name for a build's name (UTF-8): the name without the characters a
// file name cannot hold or that would lead elsewhere, cut to a sensible
// length at a whole character, with the build extension. "Сборка" for a name
// with nothing left.
std::string BuildFileNameFor(std::string_view name);

// `folder` / the file name for `name`, or, when that is taken, the first free
// "name (2)", "name (3)", ...
std::filesystem::path FreeBuildPath(const std::filesystem::path& folder, std::string_view name);

} // namespace zephyr
