#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace zephyr::ui {

// What the program asks of an embedded HTML viewer. Addresses are
// Windows-1251 text: either a path relative to the program folder as the
// data files store them ("Data\documents\x.html?q=1"), or a full address as
// the viewer itself reports it.
class HtmlViewer {
public:
    // Runs before every navigation, the program's own Navigate calls
    // included; setting `cancel` stops it. Written pages do not pass here.
    using BeforeNavigate = std::function<void(const std::string& address, bool& cancel)>;
    // A page that went ahead has finished loading (a cancelled or failed
    // navigation does not count).
    using LoadFinished = std::function<void()>;

    virtual ~HtmlViewer() = default;

    virtual QWidget* Widget() = 0;

    // Asks the hook, then loads the address when it was not cancelled.
    virtual void Navigate(const std::string& address) = 0;
    // The address of the page shown or being loaded; empty before the first.
    virtual std::string Address() const = 0;
    // Replaces the page with generated HTML (Windows-1251).
    virtual void WritePage(std::string html) = 0;
    // Links inside written pages arrive at the hook as this base followed by
    // their relative address.
    virtual std::string PageBase() const = 0;

    // Vertical scroll offset of the page in pixels, and a relative scroll.
    virtual int ScrollTop() const = 0;
    virtual void ScrollBy(int dy) = 0;

    // Runs a script in the page shown (nothing waits for it).
    virtual void RunScript(const std::string& script) = 0;

    // Reading aids: zoom in (+1), out (-1) or back to 100 % (0); the find bar.
    virtual void Zoom(int step) = 0;
    virtual void OpenFindBar() = 0;
    // Opens the find bar with `words` and goes to their first match once the
    // page being loaded has finished (at once when none is loading).
    virtual void FindWords(const QString& words) = 0;

    // Lets the engine drop the page while the viewer is hidden, freeing what
    // it holds; shown again, the viewer loads it anew. For a viewer that is
    // only ever shown again to load a page into it.
    virtual void ReleasePageWhileHidden() = 0;

    void SetBeforeNavigate(BeforeNavigate hook) { beforeNavigate_ = std::move(hook); }
    void SetLoadFinished(LoadFinished hook) { loadFinished_ = std::move(hook); }

protected:
    // True when the hook let the navigation go ahead.
    bool AskBeforeNavigate(const std::string& address) {
        bool cancel = false;
        if (beforeNavigate_) {
            beforeNavigate_(address, cancel);
        }
        return !cancel;
    }
    void NotifyLoadFinished() {
        if (loadFinished_) {
            loadFinished_();
        }
    }

private:
    BeforeNavigate beforeNavigate_;
    LoadFinished loadFinished_;
};

// Makes the viewer called `name` (its widget's object name) inside `parent`.
using ViewerFactory =
    std::function<std::unique_ptr<HtmlViewer>(QWidget* parent, const QString& name)>;

} // namespace zephyr::ui
