#include "ui/library/build_files.h"

#include "ui/library/build_file_refusal.h"

#include "builds/build_script.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <fstream>
#include <sstream>

namespace zephyr::ui {

QString ShownPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()),
                             static_cast<qsizetype>(text.size()));
}

std::string UtcNow() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
}

FileStamp StampOf(const std::filesystem::path& path) {
    const QFileInfo info(ShownPath(path));
    if (!info.exists()) {
        return {};
    }
    return {info.size(), info.lastModified()};
}

QString WriteBuildFile(const std::filesystem::path& path, const std::string& text) {
    const QString name = ShownPath(path);
    const QString folder = QFileInfo(name).absolutePath();
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("папку «%1» не удалось создать").arg(folder);
    }
    QSaveFile file(name);
    // Unbuffered: a full disk takes part of a write and refuses the rest, and
    // a buffered flush would take the part for the whole.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return QStringLiteral("в папку «%1» нельзя записать (%2)").arg(folder, file.errorString());
    }
    const auto size = static_cast<qint64>(text.size());
    if (file.write(text.data(), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("файл не записан до конца: диск полон или недоступен (%1)")
            .arg(reason);
    }
    if (!file.commit()) {
        return QStringLiteral("файл не записан: %1").arg(file.errorString());
    }
    return {};
}

std::optional<ReadBuild> ReadBuildFileAt(const std::filesystem::path& path,
                                         const Catalogue& catalogue,
                                         const std::string& dataIdentity, QString& refusal) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        refusal = QStringLiteral("файла нет или он не читается");
        return std::nullopt;
    }
    if (size > (1u << 20)) {
        refusal = QStringLiteral("это не файл сборки: он слишком велик");
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        refusal = QStringLiteral("файл не читается");
        return std::nullopt;
    }
    ReadBuild read;
    read.Stamp = StampOf(path);
    try {
        read.Build = ReadBuildFile(text.str(), catalogue);
        read.OtherData = MadeOnOtherData(ParseBuildScript(text.str()), dataIdentity);
    } catch (const BuildScriptError& fault) {
        refusal = BuildFileRefusal(fault);
        return std::nullopt;
    }
    return read;
}

} // namespace zephyr::ui
