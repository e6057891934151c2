#pragma once

#include "builds/build_file.h"

#include <QDateTime>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

namespace zephyr::ui {

// A build file as it was on disk when the program last read or wrote it: a
// file changed since by another running copy has another stamp.
struct FileStamp {
    qint64 Size = -1; // -1: no such file
    QDateTime Modified;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOf(const std::filesystem::path& path);

// Writes the text to a temporary file beside `path` and renames it over the
// old one, creating the folders on the way; an old file is never left half
// written. Empty when done, otherwise why not, in the window's words.
QString WriteBuildFile(const std::filesystem::path& path, const std::string& text);

// A build file read for the window.
struct ReadBuild {
    BuildFile Build;
    FileStamp Stamp;
    bool OtherData = false; // made on data of another identity
};

// Reads and checks a build file against the catalogue; nothing and the
// reason in the window's words ("файл повреждён", ...) when it cannot be
// used.
std::optional<ReadBuild> ReadBuildFileAt(const std::filesystem::path& path,
                                         const Catalogue& catalogue,
                                         const std::string& dataIdentity, QString& refusal);

// Now, as build files write their times: "2026-12-10T13:45:00Z".
std::string UtcNow();

// The file's name as the window shows it.
QString ShownPath(const std::filesystem::path& path);

} // namespace zephyr::ui
