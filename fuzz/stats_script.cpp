// The build scripts of `zephyrdex-cli stats` and the build files around
// them, read and replayed over the sample catalogue.
#include "fuzz_check.h"
#include "fuzz_pack.h"

#include "stats_script.h"

#include "builds/build_file.h"

#include "data/load_all.h"

#include <cstdio>
#include <cstdlib>

namespace {

const zephyr::Catalogue& SampleCatalogue() {
    static const zephyr::Catalogue catalogue = [] {
        const std::filesystem::path data = zephyr::fuzz::SampleDataFolder();
        const zephyr::DataLocation location(data.parent_path(), data, data.parent_path());
        zephyr::LoadAllResult result = zephyr::LoadAll({location, false, {}});
        if (!result.Ok()) {
            std::fprintf(stderr, "fuzz: %s\n", result.Failure->Message.c_str());
            std::abort();
        }
        return std::move(result.Catalogue);
    }();
    return catalogue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zephyr;
    const Catalogue& catalogue = SampleCatalogue();
    try {
        const nlohmann::json script = ParseBuildScript(fuzz::InputText(data, size));
        // Build files are scripts under a header, read as the command line reads them.
        CheckBuildFileHeader(script);
        for (const char separator : {',', '.'}) {
            const nlohmann::json out = cli::RunStatsScript(catalogue, script, separator);
            // The command prints the answer; printing must not throw either.
            out.dump(2);
        }
    } catch (const BuildScriptError& error) {
        FUZZ_CHECK(error.what()[0] != 0);
    }
    return 0;
}
