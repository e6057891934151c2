#include "cli_run.h"

#include "temp_folder.h"

#include <fstream>
#include <iterator>
#include <sys/wait.h>

namespace zephyr::testing {
namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

CliRun RunCli(const std::string& arguments, const std::string& input) {
    TempFolder folder;
    const auto in = folder.Path() / "in";
    const auto out = folder.Path() / "out";
    const auto err = folder.Path() / "err";
    WriteFile(in, input);
    const std::string command = std::string(ZEPHYR_CLI_PATH) + " " + arguments + " <" +
                                in.string() + " >" + out.string() + " 2>" + err.string();
    const int status = std::system(command.c_str());
    CliRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = Slurp(out);
    run.Err = Slurp(err);
    return run;
}

} // namespace zephyr::testing
