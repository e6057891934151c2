#include "ui/browser/pending_viewer.h"

#include "ui/browser/document_address.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace zephyr::ui {

PendingViewer::PendingViewer(QWidget* parent, const QString& name)
    : name_(name), place_(new QWidget(parent)) {
    place_->setObjectName(name + QStringLiteral("Place"));
    // The documents' black until the first page comes.
    QPalette black = place_->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, QColor(0xFF, 0xEB, 0xCD));
    place_->setPalette(black);
    place_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(place_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

PendingViewer::~PendingViewer() {
    // The engine's pieces go before the place that holds them.
    real_.reset();
    delete place_;
}

void PendingViewer::Ask(Request request) {
    if (real_) {
        request(*real_);
    } else {
        waiting_.push_back(std::move(request));
    }
}

void PendingViewer::Navigate(const std::string& address) {
    if (real_) {
        real_->Navigate(address);
        return;
    }
    // The hook hears of the navigation now, as it would from the engine's
    // viewer; the load itself waits.
    if (!AskBeforeNavigate(AddressOfUrl(DocumentUrl(address)))) {
        return;
    }
    address_ = AddressOfUrl(DocumentUrl(address));
    waiting_.push_back([this, address](HtmlViewer& real) {
        replaying_ = true;
        real.Navigate(address);
        replaying_ = false;
    });
}

std::string PendingViewer::Address() const {
    return real_ ? real_->Address() : address_;
}

void PendingViewer::WritePage(std::string html) {
    if (!real_) {
        address_.clear();
    }
    Ask([html = std::move(html)](HtmlViewer& real) mutable { real.WritePage(std::move(html)); });
}

std::string PendingViewer::PageBase() const {
    return AddressOfUrl(WrittenPages::Base(name_));
}

int PendingViewer::ScrollTop() const {
    return real_ ? real_->ScrollTop() : 0;
}

void PendingViewer::ScrollBy(int dy) {
    Ask([dy](HtmlViewer& real) { real.ScrollBy(dy); });
}

void PendingViewer::RunScript(const std::string& script) {
    Ask([script](HtmlViewer& real) { real.RunScript(script); });
}

void PendingViewer::ReleasePageWhileHidden() {
    Ask([](HtmlViewer& real) { real.ReleasePageWhileHidden(); });
}

void PendingViewer::Zoom(int step) {
    Ask([step](HtmlViewer& real) { real.Zoom(step); });
}

void PendingViewer::OpenFindBar() {
    Ask([](HtmlViewer& real) { real.OpenFindBar(); });
}

void PendingViewer::FindWords(const QString& words) {
    Ask([words](HtmlViewer& real) { real.FindWords(words); });
}

void PendingViewer::Attach(std::unique_ptr<HtmlViewer> real) {
    real_ = std::move(real);
    real_->SetBeforeNavigate([this](const std::string& address, bool& cancel) {
        cancel = !replaying_ && !AskBeforeNavigate(address);
    });
    real_->SetLoadFinished([this] { NotifyLoadFinished(); });
    place_->layout()->addWidget(real_->Widget());
    real_->Widget()->show();
    for (Request& request : std::exchange(waiting_, {})) {
        request(*real_);
    }
}

void PendingViewer::ShowProblem(const QString& text) {
    if (problem_ == nullptr) {
        problem_ = new QLabel(place_);
        problem_->setObjectName(name_ + QStringLiteral("Problem"));
        problem_->setWordWrap(true);
        problem_->setAlignment(Qt::AlignCenter);
        place_->layout()->addWidget(problem_);
    }
    problem_->setText(text);
    waiting_.clear();
}

} // namespace zephyr::ui
