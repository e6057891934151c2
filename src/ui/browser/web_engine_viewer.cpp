#include "ui/browser/web_engine_viewer.h"

#include "ui/browser/document_scheme.h"
#include "ui/browser/find_bar.h"
#include "ui/browser/viewer_view.h"
#include "ui/browser/web_engine_environment.h"
#include "ui/widgets/texts.h"

#include <QWebEngineNewWindowRequest>

#include <algorithm>
#include <array>

namespace zephyr::ui {
namespace {

constexpr std::array<double, 13> kZoomSteps = {0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                                               1.25, 1.5,  1.75, 2.0, 2.5, 3.0};

// Keeps the view filling the viewer and the find bar on its bottom edge.
class ViewerFrame : public QWidget {
public:
    using QWidget::QWidget;
    QWidget* View = nullptr;
    QWidget* FindBar = nullptr;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (View != nullptr) {
            View->setGeometry(rect());
        }
        if (FindBar != nullptr) {
            FindBar->adjustSize();
            FindBar->move(width() - FindBar->width() - 18, height() - FindBar->height());
        }
    }
};

} // namespace

WebEngineViewer::WebEngineViewer(std::shared_ptr<WebEngineEnvironment> environment, QWidget* parent,
                                 const QString& name)
    : environment_(std::move(environment)), name_(name) {
    auto* frame = new ViewerFrame(parent);
    frame_ = frame;
    frame_->setObjectName(name);
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

    QObject::connect(page_, &QWebEnginePage::loadFinished, frame_, [this](bool ok) {
        if (ok) {
            NotifyLoadFinished();
        }
    });
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
        pastHook_ = url;
        page_->load(url);
    }
}

bool WebEngineViewer::AcceptNavigation(const QUrl& url, QWebEnginePage::NavigationType type,
                                       bool mainFrame) {
    if (mainFrame && url == written_) {
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
        return true;
    }
    // A frame that would load from elsewhere by itself never does.
    if (!mainFrame && type != QWebEnginePage::NavigationTypeLinkClicked &&
        url.scheme() != QLatin1String(kDocumentScheme)) {
        return false;
    }
    return AskBeforeNavigate(AddressOfUrl(url));
}

std::string WebEngineViewer::Address() const {
    const QUrl url = page_->url();
    return url.isEmpty() ? std::string() : AddressOfUrl(url);
}

void WebEngineViewer::WritePage(std::string html) {
    written_ = environment_->Pages().Store(name_, QByteArray::fromStdString(std::move(html)));
    pastHook_.reset();
    page_->load(written_);
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

} // namespace zephyr::ui
