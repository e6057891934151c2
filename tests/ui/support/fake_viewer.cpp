#include "fake_viewer.h"

#include "ui/browser/document_address.h"

#include <QWidget>

namespace zephyr::uitest {

FakeViewer::FakeViewer(QWidget* parent, const QString& name) : widget_(new QWidget(parent)) {
    widget_->setObjectName(name);
}

FakeViewer::~FakeViewer() {
    delete widget_;
}

void FakeViewer::Navigate(const std::string& address) {
    Navigations.push_back(address);
    const std::string full = ui::AddressOfUrl(ui::DocumentUrl(address));
    if (AskBeforeNavigate(full)) {
        Load(full);
    }
}

void FakeViewer::Click(const std::string& link) {
    const QUrl base = address_.empty() ? QUrl() : ui::DocumentUrl(address_);
    const std::string full = ui::AddressOfUrl(base.resolved(QUrl(QString::fromStdString(link))));
    if (AskBeforeNavigate(full)) {
        Load(full);
    }
}

void FakeViewer::Load(const std::string& address) {
    loading_ = address;
    if (FinishAtOnce) {
        Finish();
    }
}

void FakeViewer::Finish() {
    if (!loading_) {
        return;
    }
    address_ = *loading_;
    loading_.reset();
    scrollTop_ = 0;
    NotifyLoadFinished();
}

void FakeViewer::WritePage(std::string html) {
    Pages.push_back(std::move(html));
    address_ = PageBase() + "page" + std::to_string(Pages.size());
    loading_.reset();
    scrollTop_ = 0;
    NotifyLoadFinished();
}

std::string FakeViewer::PageBase() const {
    return ui::AddressOfUrl(ui::WrittenPages::Base(widget_->objectName()));
}

void FakeViewer::ScrollBy(int dy) {
    Scrolls.push_back(dy);
    scrollTop_ += dy;
}

ui::ViewerFactory FakeViewers::Factory() {
    return [made = made_](QWidget* parent, const QString& name) {
        auto viewer = std::make_unique<FakeViewer>(parent, name);
        (*made)[name] = viewer.get();
        return viewer;
    };
}

FakeViewer* FakeViewers::Get(const QString& name) const {
    const auto found = made_->find(name);
    return found == made_->end() ? nullptr : found->second;
}

} // namespace zephyr::uitest
