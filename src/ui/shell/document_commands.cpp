#include "ui/shell/main_window.h"

#include "controls/edit1.h"
#include "ui/browser/link_protocol.h"
#include "ui/widgets/texts.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
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
    const bool opened =
        hooks_.OpenExternal ? hooks_.OpenExternal(url) : QDesktopServices::openUrl(url);
    if (!opened) {
        const QString what = url.isLocalFile() ? url.toLocalFile() : url.toString();
        hooks_.MessageBox(this,
                          QStringLiteral("Не удалось открыть «%1»: на компьютере нет "
                                         "программы, которая открывает такие файлы или адреса.")
                              .arg(what));
    }
}

void MainWindow::ShowDocument(const std::string& address) {
    mainScrollBox_->hide();
    searchScrollBox_->hide();
    if (!address.empty()) {
        webBrowser1_->Navigate(address);
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
    window()->close();
}

void MainWindow::DocumentCommand(QAction* action, DocumentKey key) {
    ClickGate(action);
    ShowDocument(addresses_.Get(key));
}

void MainWindow::Action3Execute(QAction* action) {
    ClickGate(action);
    const std::string& value = addresses_.Get(DocumentKey::Help);
    if (value.empty()) {
        return;
    }
    // The help file is opened only when it is a file of the Data folder: a
    // downloaded table must not start arbitrary programs. A page is a
    // document like any other; anything else goes to the desktop.
    const std::optional<std::filesystem::path> file = location_.Find(value);
    std::error_code ec;
    if (!file || !std::filesystem::is_regular_file(*file, ec) ||
        !IsInsideFolder(location_.DataFolder(), *file)) {
        hooks_.MessageBox(
            this, QStringLiteral("Файл справки не найден в папке Data: %1").arg(FromCp1251(value)));
        return;
    }
    const QString suffix = QFileInfo(QString::fromStdString(file->string())).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) {
        ShowDocument(value);
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
