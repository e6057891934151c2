#include "ui/shell/main_window.h"

#include "builds/build_file.h"
#include "engine/build_code.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <optional>
#include <variant>

namespace zephyr::ui {
namespace {

using DroppedBuild = std::variant<std::filesystem::path, QString>;

// What a drag carries that opens as a build: one build file, or a text that
// is a build code.
std::optional<DroppedBuild> BuildIn(const QMimeData* data) {
    if (data == nullptr) {
        return std::nullopt;
    }
    if (data->hasUrls()) {
        const QList<QUrl> urls = data->urls();
        if (urls.size() == 1 && urls[0].isLocalFile()) {
            const std::filesystem::path file = urls[0].toLocalFile().toStdString();
            if (file.extension() == kBuildFileExtension) {
                return file;
            }
        }
        return std::nullopt;
    }
    if (data->hasText()) {
        const QString code = data->text().trimmed();
        try {
            DecodeBuildCode(code.toStdString());
            return code;
        } catch (const BuildCodeError&) {
        }
    }
    return std::nullopt;
}

} // namespace

bool MainWindow::BuildDrop(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window() || !calculatorReady_) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<DroppedBuild> build = BuildIn(drop->mimeData());
    if (!build) {
        return false;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        if (const auto* file = std::get_if<std::filesystem::path>(&*build)) {
            OpenBuildFile(*file);
        } else {
            OpenBuildCode(std::get<QString>(*build));
        }
    }
    return true;
}

} // namespace zephyr::ui
