#include "commands.h"

#include "app_icon.h"
#include "icon_set.h"
#include "pack_sources.h"
#include "pack_writer.h"
#include "source_error.h"
#include "synthetic_pack.h"

#include "data/data_error.h"
#include "data/number_text.h"

#include <QGuiApplication>

#include <filesystem>
#include <ostream>
#include <unistd.h>

namespace zephyr::cli {
namespace {

// Drawing text needs a GUI application; the offscreen platform needs no display.
void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder and warns without one.
        const auto runtime = std::filesystem::temp_directory_path() /
                             ("zephyrdex-runtime-" + std::to_string(::getuid()));
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    }
    static int argc = 1;
    static char name[] = "zephyrdex-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace

int RunPack(CliContext& ctx) {
    if (TakeFlag(ctx.Args, "app-icon")) {
        if (ctx.Args.size() != 1) {
            throw UsageError{"pack --app-icon takes one folder: OUT"};
        }
        EnsureGuiApplication();
        pack::WriteAppIcon(ctx.Args[0]);
        return kExitOk;
    }
    const std::optional<std::string> synthetic = TakeOption(ctx.Args, "synthetic");
    const std::optional<std::string> iconFile = TakeOption(ctx.Args, "icons");
    const std::size_t wanted = synthetic ? 1 : 2;
    if (ctx.Args.size() != wanted) {
        throw UsageError{synthetic ? "pack --synthetic SCALE takes one folder: OUT"
                                   : "pack takes two folders: SRC OUT"};
    }
    pack::PackSources sources;
    try {
        // The pictures are drawn from the Game Icons set when it is there;
        // without it the pack is complete all the same, with plain pictures.
        std::string notice;
        const std::optional<pack::IconSet> icons =
            pack::OpenIconSet(iconFile.value_or(std::string()), notice);
        if (synthetic) {
            const int scale = ParseWhole<int>(*synthetic).value_or(0);
            if (scale < 1 || scale > 50) {
                throw UsageError{"--synthetic takes a scale from 1 to 50"};
            }
            sources = pack::SyntheticPack(scale);
        } else {
            sources = pack::ReadPackSources(ctx.Args[0], icons ? &*icons : nullptr);
        }
        EnsureGuiApplication();
        pack::WritePack(sources, ctx.Args.back(), icons ? &*icons : nullptr);
        if (!notice.empty()) {
            ctx.Err << "zephyrdex-cli: " << notice << '\n';
        }
    } catch (const pack::SourceError& error) {
        ctx.Err << error.what() << '\n';
        return kExitProblems;
    }
    return kExitOk;
}

} // namespace zephyr::cli
