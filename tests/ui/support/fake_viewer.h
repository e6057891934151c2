#pragma once

#include "ui/browser/html_viewer.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace zephyr::uitest {

// An HtmlViewer without an engine: it reports addresses as the real one does
// (zephyrdex://app/...), finishes loads at once or when told, and records
// what the program asked of it.
class FakeViewer : public ui::HtmlViewer {
public:
    FakeViewer(QWidget* parent, const QString& name);
    ~FakeViewer() override;

    QWidget* Widget() override { return widget_; }
    void Navigate(const std::string& address) override;
    std::string Address() const override { return address_; }
    void WritePage(std::string html) override;
    std::string PageBase() const override;
    int ScrollTop() const override { return scrollTop_; }
    void ScrollBy(int dy) override;
    void RunScript(const std::string& script) override { Scripts.push_back(script); }
    void Zoom(int step) override { Zooms.push_back(step); }
    void OpenFindBar() override { ++FindBarOpened; }
    void FindWords(const QString& words) override { WordsFound.push_back(words); }
    void ReleasePageWhileHidden() override { ReleasesWhileHidden = true; }

    // A click on a link of the page (a full address, or relative to the page).
    void Click(const std::string& link);
    // The page being loaded finishes.
    void Finish();
    // The reader Scrolls to `top`.
    void ScrollTo(int top) { scrollTop_ = top; }
    bool Loading() const { return loading_.has_value(); }

    bool FinishAtOnce = true;
    std::vector<std::string> Navigations; // what Navigate was given
    std::vector<std::string> Pages;       // what WritePage was given
    std::vector<int> Scrolls;
    std::vector<int> Zooms;
    std::vector<std::string> Scripts;
    int FindBarOpened = 0;
    std::vector<QString> WordsFound;
    bool ReleasesWhileHidden = false;

private:
    void Load(const std::string& address);

    QWidget* widget_;
    std::string address_;
    std::optional<std::string> loading_;
    int scrollTop_ = 0;
};

// Makes fake viewers and keeps them by name.
class FakeViewers {
public:
    ui::ViewerFactory Factory();
    FakeViewer* Get(const QString& name) const;

private:
    std::shared_ptr<std::map<QString, FakeViewer*>> made_ =
        std::make_shared<std::map<QString, FakeViewer*>>();
};

} // namespace zephyr::uitest
