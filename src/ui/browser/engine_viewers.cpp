#include "ui/browser/engine_viewers.h"

#include "ui/browser/pending_viewer.h"
#include "ui/browser/viewer_module.h"
#include "ui/browser/viewer_process.h"

#include <QPointer>
#include <QWidget>

#include <iostream>
#include <utility>
#include <vector>

namespace zephyr::ui {

struct EngineViewers::Shared {
    DataLocation Location;
    ViewerFactory Real; // set once the engine is up
    bool Started = false;
    QString Problem; // why the engine did not start
    // The stand-ins made before, with their places: a place gone means its
    // stand-in is gone too.
    std::vector<std::pair<PendingViewer*, QPointer<QWidget>>> Waiting;
};

EngineViewers::EngineViewers(DataLocation location)
    : shared_(std::make_shared<Shared>(Shared{std::move(location), {}, false, {}, {}})) {}

ViewerFactory EngineViewers::Factory() const {
    return [shared = shared_](QWidget* parent, const QString& name) -> std::unique_ptr<HtmlViewer> {
        if (shared->Real) {
            return shared->Real(parent, name);
        }
        auto viewer = std::make_unique<PendingViewer>(parent, name);
        if (shared->Started) {
            viewer->ShowProblem(shared->Problem);
        } else {
            shared->Waiting.emplace_back(viewer.get(), viewer->Widget());
        }
        return viewer;
    };
}

bool EngineViewers::Started() const {
    return shared_->Started;
}

void EngineViewers::Start() {
    if (shared_->Started) {
        return;
    }
    shared_->Started = true;
    ShareViewerGraphics();
    if (const ViewerModuleEntry entry = LoadViewerModule(shared_->Problem)) {
        entry(shared_->Location, shared_->Real);
    } else {
        std::cerr << "zephyrdex: the document viewer did not start: "
                  << shared_->Problem.toStdString() << '\n';
        shared_->Problem =
            QStringLiteral("Просмотрщик документов не запустился: %1").arg(shared_->Problem);
    }
    for (auto& [viewer, place] : std::exchange(shared_->Waiting, {})) {
        if (place.isNull()) {
            continue;
        }
        if (shared_->Real) {
            viewer->Attach(shared_->Real(place, viewer->Name()));
        } else {
            viewer->ShowProblem(shared_->Problem);
        }
    }
}

} // namespace zephyr::ui
