#include "ui/shell/main_window.h"

#include "controls/edit1.h"
#include "ui/browser/link_protocol.h"
#include "ui/widgets/texts.h"

#include <QAction>
#include <QDesktopServices>
#include <QUrl>

namespace zephyr::ui {
namespace {

const std::string kHeroPage = "Data\\documents\\Main.html?pageid=heroes&heroid=";

bool IsWebAddress(const QUrl& url) {
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

} // namespace

void MainWindow::OpenExternal(const QUrl& url) {
    if (hooks_.OpenExternal) {
        hooks_.OpenExternal(url);
    } else {
        QDesktopServices::openUrl(url);
    }
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
    // The reader came to type.
    searchScrollBox_->SearchText()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Action12Execute() {
    ClickGate(action12_);
    close();
}

void MainWindow::DocumentCommand(QAction* action, DocumentKey key) {
    ClickGate(action);
    mainScrollBox_->hide();
    searchScrollBox_->hide();
    const std::string& value = addresses_.Get(key);
    if (!value.empty()) {
        webBrowser1_->Navigate(value);
    }
}

void MainWindow::Action3Execute(QAction* action) {
    ClickGate(action);
    const std::string& value = addresses_.Get(DocumentKey::Help);
    if (value.empty()) {
        return;
    }
    // The help file is handed to the desktop only when it is a file of the
    // Data folder: a downloaded table must not start arbitrary programs.
    const std::optional<std::filesystem::path> file = location_.Find(value);
    std::error_code ec;
    if (!file || !std::filesystem::is_regular_file(*file, ec)) {
        return;
    }
    if (!IsInsideFolder(location_.DataFolder(), *file)) {
        return;
    }
    OpenExternal(QUrl::fromLocalFile(QString::fromStdString(file->string())));
}

void MainWindow::ImageEx2Click() {
    Calculator* calculator = mainScrollBox_->Calc();
    const THero* hero =
        calculator == nullptr ? nullptr : catalogue_.Hero(calculator->State().CurrentHero);
    if (hero == nullptr) {
        return;
    }
    webBrowser1_->Navigate(kHeroPage + WithoutSpaces(hero->Name));
    mainScrollBox_->hide();
}

void MainWindow::ImageEx6Click() {
    mainScrollBox_->hide();
    const std::string& value = addresses_.Get(DocumentKey::CalculatorFormulas);
    if (!value.empty()) {
        webBrowser1_->Navigate(value);
    }
}

void MainWindow::ImageNavLinkClick() {
    const QUrl site(FromCp1251(addresses_.Site));
    if (IsWebAddress(site)) {
        OpenExternal(site);
    }
}

} // namespace zephyr::ui
