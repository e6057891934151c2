#include "ui/browser/document_address.h"

#include "ui/widgets/texts.h"

namespace zephyr::ui {

QUrl DocumentUrl(const std::string& address) {
    const QString text = FromCp1251(address);
    const QUrl asIs(text);
    if (!asIs.scheme().isEmpty() && asIs.scheme().size() > 1) {
        return asIs;
    }
    QString path = text;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/'))) {
        path.remove(0, 1);
    }
    return QUrl(QStringLiteral("%1://%2/")
                    .arg(QLatin1String(kDocumentScheme), QLatin1String(kDocumentHost)) +
                path);
}

std::string AddressOfUrl(const QUrl& url) {
    return ToCp1251(url.toString());
}

QUrl WrittenPages::Base(const QString& viewer) {
    return QUrl(QStringLiteral("%1://%2/pages/%3/")
                    .arg(QLatin1String(kDocumentScheme), QLatin1String(kDocumentHost), viewer));
}

QUrl WrittenPages::Store(const QString& viewer, QByteArray html) {
    const QUrl url = Base(viewer).resolved(QUrl(QStringLiteral("page%1").arg(++serial_)));
    const QString path = url.path();
    if (const auto previous = latest_.find(viewer); previous != latest_.end()) {
        pages_.remove(*previous);
    }
    latest_[viewer] = path;
    pages_[path] = std::move(html);
    return url;
}

const QByteArray* WrittenPages::Find(const QString& path) const {
    const auto found = pages_.find(path);
    return found == pages_.end() ? nullptr : &*found;
}

} // namespace zephyr::ui
