#pragma once

#include "ui/browser/html_viewer.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;

namespace zephyr::ui {

// Stands in for an engine viewer until the browser engine is up. It takes
// every request at once, asking the hook when the real viewer would, and
// hands them to the real viewer in the order they came once it is attached;
// from then on it passes everything through.
class PendingViewer : public HtmlViewer {
public:
    // `name` is the viewer's name: its pages' base, and the object name of
    // the real viewer's widget. This one's widget is called name + "Place".
    PendingViewer(QWidget* parent, const QString& name);
    ~PendingViewer() override;

    QWidget* Widget() override { return place_; }
    void Navigate(const std::string& address) override;
    std::string Address() const override;
    void WritePage(std::string html) override;
    std::string PageBase() const override;
    int ScrollTop() const override;
    void ScrollBy(int dy) override;
    void RunScript(const std::string& script) override;
    void Zoom(int step) override;
    void ReleasePageWhileHidden() override;
    void OpenFindBar() override;
    void FindWords(const QString& words) override;

    const QString& Name() const { return name_; }
    // The real viewer, made inside Widget(); what was asked meanwhile goes
    // to it now.
    void Attach(std::unique_ptr<HtmlViewer> real);
    HtmlViewer* Real() const { return real_.get(); }
    // The engine could not start: the place says so instead of a page.
    void ShowProblem(const QString& text);

private:
    using Request = std::function<void(HtmlViewer&)>;
    void Ask(Request request);

    QString name_;
    QWidget* place_;
    QLabel* problem_ = nullptr;
    std::unique_ptr<HtmlViewer> real_;
    std::vector<Request> waiting_;
    std::string address_;    // the last address let through while waiting
    bool replaying_ = false; // handing over a navigation the hook has allowed
};

} // namespace zephyr::ui
