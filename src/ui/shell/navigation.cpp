#include "ui/shell/main_window.h"

#include "ui/browser/link_protocol.h"

namespace zephyr::ui {

void MainWindow::RememberScroll() {
    // The offset belongs to the page being left, so the entry that shows it
    // keeps it for the way back.
    if (navIndex_ < 0 || navIndex_ >= static_cast<int>(navHistory_.size())) {
        return;
    }
    TNavHistory& current = navHistory_[static_cast<std::size_t>(navIndex_)];
    if (!IsCalculatorEntry(current.Url) && !IsSearchEntry(current.Url) &&
        current.Url == webBrowser1_->Address()) {
        current.ScrollTop = webBrowser1_->ScrollTop();
    }
}

void MainWindow::RecordHistory(const std::string& address) {
    RememberScroll();
    pendingScroll_.reset();
    if (navIndex_ == static_cast<int>(navHistory_.size()) - 1) {
        navHistory_.emplace_back();
    } else {
        navHistory_.resize(static_cast<std::size_t>(navIndex_) + 2);
    }
    navHistory_.back() = TNavHistory{address, 0};
    ++navIndex_;
    UpdateNavButtons();
}

void MainWindow::UpdateNavButtons() {
    const bool back = navIndex_ > 0;
    const bool next = navIndex_ >= 0 && navIndex_ < static_cast<int>(navHistory_.size()) - 1;
    imageNavBack_->setEnabled(back);
    imageNavNext_->setEnabled(next);
    SetButtonPicture(imageNavBack_, ButtonGroup::Back,
                     back ? ButtonState::Passive : ButtonState::Disabled);
    SetButtonPicture(imageNavNext_, ButtonGroup::Next,
                     next ? ButtonState::Passive : ButtonState::Disabled);
}

void MainWindow::StepTo(int index) {
    RememberScroll();
    navIndex_ = index;
    const TNavHistory entry = navHistory_[static_cast<std::size_t>(index)];
    if (IsCalculatorEntry(entry.Url)) {
        mainScrollBox_->show();
        searchScrollBox_->hide();
    } else if (IsSearchEntry(entry.Url)) {
        mainScrollBox_->hide();
        searchScrollBox_->show();
    } else {
        // The viewer beneath both panels; the offset waits for the page, and
        // the window stays responsive meanwhile.
        mainScrollBox_->hide();
        searchScrollBox_->hide();
        navFromHistory_ = true;
        pendingScroll_ = entry;
        webBrowser1_->Navigate(entry.Url);
    }
    UpdateNavButtons();
}

void MainWindow::UpdateViewerVisibility() {
    // The viewer lies beneath both panels. Covered, it is hidden as well, so
    // that neither Tab nor a key reaches a document nobody sees; the page
    // stays loaded behind the panels.
    if (webBrowser1_ == nullptr || mainScrollBox_ == nullptr || searchScrollBox_ == nullptr) {
        return;
    }
    const bool covered = !mainScrollBox_->isHidden() || !searchScrollBox_->isHidden();
    webBrowser1_->Widget()->setVisible(!covered);
}

void MainWindow::GoBack() {
    if (navIndex_ > 0) {
        StepTo(navIndex_ - 1);
    }
}

void MainWindow::GoNext() {
    if (navIndex_ + 1 < static_cast<int>(navHistory_.size())) {
        StepTo(navIndex_ + 1);
    }
}

void MainWindow::WebBrowser1DocumentComplete() {
    if (pendingScroll_ && webBrowser1_->Address() == pendingScroll_->Url) {
        webBrowser1_->ScrollBy(pendingScroll_->ScrollTop);
        pendingScroll_.reset();
    }
}

} // namespace zephyr::ui
