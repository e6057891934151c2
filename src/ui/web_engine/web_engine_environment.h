#pragma once

#include "ui/browser/html_viewer.h"
#include "ui/web_engine/document_scheme.h"

#include "data/data_location.h"

#include <QObject>

class QWebEngineProfile;

namespace zephyr::ui {

// What the real viewers share: one off-the-record profile (nothing written to
// disk), the document scheme's handler, the written pages and the filter of
// network requests. Lives as long as the application.
class WebEngineEnvironment : public QObject {
    Q_OBJECT
public:
    explicit WebEngineEnvironment(DataLocation location);
    ~WebEngineEnvironment() override;

    QWebEngineProfile* Profile() const { return profile_; }
    WrittenPages& Pages() { return pages_; }

private:
    WrittenPages pages_;
    QWebEngineProfile* profile_;
};

// Makes viewers on the real engine for the Data folder at `location`.
ViewerFactory WebEngineViewers(const DataLocation& location);

} // namespace zephyr::ui
