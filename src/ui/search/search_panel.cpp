#include "ui/search/search_panel.h"

#include "ui/search/category_selector.h"
#include "ui/widgets/frame_picture.h"
#include "ui/widgets/texts.h"

#include "controls/edit1.h"
#include "dictionary/article_page.h"
#include "dictionary/keyboard_layout.h"
#include "dictionary/near_misses.h"
#include "dictionary/page_links.h"
#include "dictionary/search_hits.h"
#include "dictionary/search_page.h"

#include <QKeyEvent>
#include <QLabel>
#include <QUrl>

#include <algorithm>

namespace zephyr::ui {
namespace {

QLabel* WhiteLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->adjustSize();
    label->move(x, y);
    return label;
}

// Marks one row of the list page without touching its bytes.
std::string HighlightScript(int row) {
    return "(function(n){var rows=document.querySelectorAll('tr');"
           "rows.forEach(function(r,i){r.style.backgroundColor=i==n?'#3A3436':'';});"
           "if(rows[n]){rows[n].scrollIntoView({block:'nearest'});}})(" +
           std::to_string(row) + ");";
}

} // namespace

SearchPanel::SearchPanel(QWidget* parent, const ViewerFactory& viewers, Hooks hooks)
    : QWidget(parent), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("SearchScrollBox"));
    setGeometry(3, 47, 794, 525);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    label6_ = WhiteLabel(this, "Label6", QStringLiteral("Искомое слово"), 32, 32);
    edit1_ = new controls::Edit1(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setGeometry(120, 24, 201, 21);
    edit1_->setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: #000000; color: #FFFFFF; border: 1px solid #817879; }"));
    label22_ = WhiteLabel(this, "Label22", QStringLiteral("Область поиска"), 352, 32);
    comboBox1_ = new CategorySelector(this);
    comboBox1_->setGeometry(440, 21, 161, 22);

    suggestion_ = new QLabel(this);
    suggestion_->setObjectName(QStringLiteral("SearchSuggestion"));
    suggestion_->setGeometry(610, 16, 180, 38);
    suggestion_->setWordWrap(true);
    suggestion_->setTextFormat(Qt::RichText);
    suggestion_->setStyleSheet(QStringLiteral("QLabel { color: #FFEBCD; }"));
    suggestion_->hide();

    new FramePicture(this, "Image1", QRect(16, 56, 233, 457));
    new FramePicture(this, "Image2", QRect(248, 56, 529, 457));
    webBrowser2_ = viewers(this, QStringLiteral("WebBrowser2"));
    webBrowser2_->Widget()->setGeometry(18, 58, 229, 453);
    webBrowser3_ = viewers(this, QStringLiteral("WebBrowser3"));
    webBrowser3_->Widget()->setGeometry(249, 58, 526, 453);
    webBrowser2_->SetBeforeNavigate([this](const std::string& address, bool& cancel) {
        WebBrowser2BeforeNavigate2(address, cancel);
    });
    webBrowser2_->SetLoadFinished([this] { ApplyHighlight(); });
    webBrowser3_->SetBeforeNavigate([this](const std::string& address, bool& cancel) {
        WebBrowser3BeforeNavigate2(address, cancel);
    });

    connect(edit1_, &QLineEdit::textChanged, this, [this] { BuildSearchList(); });
    connect(comboBox1_, &QComboBox::currentIndexChanged, this, [this] {
        hooks_.ClickGate(comboBox1_);
        BuildSearchList();
    });
    connect(suggestion_, &QLabel::linkActivated, this,
            [this](const QString& link) { TakeSuggestion(link); });
    edit1_->installEventFilter(this);
}

SearchPanel::~SearchPanel() {
    // The viewers' engine pieces go before the panel's other children.
    webBrowser2_.reset();
    webBrowser3_.reset();
}

void SearchPanel::SetDictionary(const std::vector<TSlang>& words) {
    words_ = &words;
    index_ = SearchIndex(words);
}

void SearchPanel::BuildSearchList() {
    const std::string query = ToCp1251(edit1_->text());
    hits_ = SearchHits(index_, query, comboBox1_->currentIndex());
    highlighted_ = -1;
    // The list first: the reader looks for the rows, and the one renderer
    // takes the pages in the order they come.
    webBrowser2_->WritePage(SearchListPage(hits_));
    ShowArticle(hits_.empty() ? -1 : hits_.front().Entry);
    OfferSuggestions(query);
}

void SearchPanel::ShowArticle(int entry) {
    articleEntry_ = entry;
    static const std::vector<TSlang> none;
    webBrowser3_->WritePage(ArticlePage(words_ != nullptr ? *words_ : none, entry));
}

void SearchPanel::FocusSearchText() {
    edit1_->setFocus(Qt::ShortcutFocusReason);
    edit1_->selectAll();
}

void SearchPanel::WebBrowser2BeforeNavigate2(const std::string& address, bool& cancel) {
    // Only the rows' own links act here; nothing else is shown in the list.
    cancel = true;
    const std::string base = webBrowser2_->PageBase();
    if (!address.starts_with(base)) {
        return;
    }
    const std::optional<int> entry = ParseListLink(std::string_view(address).substr(base.size()));
    if (entry && words_ != nullptr && *entry >= 0 && *entry < static_cast<int>(words_->size())) {
        ShowArticle(*entry);
        // The clicked row is the chosen one, as if the keys had walked there.
        const auto row = std::find_if(hits_.begin(), hits_.end(),
                                      [&](const TSearchHit& hit) { return hit.Entry == *entry; });
        if (row != hits_.end()) {
            highlighted_ = static_cast<int>(row - hits_.begin());
            ApplyHighlight();
        }
    }
}

void SearchPanel::WebBrowser3BeforeNavigate2(const std::string& address, bool& cancel) {
    cancel = true;
    const std::string base = webBrowser3_->PageBase();
    if (address.starts_with(base)) {
        hooks_.OpenDocument(ArticleLinkPath(std::string_view(address).substr(base.size())));
        return;
    }
    // A web address in a definition goes to the system browser; the reader
    // stays in the dictionary.
    const QUrl url(FromCp1251(address));
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) {
        hooks_.OpenExternal(url);
        return;
    }
    hide();
}

void SearchPanel::OfferSuggestions(const std::string& query) {
    suggestions_.clear();
    QString text;
    if (hits_.empty() && words_ != nullptr) {
        const int item = comboBox1_->currentIndex();
        if (std::optional<std::string> retyped = LayoutSuggestion(index_, query, item)) {
            suggestions_.push_back(*retyped);
            text = QStringLiteral("Может быть: <a href=\"0\">«%1»</a>")
                       .arg(FromCp1251(*retyped).toHtmlEscaped());
        } else {
            suggestions_ = NearMisses(index_, query, item);
            QStringList links;
            for (std::size_t i = 0; i < suggestions_.size(); ++i) {
                links << QStringLiteral("<a href=\"%1\">%2</a>")
                             .arg(i)
                             .arg(FromCp1251(suggestions_[i]).toHtmlEscaped());
            }
            if (!links.isEmpty()) {
                text = QStringLiteral("Возможно: ") + links.join(QStringLiteral(", "));
            } else if (!query.empty()) {
                text = QStringLiteral("Ничего не найдено");
            }
        }
    }
    const QString styled = QStringLiteral("<style>a { color: #FFCC66; text-decoration: none; }"
                                          "</style>") +
                           text;
    suggestion_->setText(text.isEmpty() ? QString() : styled);
    suggestion_->setVisible(!text.isEmpty());
}

void SearchPanel::TakeSuggestion(const QString& index) {
    bool ok = false;
    const int i = index.toInt(&ok);
    if (ok && i >= 0 && i < static_cast<int>(suggestions_.size())) {
        edit1_->setText(FromCp1251(suggestions_[static_cast<std::size_t>(i)]));
        edit1_->setFocus(Qt::OtherFocusReason);
    }
}

void SearchPanel::MoveHighlight(int delta) {
    if (hits_.empty()) {
        return;
    }
    const int last = static_cast<int>(hits_.size()) - 1;
    highlighted_ =
        highlighted_ < 0 ? (delta > 0 ? 0 : last) : std::clamp(highlighted_ + delta, 0, last);
    ShowArticle(hits_[static_cast<std::size_t>(highlighted_)].Entry);
    ApplyHighlight();
}

void SearchPanel::ApplyHighlight() {
    if (highlighted_ >= 0) {
        webBrowser2_->RunScript(HighlightScript(highlighted_));
    }
}

bool SearchPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit1_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            MoveHighlight(key == Qt::Key_Down ? +1 : -1);
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && highlighted_ >= 0) {
            ShowArticle(hits_[static_cast<std::size_t>(highlighted_)].Entry);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zephyr::ui
