#pragma once

#include "ui/browser/html_viewer.h"

#include <QUrl>
#include <QWebEnginePage>

#include <memory>
#include <optional>

class QWebEngineLoadingInfo;
class QWebEngineView;

namespace zephyr::ui {

class FindBar;
class ViewerPage;
class WebEngineEnvironment;

// An HtmlViewer on the real browser engine. Navigations the program starts
// pass the hook at once, as clicks do, so that the history's flags apply to
// the navigation they were set for; the engine's own history never steps, so
// only the program's history goes back and forth.
class TransientNote;

class WebEngineViewer : public HtmlViewer {
public:
    WebEngineViewer(std::shared_ptr<WebEngineEnvironment> environment, QWidget* parent,
                    const QString& name);
    ~WebEngineViewer() override;

    QWidget* Widget() override { return frame_; }
    void Navigate(const std::string& address) override;
    std::string Address() const override;
    void WritePage(std::string html) override;
    std::string PageBase() const override;
    int ScrollTop() const override;
    void ScrollBy(int dy) override;
    void RunScript(const std::string& script) override;
    void Zoom(int step) override;
    void OpenFindBar() override;
    void FindWords(const QString& words) override;
    void ReleasePageWhileHidden() override;

    QWebEngineView* View() const;
    FindBar* Finder() const { return findBar_; }

private:
    bool AcceptNavigation(const QUrl& url, QWebEnginePage::NavigationType type, bool mainFrame);
    void LoadingChanged(const QWebEngineLoadingInfo& info);
    // The renderer ended: the page shown is loaded again where it was, and
    // a note says so.
    void Recover();
    // Asks the hook and loads: the program's navigations, and links that
    // asked for a new window, which open here.
    void Follow(const QUrl& url);
    // Loads a page the program has allowed.
    void Load(const QUrl& url);
    // Drops the page when it may be and the viewer is still hidden.
    void ReleaseIfHidden();

    std::shared_ptr<WebEngineEnvironment> environment_;
    QString name_;
    QWidget* frame_;
    QWebEngineView* view_;
    ViewerPage* page_;
    FindBar* findBar_;
    std::optional<QUrl> pastHook_; // the load the hook has already allowed
    QUrl written_;                 // the last page written
    QUrl asked_;                   // the program's last load
    QUrl current_;                 // the page shown or coming, however it was asked for
    QString wordsToFind_;          // for the find bar when the page has loaded
    TransientNote* note_;
    int lastScroll_ = 0;                 // where the reader was, known before a renderer ends
    std::optional<int> scrollToRestore_; // after a recovery, once the page is back
    bool loading_ = false;    // from the program's load, or the page's own start, to its end
    bool recovering_ = false; // loaded again after a renderer ended, not yet shown
    bool askedStarted_ = false;
    bool askedAgain_ = false;
    bool releaseWhileHidden_ = false;
};

} // namespace zephyr::ui
