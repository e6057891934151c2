#include "ui/web_engine/web_engine_environment.h"

#include "ui/web_engine/local_content_interceptor.h"
#include "ui/web_engine/web_engine_viewer.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace zephyr::ui {

WebEngineEnvironment::WebEngineEnvironment(DataLocation location)
    : profile_(new QWebEngineProfile(this)) {
    // A profile without a storage name is off the record: no cache, cookies
    // or history on disk.
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile_->setSpellCheckEnabled(false);
    profile_->setUrlRequestInterceptor(new LocalContentInterceptor(this));
    profile_->installUrlSchemeHandler(kDocumentScheme,
                                      new DocumentSchemeHandler(std::move(location), pages_, this));
    QWebEngineSettings* settings = profile_->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    // Failed loads show our own page (the viewer writes it), never the engine's.
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    // Pages name Windows faces (Verdana, Tahoma); what they fall back to is
    // the sans face the window's substitutions use.
    settings->setFontFamily(QWebEngineSettings::StandardFont, QStringLiteral("DejaVu Sans"));
    settings->setFontFamily(QWebEngineSettings::SansSerifFont, QStringLiteral("DejaVu Sans"));
}

WebEngineEnvironment::~WebEngineEnvironment() {
    profile_->removeAllUrlSchemeHandlers();
    profile_->setUrlRequestInterceptor(nullptr);
}

ViewerFactory WebEngineViewers(const DataLocation& location) {
    // Made with the first viewer and released with the last one.
    auto shared = std::make_shared<std::weak_ptr<WebEngineEnvironment>>();
    return [location, shared](QWidget* parent, const QString& name) {
        std::shared_ptr<WebEngineEnvironment> environment = shared->lock();
        if (!environment) {
            // The scheme is known to the engine before its first profile.
            RegisterDocumentScheme();
            environment = std::make_shared<WebEngineEnvironment>(location);
            *shared = environment;
        }
        return std::make_unique<WebEngineViewer>(environment, parent, name);
    };
}

} // namespace zephyr::ui
