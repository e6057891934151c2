#pragma once

#include "data/catalogue.h"
#include "data/data_location.h"
#include "find/find_index.h"

#include <QFutureWatcher>
#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace zephyr::ui {

// Builds the search index in a worker thread, once, after the window is up.
// The catalogue must stay unchanged and alive while the loader lives; the
// loader waits for the worker when it goes.
class FindIndexLoader : public QObject {
    Q_OBJECT
public:
    FindIndexLoader(const Catalogue& catalogue, DataLocation location, QObject* parent = nullptr);
    ~FindIndexLoader() override;

    // Starts the build; later calls do nothing.
    void Start();
    // The index once built; null before.
    const FindIndex* Index() const { return built_ ? built_->Index.get() : nullptr; }
    // What could not be read into it (UTF-8).
    std::vector<std::string> Problems() const {
        return built_ ? built_->Problems : std::vector<std::string>{};
    }

signals:
    void Ready();

private:
    struct Built {
        std::shared_ptr<const FindIndex> Index;
        std::vector<std::string> Problems;
    };

    const Catalogue& catalogue_;
    DataLocation location_;
    QFutureWatcher<std::shared_ptr<Built>> watcher_;
    std::shared_ptr<Built> built_;
    bool started_ = false;
};

} // namespace zephyr::ui
