#include "ui/library/library_actions.h"

#include "ui/library/build_file_refusal.h"
#include "ui/library/build_files.h"

#include "builds/build_file.h"
#include "builds/builds_folder.h"

#include <fstream>
#include <sstream>

namespace zephyr::ui {
namespace {

namespace fs = std::filesystem;

ActionResult Failed(const QString& problem) {
    return {{}, problem};
}

// The header and the script of a build file as JSON, to be written back with
// a change: heroes and items the data lacks survive it.
std::optional<nlohmann::json> ReadScript(const fs::path& build, QString& problem) {
    std::ifstream in(build, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        problem = QStringLiteral("файл «%1» не читается").arg(ShownPath(build.filename()));
        return std::nullopt;
    }
    try {
        nlohmann::json script = ParseBuildScript(text.str());
        ReadBuildFileHeader(text.str());
        return script;
    } catch (const BuildScriptError& fault) {
        problem =
            QStringLiteral("«%1»: %2").arg(ShownPath(build.filename()), BuildFileRefusal(fault));
        return std::nullopt;
    }
}

ActionResult Write(const fs::path& path, const nlohmann::json& script) {
    const QString problem = WriteBuildFile(
        path, script.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + '\n');
    return problem.isEmpty() ? ActionResult{path, {}} : Failed(problem);
}

QString SystemProblem(const std::error_code& error) {
    return QStringLiteral("система отказала: %1").arg(QString::fromStdString(error.message()));
}

} // namespace

ActionResult RenameBuild(const fs::path& build, const std::string& name) {
    QString problem;
    std::optional<nlohmann::json> script = ReadScript(build, problem);
    if (!script) {
        return Failed(problem);
    }
    (*script)["name"] = name;
    (*script)["modified"] = UtcNow();
    const fs::path wanted = build.parent_path() / BuildFileNameFor(name);
    const fs::path target = wanted == build ? build : FreeBuildPath(build.parent_path(), name);
    ActionResult written = Write(target, *script);
    if (written.Ok() && target != build) {
        std::error_code error;
        fs::remove(build, error);
    }
    return written;
}

ActionResult DuplicateBuild(const fs::path& build) {
    QString problem;
    std::optional<nlohmann::json> script = ReadScript(build, problem);
    if (!script) {
        return Failed(problem);
    }
    const std::string name = script->value("name", std::string()) + " (копия)";
    (*script)["name"] = name;
    (*script)["created"] = (*script)["modified"] = UtcNow();
    return Write(FreeBuildPath(build.parent_path(), name), *script);
}

ActionResult DeleteEntry(const fs::path& entry) {
    std::error_code error;
    if (fs::is_directory(entry, error) && !fs::is_empty(entry, error)) {
        return Failed(QStringLiteral("в папке «%1» есть сборки: сначала удалите или перенесите их")
                          .arg(ShownPath(entry.filename())));
    }
    if (!fs::remove(entry, error) || error) {
        return Failed(SystemProblem(error));
    }
    return {entry, {}};
}

ActionResult MoveBuild(const fs::path& build, const fs::path& folder) {
    if (build.parent_path() == folder) {
        return {build, {}};
    }
    const std::u8string stem = build.stem().u8string();
    const fs::path target = FreeBuildPath(folder, std::string(stem.begin(), stem.end()));
    std::error_code error;
    fs::rename(build, target, error);
    if (error) {
        return Failed(SystemProblem(error));
    }
    return {target, {}};
}

ActionResult MakeFolder(const fs::path& parent, const std::string& name) {
    // A folder's name follows the rules of a build's file name.
    std::string safe = BuildFileNameFor(name);
    safe.resize(safe.size() - kBuildFileExtension.size());
    fs::path folder = parent / fs::path(std::u8string(safe.begin(), safe.end()));
    std::error_code error;
    for (int n = 2; fs::exists(folder, error); ++n) {
        const std::string numbered = safe + " (" + std::to_string(n) + ")";
        folder = parent / fs::path(std::u8string(numbered.begin(), numbered.end()));
    }
    fs::create_directories(folder, error);
    if (error) {
        return Failed(SystemProblem(error));
    }
    return {folder, {}};
}

ActionResult SaveNotes(const fs::path& build, const std::string& notes) {
    QString problem;
    std::optional<nlohmann::json> script = ReadScript(build, problem);
    if (!script) {
        return Failed(problem);
    }
    (*script)["notes"] = notes;
    (*script)["modified"] = UtcNow();
    return Write(build, *script);
}

} // namespace zephyr::ui
