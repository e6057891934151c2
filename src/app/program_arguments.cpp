#include "program_arguments.h"

#include "builds/builds_folder.h"

#include <QCoreApplication>

#include <cstdlib>
#include <optional>

namespace zephyr::app {

DataLocation LocationFromArguments(const QStringList& arguments) {
    std::optional<std::filesystem::path> dataFolder;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--data") && i + 1 < arguments.size()) {
            dataFolder = std::filesystem::path(arguments[i + 1].toStdString());
            ++i;
        } else if (argument.startsWith(QLatin1String("--data="))) {
            dataFolder = std::filesystem::path(argument.mid(7).toStdString());
        }
    }
    return DataLocation::ForExecutable(
        std::filesystem::path(QCoreApplication::applicationFilePath().toStdString()), dataFolder);
}

std::filesystem::path BuildsFolderFromArguments(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--builds") && i + 1 < arguments.size()) {
            return arguments[i + 1].toStdString();
        }
        if (argument.startsWith(QLatin1String("--builds="))) {
            return argument.mid(9).toStdString();
        }
    }
    return DefaultBuildsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::filesystem::path BuildFileFromArguments(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--data") || argument == QLatin1String("--builds")) {
            ++i;
        } else if (!argument.startsWith(QLatin1Char('-'))) {
            return argument.toStdString();
        }
    }
    return {};
}

} // namespace zephyr::app
