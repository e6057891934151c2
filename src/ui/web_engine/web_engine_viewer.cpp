#include "ui/web_engine/web_engine_viewer.h"
#include "ui/widgets/transient_note.h"

#include "ui/browser/document_address.h"
#include "ui/browser/refusal_pages.h"
#include "ui/web_engine/find_bar.h"
#include "ui/web_engine/viewer_view.h"
#include "ui/web_engine/web_engine_environment.h"
#include "ui/widgets/texts.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>

#include <algorithm>
#include <array>
#include <functional>

namespace zephyr::ui {
namespace {

// The engine's code of a load given up for another one.
constexpr int kAborted = -3;

constexpr std::array<double, 13> kZoomSteps = {0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                               1.25, 1.5,  1.75, 2.0, 2.5, 3.0};

// Keeps the view filling the viewer above the find bar while the bar is
// open, so that the bar never covers the last lines and the match on them,
// and the bar on the bottom edge.
class ViewerFrame : public QWidget {
public:
    using QWidget::QWidget;
    QWidget* View = nullptr;
    QWidget* FindBar = nullptr;
    // Hidden itself or with what holds it.
    std::function<void()> Hidden;

    void WatchFindBar() { FindBar->installEventFilter(this); }

protected:
    void resizeEvent(QResizeEvent*) override { Arrange(); }
    void hideEvent(QHideEvent*) override {
        if (Hidden) {
            Hidden();
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == FindBar &&
            (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
            Arrange();
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    void Arrange() {
        if (View == nullptr || FindBar == nullptr) {
            return;
        }
        FindBar->adjustSize();
        FindBar->move(width() - FindBar->width() - 18, height() - FindBar->height());
        const int covered = FindBar->isHidden() ? 0 : FindBar->height();
        View->setGeometry(0, 0, width(), height() - covered);
    }
};

} // namespace

WebEngineViewer::WebEngineViewer(std::shared_ptr<WebEngineEnvironment> environment, QWidget* parent,
                                 const QString& name)
    : environment_(std::move(environment)), name_(name) {
    auto* frame = new ViewerFrame(parent);
    frame_ = frame;
    frame_->setObjectName(name);
    // The strip beside the open find bar is the documents' black.
    QPalette black = frame_->palette();
    black.setColor(QPalette::Window, Qt::black);
    frame_->setPalette(black);
    frame_->setAutoFillBackground(true);
    view_ = new ViewerView(frame_);
    view_->setObjectName(name + QStringLiteral("View"));
    page_ =
        new ViewerPage(environment_->Profile(), view_,
                       [this](const QUrl& url, QWebEnginePage::NavigationType type,
                              bool mainFrame) { return AcceptNavigation(url, type, mainFrame); });
    page_->setBackgroundColor(Qt::black);
    view_->setPage(page_);
    findBar_ = new FindBar(page_, frame_);
    frame->View = view_;
    frame->FindBar = findBar_;
    frame->WatchFindBar();
    frame->Hidden = [this] { QTimer::singleShot(0, frame_, [this] { ReleaseIfHidden(); }); };

    note_ = new TransientNote(frame_);
    QObject::connect(page_, &QWebEnginePage::scrollPositionChanged, frame_,
                     [this](const QPointF& at) { lastScroll_ = static_cast<int>(at.y()); });
    // A renderer that a page leaves for another ends normally; one that
    // crashed or was killed takes the page with it.
    QObject::connect(page_, &QWebEnginePage::renderProcessTerminated, frame_,
                     [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                         if (status != QWebEnginePage::NormalTerminationStatus) {
                             QTimer::singleShot(0, frame_, [this] { Recover(); });
                         }
                     });
    QObject::connect(page_, &QWebEnginePage::loadStarted, frame_, [this] { loading_ = true; });
    QObject::connect(page_, &QWebEnginePage::loadFinished, frame_, [this](bool ok) {
        loading_ = false;
        if (ok) {
            NotifyLoadFinished();
        }
        if (ok) {
            recovering_ = false;
        }
        if (ok && scrollToRestore_) {
            page_->runJavaScript(QStringLiteral("window.scrollTo(0, %1);")
                                     .arg(std::exchange(scrollToRestore_, {}).value()));
        }
        if (!wordsToFind_.isEmpty()) {
            findBar_->Field()->setText(std::exchange(wordsToFind_, QString()));
            findBar_->Open();
        }
        // A page loaded behind a panel (the start page) goes as well.
        QTimer::singleShot(0, frame_, [this] { ReleaseIfHidden(); });
    });
    QObject::connect(page_, &QWebEnginePage::loadingChanged, frame_,
                     [this](const QWebEngineLoadingInfo& info) { LoadingChanged(info); });
    QObject::connect(
        page_, &QWebEnginePage::newWindowRequested, frame_,
        [this](QWebEngineNewWindowRequest& request) { Follow(request.requestedUrl()); });
}

WebEngineViewer::~WebEngineViewer() {
    // The page goes before the profile it was made with.
    delete frame_;
}

QWebEngineView* WebEngineViewer::View() const {
    return view_;
}

void WebEngineViewer::Navigate(const std::string& address) {
    Follow(DocumentUrl(address));
}

void WebEngineViewer::Follow(const QUrl& url) {
    if (AskBeforeNavigate(AddressOfUrl(url))) {
        Load(url);
    }
}

void WebEngineViewer::Load(const QUrl& url) {
    if (url != written_) {
        pastHook_ = url;
    }
    asked_ = url;
    current_ = url;
    askedStarted_ = false;
    askedAgain_ = false;
    loading_ = true;
    page_->load(url);
}

bool WebEngineViewer::AcceptNavigation(const QUrl& url, QWebEnginePage::NavigationType type,
                                       bool mainFrame) {
    // The same page loaded again (a page dropped while hidden comes back
    // this way when shown) is no step for the program's history.
    if (mainFrame && (url == written_ ||
                      (type == QWebEnginePage::NavigationTypeReload && url == page_->url()))) {
        current_ = url;
        return true;
    }
    // The engine's own history (a script's history.back()) would step
    // around the program's.
    if (type == QWebEnginePage::NavigationTypeBackForward) {
        return false;
    }
    if (mainFrame && pastHook_ &&
        (type == QWebEnginePage::NavigationTypeTyped || url == *pastHook_)) {
        pastHook_.reset();
        current_ = url;
        return true;
    }
    // A frame that would load from elsewhere by itself never does.
    if (!mainFrame && type != QWebEnginePage::NavigationTypeLinkClicked &&
        url.scheme() != QLatin1String(kDocumentScheme)) {
        return false;
    }
    // The engine refuses a page of our scheme the documents it links to
    // (a renderer may not open a local scheme by itself), so a link to a
    // document, this one included, is loaded as the program's own
    // navigation once the hook has allowed it. Jumps to an anchor within
    // the page stay the page's.
    const bool jumpInPage = url.hasFragment() && url.adjusted(QUrl::RemoveFragment) ==
                                                     page_->url().adjusted(QUrl::RemoveFragment);
    if (mainFrame && type == QWebEnginePage::NavigationTypeLinkClicked &&
        url.scheme() == QLatin1String(kDocumentScheme) && !jumpInPage) {
        if (AskBeforeNavigate(AddressOfUrl(url))) {
            QTimer::singleShot(0, frame_, [this, url] { Load(url); });
        }
        return false;
    }
    const bool allowed = AskBeforeNavigate(AddressOfUrl(url));
    if (allowed && mainFrame) {
        current_ = url;
    }
    return allowed;
}

void WebEngineViewer::LoadingChanged(const QWebEngineLoadingInfo& info) {
    // A navigation refused here (a link leaving for the system browser) is
    // cancelled by the engine a moment later, and a load the program asked
    // for in between is cancelled with it: stopped before it started, or
    // failed without a reason. It is asked for once more.
    if (info.url() == asked_.adjusted(QUrl::NormalizePathSegments)) {
        const bool cancelled =
            (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus && !askedStarted_) ||
            (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.errorCode() == 0);
        if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
            askedStarted_ = true;
        } else if (cancelled && !askedAgain_) {
            askedAgain_ = true;
            QTimer::singleShot(0, frame_, [this, url = asked_] {
                if (url == asked_ && askedAgain_) {
                    Load(url);
                    askedAgain_ = true;
                }
            });
            return;
        }
    }
    // Whatever cannot be shown shows our own page in the documents' colours,
    // never the engine's: a load the program replaced by another (aborted)
    // is no failure, and a written page that failed is not written again.
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || info.errorCode() == kAborted ||
        info.url().path().startsWith(WrittenPages::Base(name_).path())) {
        return;
    }
    WritePage(ToCp1251(FailurePage(info.url().toString(), info.errorCode())));
}

void WebEngineViewer::ReleasePageWhileHidden() {
    releaseWhileHidden_ = true;
    ReleaseIfHidden();
}

void WebEngineViewer::ReleaseIfHidden() {
    if (releaseWhileHidden_ && !loading_ && !view_->isVisible() &&
        page_->lifecycleState() != QWebEnginePage::LifecycleState::Discarded) {
        page_->setLifecycleState(QWebEnginePage::LifecycleState::Discarded);
    }
}

void WebEngineViewer::Recover() {

    const QUrl shown = page_->url();
    // A page that takes each new renderer down with it is not loaded again
    // and again.
    if (recovering_) {
        note_->Show(QStringLiteral("Просмотрщик документов не смог показать страницу снова"));
        return;
    }
    note_->Show(QStringLiteral("Просмотрщик документов перезапущен"));
    if (shown.isEmpty()) {
        return;
    }
    recovering_ = true;
    // The page as it was: its address past the hook (no new history entry),
    // a written page from the pages kept for it.
    scrollToRestore_ = lastScroll_;
    Load(shown);
}

std::string WebEngineViewer::Address() const {
    const QUrl url = page_->url();
    return url.isEmpty() ? std::string() : AddressOfUrl(url);
}

void WebEngineViewer::WritePage(std::string html) {
    written_ = environment_->Pages().Store(name_, QByteArray::fromStdString(std::move(html)));
    pastHook_.reset();
    Load(written_);
}

std::string WebEngineViewer::PageBase() const {
    return AddressOfUrl(WrittenPages::Base(name_));
}

int WebEngineViewer::ScrollTop() const {
    return static_cast<int>(page_->scrollPosition().y());
}

void WebEngineViewer::ScrollBy(int dy) {
    if (dy != 0) {
        page_->runJavaScript(QStringLiteral("window.scrollBy(0, %1);").arg(dy));
    }
}

void WebEngineViewer::RunScript(const std::string& script) {
    page_->runJavaScript(FromCp1251(script));
}

void WebEngineViewer::Zoom(int step) {
    if (step == 0) {
        view_->setZoomFactor(1.0);
        return;
    }
    const double now = view_->zoomFactor();
    if (step > 0) {
        const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), now + 1e-6);
        view_->setZoomFactor(next == kZoomSteps.end() ? kZoomSteps.back() : *next);
    } else {
        const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), now - 1e-6);
        view_->setZoomFactor(next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1));
    }
}

void WebEngineViewer::OpenFindBar() {
    findBar_->Open();
}

void WebEngineViewer::FindWords(const QString& words) {
    // The end of the load under way brings the words.
    if (loading_) {
        wordsToFind_ = words;
        return;
    }
    findBar_->Field()->setText(words);
    findBar_->Open();
}

} // namespace zephyr::ui
