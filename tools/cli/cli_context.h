#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zephyr::cli {

// What every subcommand gets: its own arguments (after the subcommand name),
// the streams, and the executable's path for the default Data folder.
struct CliContext {
    std::vector<std::string> Args;
    std::filesystem::path Executable;
    std::istream& In;
    std::ostream& Out;
    std::ostream& Err;
};

// Exit codes shared by the subcommands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitProblems = 1;
inline constexpr int kExitUsage = 2;

// Thrown by argument parsing; main prints it with the usage and exits 2.
struct UsageError {
    std::string Message;
};

// Removes "--NAME VALUE" (or "--NAME=VALUE") from args and returns VALUE.
std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name);
// Removes "--NAME" from args and returns whether it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

} // namespace zephyr::cli
