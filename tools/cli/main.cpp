#include "commands.h"

#include "data/data_error.h"

#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

using zephyr::cli::CliContext;

struct Command {
    std::string_view Name;
    std::string_view Usage;
    int (*Run)(CliContext&);
};

constexpr Command kCommands[] = {
    {"dump",
     "dump [--data DIR] [--effects-text] heroes|items|auras|orbs|dictionary|addresses|ticker",
     zephyr::cli::RunDump},
    {"check", "check [--data DIR]", zephyr::cli::RunCheck},
    {"stats", "stats [--data DIR] [--decimal-separator C] [FILE|- | --code CODE]",
     zephyr::cli::RunStats},
    {"code", "code [--data DIR] [FILE|-]", zephyr::cli::RunCodeCommand},
    {"search", "search [--data DIR] [--category N] [--html] QUERY", zephyr::cli::RunSearch},
    {"article", "article [--data DIR] N", zephyr::cli::RunArticle},
    {"find",
     "find [--data DIR] [--kind hero|ability|item|aura|orb|term|document] [--limit N] QUERY",
     zephyr::cli::RunFind},
    {"pack", "pack [--icons FILE] SRC OUT | pack --synthetic SCALE OUT | pack --app-icon OUT",
     zephyr::cli::RunPack},
};

// The running executable, whatever folder it was started from.
std::filesystem::path ExecutablePath(const char* argv0) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::absolute(argv0, ec) : self;
}

void PrintUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& command : kCommands) {
        out << "  zephyrdex-cli " << command.Usage << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return zephyr::cli::kExitUsage;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return zephyr::cli::kExitOk;
    }
    for (const Command& command : kCommands) {
        if (command.Name != name) {
            continue;
        }
        CliContext ctx{
            {argv + 2, argv + argc}, ExecutablePath(argv[0]), std::cin, std::cout, std::cerr};
        try {
            return command.Run(ctx);
        } catch (const zephyr::cli::UsageError& error) {
            std::cerr << "zephyrdex-cli: " << error.Message << '\n';
            PrintUsage(std::cerr);
            return zephyr::cli::kExitUsage;
        } catch (const std::exception& error) {
            std::cerr << "zephyrdex-cli: " << error.what() << '\n';
            return zephyr::cli::kExitProblems;
        }
    }
    std::cerr << "zephyrdex-cli: unknown command '" << name << "'\n";
    PrintUsage(std::cerr);
    return zephyr::cli::kExitUsage;
}
