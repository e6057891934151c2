#include "ui/shell/main_window.h"

#include "ui/browser/link_protocol.h"
#include "ui/widgets/texts.h"

#include <QUrl>

namespace zephyr::ui {

void MainWindow::WebBrowser1BeforeNavigate2(const std::string& address, bool& cancel) {
    const std::string linkName(LinkName(address));
    switch (ClassifyAddress(address)) {
    case LinkKind::Calc:
        if (!navFromHistory_) {
            RecordHistory(linkName);
        }
        cancel = true;
        if (calculatorReady_) {
            SelectHeroByLink(linkName);
        }
        break;
    case LinkKind::BackCalc:
        if (!navFromHistory_) {
            RecordHistory(linkName);
        }
        cancel = true;
        mainScrollBox_->show();
        break;
    case LinkKind::Build:
        if (!navFromHistory_) {
            RecordHistory(linkName);
        }
        cancel = true;
        if (calculatorReady_) {
            OpenBuildCode(FromCp1251(std::string(BuildCodeOfLink(linkName))));
        }
        break;
    case LinkKind::Web:
        // Secure addresses leave the program too: remote sites and their
        // scripts do not belong in the document viewer.
        cancel = true;
        OpenExternal(QUrl(FromCp1251(address)));
        break;
    case LinkKind::Document:
        if (!navFromHistory_) {
            RecordHistory(address);
        }
        break;
    }
    navFromHistory_ = false;
}

void MainWindow::SelectHeroByLink(const std::string& linkName) {
    const std::string_view wanted = WantedHeroName(linkName);
    Calculator* calculator = mainScrollBox_->Calc();
    if (calculator == nullptr) {
        return;
    }
    // The current hero is shown as it is, its build kept.
    if (const THero* current = catalogue_.Hero(calculator->State().CurrentHero);
        current != nullptr && WithoutSpaces(current->Name) == wanted) {
        mainScrollBox_->show();
        return;
    }
    if (const int hero = HeroByLinkName(catalogue_.Heroes, wanted); hero != 0) {
        mainScrollBox_->ChooseHero(hero);
        mainScrollBox_->show();
    }
}

} // namespace zephyr::ui
