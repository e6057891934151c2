#include "main_window.h"

#include <QAction>

namespace zephyr::ui {
namespace {

bool IsCalculatorEntry(const std::string& url) {
    return url.rfind("calc", 0) == 0 || url.rfind("BackCalc", 0) == 0;
}

bool IsSearchEntry(const std::string& url) {
    return url.rfind("dictionary", 0) == 0;
}

} // namespace

void MainWindow::RecordHistory(const std::string& address) {
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

void MainWindow::ShowEntry(const TNavHistory& entry) {
    if (IsCalculatorEntry(entry.Url)) {
        mainScrollBox_->show();
        searchScrollBox_->hide();
    } else if (IsSearchEntry(entry.Url)) {
        mainScrollBox_->hide();
        searchScrollBox_->show();
    } else {
        // Documents show in the viewer beneath both panels.
        mainScrollBox_->hide();
        searchScrollBox_->hide();
    }
}

void MainWindow::GoBack() {
    if (navIndex_ <= 0) {
        return;
    }
    --navIndex_;
    ShowEntry(navHistory_[static_cast<std::size_t>(navIndex_)]);
    UpdateNavButtons();
}

void MainWindow::GoNext() {
    if (navIndex_ + 1 >= static_cast<int>(navHistory_.size())) {
        return;
    }
    ++navIndex_;
    ShowEntry(navHistory_[static_cast<std::size_t>(navIndex_)]);
    UpdateNavButtons();
}

void MainWindow::Action7Execute() {
    ClickGate(action7_);
    if (!calculatorReady_) {
        return;
    }
    searchScrollBox_->hide();
    if (mainScrollBox_->isHidden()) {
        RecordHistory("calc");
    }
    mainScrollBox_->show();
}

void MainWindow::Action4Execute() {
    ClickGate(action4_);
    mainScrollBox_->hide();
    if (searchScrollBox_->isHidden()) {
        RecordHistory("dictionary");
    }
    searchScrollBox_->show();
}

void MainWindow::Action12Execute() {
    ClickGate(action12_);
    close();
}

void MainWindow::DocumentCommand(QAction* action) {
    // The documents open once the viewer exists; until then the command
    // only passes the gate.
    ClickGate(action);
}

} // namespace zephyr::ui
