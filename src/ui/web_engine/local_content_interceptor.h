#pragma once

#include <QWebEngineUrlRequestInterceptor>

namespace zephyr::ui {

// The viewers show local content only: every request that is not for our
// own scheme (or an inline data: or blob: resource) is refused, so a
// document never fetches images, scripts or frames from the network. Web
// links the user clicks leave through the document hook instead.
class LocalContentInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

} // namespace zephyr::ui
