#include "find_index_loader.h"

#include "find/find_data.h"

#include <QtConcurrent/QtConcurrentRun>

#include <malloc.h>

namespace zephyr::ui {

FindIndexLoader::FindIndexLoader(const Catalogue& catalogue, DataLocation location, QObject* parent)
    : QObject(parent), catalogue_(catalogue), location_(std::move(location)) {
    connect(&watcher_, &QFutureWatcher<std::shared_ptr<Built>>::finished, this, [this] {
        built_ = watcher_.result();
        emit Ready();
    });
}

FindIndexLoader::~FindIndexLoader() {
    watcher_.waitForFinished();
}

void FindIndexLoader::Start() {
    if (started_) {
        return;
    }
    started_ = true;
    watcher_.setFuture(QtConcurrent::run([this] {
        auto built = std::make_shared<Built>();
        built->Index = std::make_shared<const FindIndex>(
            FindEntriesOf(catalogue_, location_, built->Problems));
        // The index is on disk now; what its building held in this
        // thread's arena goes back to the system instead of staying there.
        malloc_trim(0);
        return built;
    }));
}

} // namespace zephyr::ui
