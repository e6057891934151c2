// The search over everything: Ctrl+K, the field at the end of the menu bar,
// and opening what is found where it lives.
#include "ui/shell/main_window.h"

#include "data/cp1251.h"
#include "ui/browser/link_protocol.h"
#include "ui/find/find_index_loader.h"
#include "ui/find/find_window.h"
#include "ui/widgets/menu_keys.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>

namespace zephyr::ui {

void MainWindow::BuildFindEntries() {
    findLoader_ = std::make_unique<FindIndexLoader>(catalogue_, location_);
    findWindow_ = new FindWindow(findLoader_.get(), this);
    connect(findWindow_, &FindWindow::Chosen, this,
            [this](const FindEntry* entry, const QString& words) { OpenFound(*entry, words); });

    auto* keys = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this);
    keys->setContext(Qt::WindowShortcut);
    connect(keys, &QShortcut::activated, this, [this] { ShowFind(QString()); });

    // Where the menu bar ends, a field that a click opens the search from;
    // it never keeps the keyboard, which stays with the screen shown.
    findField_ = new QLineEdit(menuBar_);
    findField_->setReadOnly(true);
    findField_->setFocusPolicy(Qt::NoFocus);
    findField_->setCursor(Qt::IBeamCursor);
    findField_->setObjectName(QStringLiteral("FindAnythingField"));
    findField_->setPlaceholderText(QStringLiteral("Найти… (Ctrl+K)"));
    findField_->setAccessibleName(QStringLiteral("Поиск по всему справочнику"));
    findField_->setFixedWidth(190);
    findField_->setStyleSheet(QStringLiteral(
        "#FindAnythingField { background-color: #000000; color: #FFEBCD; border: 1px solid "
        "#817879; padding: 0 4px; } #FindAnythingField:focus { border-color: #E7A040; }"));
    findField_->installEventFilter(this);
    menuBar_->setCornerWidget(findField_, Qt::TopRightCorner);

    // After the window is up, in a worker thread.
    QTimer::singleShot(0, this, [this] { findLoader_->Start(); });
}

bool MainWindow::FindFieldClick(QObject* watched, QEvent* event) {
    if (watched != findField_ || event->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        return false;
    }
    ShowFind(QString());
    return true;
}

void MainWindow::ShowFind(const QString& text) {
    findWindow_->Ask(this, text);
}

void MainWindow::OpenFound(const FindEntry& entry, const QString& words) {
    const FindTarget& target = entry.Target;
    if (target.Term >= 0) {
        mainScrollBox_->hide();
        if (searchScrollBox_->isHidden()) {
            RecordHistory("dictionary");
        }
        searchScrollBox_->show();
        searchScrollBox_->ShowArticle(target.Term);
        return;
    }
    if (target.Hero > 0) {
        const THero* hero = catalogue_.Hero(target.Hero);
        if (!calculatorReady_ || hero == nullptr) {
            return;
        }
        // As a calc link does, through the history.
        const std::string link = "calc_" + WithoutSpaces(hero->Name);
        searchScrollBox_->hide();
        RecordHistory(link);
        SelectHeroByLink(link);
        if (target.Ability > 0 && mainScrollBox_->Calc() != nullptr &&
            mainScrollBox_->Calc()->State().CurrentHero == target.Hero) {
            mainScrollBox_->FlashAbility(target.Ability);
        }
        return;
    }
    if (target.Document.empty()) {
        return;
    }
    std::string address = target.Document;
    if (!target.Anchor.empty()) {
        address += '#' + target.Anchor;
    }
    ShowDocument(Cp1251FromUtf8(address));
    // A passage is found by its words, an item by its name.
    const QString lookFor =
        entry.Kind == FindKind::Document ? words : QString::fromStdString(entry.Title);
    if (!lookFor.isEmpty() && entry.Kind != FindKind::Aura && entry.Kind != FindKind::Orb) {
        webBrowser1_->FindWords(lookFor);
    }
}

} // namespace zephyr::ui
