#pragma once

#include "ui/browser/document_address.h"

#include "data/data_location.h"

#include <QWebEngineUrlSchemeHandler>

namespace zephyr::ui {

// Registers the scheme with the engine, once; must run before the engine's
// first profile exists.
void RegisterDocumentScheme();

// Serves documents from inside the Data folder only: regular files within a
// size limit; anything else gets a short page that says what was refused.
class DocumentSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    DocumentSchemeHandler(DataLocation location, const WrittenPages& pages, QObject* parent);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

    static constexpr qint64 kMaxDocumentBytes = 32 * 1024 * 1024;

private:
    DataLocation location_;
    const WrittenPages& pages_;
};

} // namespace zephyr::ui
