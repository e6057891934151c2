#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>

#include <string>

namespace zephyr::ui {

// The viewers load everything through this scheme: documents from the Data
// folder as zephyrdex://app/Data/documents/x.html and generated pages under
// zephyrdex://app/pages/<viewer>/. A real base lets relative links reach the
// hooks, and the encoding and path rules live in one place.
inline constexpr char kDocumentScheme[] = "zephyrdex";
inline constexpr char kDocumentHost[] = "app";

// A stored path relative to the program folder ("Data\documents\x.html?q")
// as the scheme's address; a full address (with a scheme) stays as it is.
QUrl DocumentUrl(const std::string& address);
// An address as the hooks and the history see it (Windows-1251).
std::string AddressOfUrl(const QUrl& url);

// Generated pages, by path, for the scheme's handler to serve. Each viewer
// keeps only its last page.
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

} // namespace zephyr::ui
