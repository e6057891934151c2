#pragma once

#include "data/data_location.h"

#include <QByteArray>
#include <QHash>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

#include <string>

namespace zephyr::ui {

// The viewers load everything through this scheme: documents from the Data
// folder as zephyrdex://app/Data/documents/x.html and generated pages under
// zephyrdex://app/pages/<viewer>/. A real base lets relative links reach the
// hooks, and the encoding and path rules live in one place.
inline constexpr char kDocumentScheme[] = "zephyrdex";
inline constexpr char kDocumentHost[] = "app";

// Registers the scheme with the engine; must run before the application
// object exists.
void RegisterDocumentScheme();

// A stored path relative to the program folder ("Data\documents\x.html?q")
// as the scheme's address; a full address (with a scheme) stays as it is.
QUrl DocumentUrl(const std::string& address);
// An address as the hooks and the history see it (Windows-1251).
std::string AddressOfUrl(const QUrl& url);

// Generated pages, by path, for the handler to serve. Each viewer keeps only
// its last page.
class WrittenPages {
public:
    // Stores the page of `viewer` and returns its address.
    QUrl Store(const QString& viewer, QByteArray html);
    // The folder address under which `viewer`'s pages live.
    static QUrl Base(const QString& viewer);
    const QByteArray* Find(const QString& path) const;

private:
    QHash<QString, QString> latest_; // viewer -> path
    QHash<QString, QByteArray> pages_;
    quint64 serial_ = 0;
};

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
