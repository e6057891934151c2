#include "icon_set.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSvgRenderer>

#include <stdexcept>

namespace zephyr::pack {
namespace {

double Number(const QJsonObject& object, const char* key, double fallback) {
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? value.toDouble() : fallback;
}

} // namespace

IconSet IconSet::FromFile(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read the icon set " + file.string());
    }
    return FromJson(in.readAll(), file.string());
}

IconSet IconSet::FromJson(const QByteArray& json, const std::string& shownName) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        throw std::runtime_error(shownName +
                                 " is not an icon set: " + error.errorString().toStdString());
    }
    const QJsonObject root = document.object();
    const double width = Number(root, "width", 512);
    const double height = Number(root, "height", 512);
    IconSet set;
    const QJsonObject icons = root.value(QLatin1String("icons")).toObject();
    for (auto it = icons.begin(); it != icons.end(); ++it) {
        const QJsonObject icon = it.value().toObject();
        const QString body = icon.value(QLatin1String("body")).toString();
        if (body.isEmpty()) {
            continue;
        }
        // Everything is drawn in one colour; the silhouette is white.
        QByteArray svg = body.toUtf8();
        svg.replace("currentColor", "#ffffff");
        set.icons_[it.key().toStdString()] =
            Icon{svg, Number(icon, "left", 0), Number(icon, "top", 0), Number(icon, "width", width),
                 Number(icon, "height", height)};
    }
    // Aliases are other names of an icon (old spellings).
    const QJsonObject aliases = root.value(QLatin1String("aliases")).toObject();
    for (auto it = aliases.begin(); it != aliases.end(); ++it) {
        const std::string parent =
            it.value().toObject().value(QLatin1String("parent")).toString().toStdString();
        const auto found = set.icons_.find(parent);
        if (found != set.icons_.end()) {
            set.icons_[it.key().toStdString()] = found->second;
        }
    }
    if (set.icons_.empty()) {
        throw std::runtime_error(shownName + " holds no icons");
    }
    return set;
}

bool IconSet::Has(std::string_view name) const {
    return icons_.find(name) != icons_.end();
}

QImage IconSet::Silhouette(std::string_view name, int size) const {
    const auto found = icons_.find(name);
    if (found == icons_.end() || size <= 0) {
        return {};
    }
    const Icon& icon = found->second;
    const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" +
                           QByteArray::number(icon.Left) + ' ' + QByteArray::number(icon.Top) +
                           ' ' + QByteArray::number(icon.Width) + ' ' +
                           QByteArray::number(icon.Height) + "\">" + icon.Body + "</svg>";
    QSvgRenderer renderer(svg);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!renderer.isValid()) {
        return {};
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

std::optional<IconSet> OpenIconSet(const std::filesystem::path& file, std::string& notice) {
    notice.clear();
    if (file.empty()) {
        notice = "no icon set given (--icons FILE): the pictures are drawn without icons";
        return std::nullopt;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        notice = "no icon set at " + file.string() +
                 ": the pictures are drawn without icons (scripts/install-deps.sh installs it)";
        return std::nullopt;
    }
    return IconSet::FromFile(file);
}

bool IsIconName(std::string_view name) {
    if (name.empty() || name.front() == '-' || name.back() == '-') {
        return false;
    }
    char previous = 0;
    for (const char c : name) {
        const bool word = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!word && !(c == '-' && previous != '-')) {
            return false;
        }
        previous = c;
    }
    return true;
}

} // namespace zephyr::pack
