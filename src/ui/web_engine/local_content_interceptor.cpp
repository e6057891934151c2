#include "ui/web_engine/local_content_interceptor.h"

#include "ui/browser/document_address.h"

namespace zephyr::ui {

void LocalContentInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QString scheme = info.requestUrl().scheme();
    if (scheme == QLatin1String(kDocumentScheme) || scheme == QLatin1String("data") ||
        scheme == QLatin1String("blob") || scheme == QLatin1String("about")) {
        return;
    }
    info.block(true);
}

} // namespace zephyr::ui
