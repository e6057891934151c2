#pragma once

#include <filesystem>
#include <string>

namespace zephyr::testing {

struct CliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// Runs the built zephyrdex-cli with the arguments (each shell-quoted here),
// optionally feeding `input` on standard input.
CliRun RunCli(const std::string& arguments, const std::string& input = {});

} // namespace zephyr::testing
