#pragma once

#include "ui/browser/html_viewer.h"

#include "data/slang.h"
#include "dictionary/search_hit.h"
#include "dictionary/search_index.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QUrl;

namespace zephyr::controls {
class Edit1;
}

namespace zephyr::ui {

class CategorySelector;

// SearchScrollBox: the search text, the search area, the result list and the
// article of the chosen term. Both pages come from the dictionary core; the
// panel only moves them into its two viewers and reacts to their links.
class SearchPanel : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void(QObject* sender)> ClickGate;
        // An article link: hide this panel and open the stored path in the
        // document viewer, whose hook then decides what it is.
        std::function<void(const std::string& storedPath)> OpenDocument;
        std::function<void(const QUrl& url)> OpenExternal;
    };

    SearchPanel(QWidget* parent, const ViewerFactory& viewers, Hooks hooks);
    ~SearchPanel() override;

    // The dictionary to search; kept by reference, ranked once here.
    void SetDictionary(const std::vector<TSlang>& words);

    // Edit1Change and ComboBox1Change: the hits of the text in the chosen
    // area, the list page, and the first hit's article.
    void BuildSearchList();
    // The article of entry `entry` (0-based), or the empty page for -1.
    void ShowArticle(int entry);
    // Ctrl+L: the search text, selected, takes the focus.
    void FocusSearchText();

    controls::Edit1* SearchText() const { return edit1_; }
    CategorySelector* Selector() const { return comboBox1_; }
    HtmlViewer* ListViewer() const { return webBrowser2_.get(); }
    HtmlViewer* ArticleViewer() const { return webBrowser3_.get(); }
    QLabel* Suggestion() const { return suggestion_; }
    const std::vector<TSearchHit>& Hits() const { return hits_; }
    int ArticleEntry() const { return articleEntry_; }
    int HighlightedRow() const { return highlighted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WebBrowser2BeforeNavigate2(const std::string& address, bool& cancel);
    void WebBrowser3BeforeNavigate2(const std::string& address, bool& cancel);
    void OfferSuggestions(const std::string& query);
    void TakeSuggestion(const QString& index);
    void MoveHighlight(int delta);
    void ApplyHighlight();

    Hooks hooks_;
    const std::vector<TSlang>* words_ = nullptr;
    SearchIndex index_;
    std::vector<TSearchHit> hits_;
    std::vector<std::string> suggestions_; // Windows-1251
    int articleEntry_ = -1;
    int highlighted_ = -1;

    QLabel* label6_;
    controls::Edit1* edit1_;
    QLabel* label22_;
    CategorySelector* comboBox1_;
    QLabel* suggestion_;
    std::unique_ptr<HtmlViewer> webBrowser2_;
    std::unique_ptr<HtmlViewer> webBrowser3_;
};

} // namespace zephyr::ui
