#pragma once

#include <QString>

#include <filesystem>
#include <string>

namespace zephyr::ui {

// What a library action did: the path it made, or why it could not (in the
// window's words). Nothing is ever overwritten: a taken name gets a number.
struct ActionResult {
    std::filesystem::path Path;
    QString Problem;
    bool Ok() const { return Problem.isEmpty(); }
};

// A build under a new name: the name in the file and the file's name.
ActionResult RenameBuild(const std::filesystem::path& build, const std::string& name);
// A copy of a build beside it, "<name> (копия)", created and changed now.
ActionResult DuplicateBuild(const std::filesystem::path& build);
// A build or an empty folder removed; a folder with builds in it is not.
ActionResult DeleteEntry(const std::filesystem::path& entry);
// A build moved into another folder, its file name kept where it is free.
ActionResult MoveBuild(const std::filesystem::path& build, const std::filesystem::path& folder);
// A new folder inside `parent`.
ActionResult MakeFolder(const std::filesystem::path& parent, const std::string& name);
// The notes of a build rewritten.
ActionResult SaveNotes(const std::filesystem::path& build, const std::string& notes);

} // namespace zephyr::ui
