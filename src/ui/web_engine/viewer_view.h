#pragma once

#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>

namespace zephyr::ui {

// The engine's page with every navigation decided by the viewer, and no
// windows of its own.
class ViewerPage : public QWebEnginePage {
    Q_OBJECT
public:
    using AcceptFunction =
        std::function<bool(const QUrl& url, NavigationType type, bool mainFrame)>;

    ViewerPage(QWebEngineProfile* profile, QObject* parent, AcceptFunction accept);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    AcceptFunction accept_;
};

// The engine's view with a reader's context menu: copy and select all. The
// engine's own menu (back, reload, open in a new window, view source) would
// step around the program's history.
class ViewerView : public QWebEngineView {
    Q_OBJECT
public:
    using QWebEngineView::QWebEngineView;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace zephyr::ui
