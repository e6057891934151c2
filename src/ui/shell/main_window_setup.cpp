#include "ui/shell/main_window.h"

#include "ui/widgets/texts.h"

#include "data/data_error.h"
#include "data/interface_pictures.h"
#include "data/load_all.h"
#include "data/ticker_lines.h"

#include <QAction>
#include <QMenuBar>

namespace zephyr::ui {
namespace {

const QColor kLime(0, 255, 0);
const QColor kBlack(0, 0, 0);

QString CalculatorFailedText() {
    return QStringLiteral("Ошибка данных! Не удалось загрузить калькулятор!");
}

QString MissingDesignText() {
    return QStringLiteral("Ошибка при загрузке программы. Необходимые файлы не найдены.");
}

// An error raised inside the set-up: its own text is shown, the remaining
// steps are skipped.
struct SetupError {
    QString Text;
};

} // namespace

void MainWindow::FormCreate() {
    try {
        RunSetupSteps();
    } catch (const SetupError& error) {
        hooks_.MessageBox(this, error.Text);
        outcome_ = SetupOutcome::Interrupted;
    } catch (const DataError& error) {
        hooks_.MessageBox(this, QString::fromStdString(error.what()));
        outcome_ = SetupOutcome::Interrupted;
    }
    if (outcome_ == SetupOutcome::Interrupted) {
        FallBackAfterError();
    }
}

void MainWindow::DisableCalculator(bool alsoDictionary) {
    calculatorReady_ = false;
    action7_->setEnabled(false);
    if (alsoDictionary) {
        action4_->setEnabled(false);
    }
    mainScrollBox_->hide();
}

void MainWindow::RunSetupSteps() {
    // 1-2: the calculator is assumed ready; the panels are black already.
    calculatorReady_ = true;

    // 3: the running line's texts; without them the calculator is off.
    std::optional<std::vector<std::string>> lines = ReadTickerLines(location_);
    if (lines) {
        mainScrollBox_->LoadTickerLines(std::move(*lines));
    } else {
        hooks_.MessageBox(this, CalculatorFailedText());
        DisableCalculator(false);
    }

    // 4: the grid's captions, even when the calculator is unavailable.
    mainScrollBox_->WriteGridCaptions();

    // 7: the catalogues.
    LoadOptions options{location_, true, hooks_.Status};
    LoadAllResult loaded = LoadAll(options);
    catalogue_ = std::move(loaded.Catalogue);
    calculator_ = std::make_unique<Calculator>(catalogue_);
    mainScrollBox_->SetCalculator(calculator_.get());
    pictures_.TakeCatalogueLists(catalogue_);
    mainScrollBox_->BuildPickerMenus(catalogue_);
    if (loaded.Failure) {
        if (loaded.Failure->Kind != LoadFailureKind::MissingFile) {
            throw SetupError{QString::fromStdString(loaded.Failure->Message)};
        }
        hooks_.MessageBox(this, CalculatorFailedText());
        DisableCalculator(true);
    }

    // 8: the splash says the design comes next.
    if (hooks_.Status) {
        hooks_.Status(ToCp1251(QStringLiteral("Загрузка дизайна...")));
    }

    // 9: the document addresses and the start page, which is not in the
    // history. The viewer loads it while the set-up goes on.
    std::optional<DocumentAddresses> addresses = ReadDocumentAddresses(location_);
    if (!addresses) {
        throw SetupError{
            QStringLiteral("Cannot open file \"%1\".")
                .arg(QString::fromStdString(location_.DataFile("Address.dat").string()))};
    }
    addresses_ = std::move(*addresses);
    if (!addresses_.DefaultPage.empty()) {
        navFromHistory_ = true;
        webBrowser1_->Navigate(addresses_.DefaultPage);
    }

    // 10: every required design file, before any is loaded.
    if (!RequiredDesignPicturesPresent(location_)) {
        hooks_.MessageBox(this, MissingDesignText());
        outcome_ = SetupOutcome::EndProgram;
        return;
    }

    // 11-12: frames, background, statistic pictures and the fixed lists.
    if (!frameReady_) {
        LoadFramePictures();
    }
    LoadDesignPictures();

    // 13: the menu bar's colour scheme.
    if (!frameReady_) {
        MakeMenuColours();
    }

    // 14: the button pictures and every button's first picture.
    if (!frameReady_) {
        LoadButtonPictures();
    }
    mainScrollBox_->GiveButtonsFirstPictures();

    // 15: hero 1. Without heroes there is nothing to calculate.
    if (catalogue_.Heroes.empty()) {
        DisableCalculator(false);
    } else {
        mainScrollBox_->ChooseHero(1);
        heroShown_ = true;
    }

    // 16: the history starts on the calculator.
    navHistory_ = {TNavHistory{"calc", 0}};
    navIndex_ = 0;
    UpdateNavButtons();

    // 17: the first list holds every term.
    searchScrollBox_->SetDictionary(catalogue_.SlangWords);
    searchScrollBox_->BuildSearchList();
    searchListBuilt_ = true;
}

void MainWindow::LoadFramePictures() {
    image5_->SetPicture(LoadInterfacePicture(location_, interface_picture::kFormTop));
    const QImage side = LoadInterfacePicture(location_, interface_picture::kFormLeft);
    image6_->SetPicture(side);
    image7_->SetPicture(side);
    image8_->SetPicture(LoadInterfacePicture(location_, interface_picture::kFormBottom));
    image3_->SetPicture(LoadInterfacePicture(location_, interface_picture::kFormCaption));
}

void MainWindow::MakeMenuColours() {
    colorMap_ = std::make_unique<controls::MyColorMap>(this, palette());
    menuBar_->setStyleSheet(colorMap_->StyleSheet());
}

void MainWindow::LoadButtonPictures() {
    pictures_.Buttons.Load(location_);
    SetButtonPicture(imageEx3_, ButtonGroup::Close, ButtonState::Passive);
    SetButtonPicture(imageEx4_, ButtonGroup::Minimize, ButtonState::Passive);
    SetButtonPicture(imageNavLink_, ButtonGroup::Link, ButtonState::Passive);
    SetButtonPicture(imageNavBack_, ButtonGroup::Back, ButtonState::Disabled);
    SetButtonPicture(imageNavNext_, ButtonGroup::Next, ButtonState::Disabled);
}

void MainWindow::LoadDesignPictures() {
    const auto load = [this](std::string_view stored) {
        return LoadInterfacePicture(location_, stored);
    };
    mainScrollBox_->SetBackground(load(interface_picture::kMainMask));
    mainScrollBox_->SetStatPictures(load(interface_picture::kStatAttack),
                                    load(interface_picture::kStatDefence),
                                    load(interface_picture::kAttributeAgility));

    // Added in the order of their cells (panel_pictures.h).
    pictures_.Other64.Clear();
    pictures_.Other64.Add(load(interface_picture::kNoAbility), kLime);
    pictures_.Frames.Clear();
    pictures_.Frames.Add(load(interface_picture::kGoldBorder64), kLime);
    pictures_.Frames.Add(load(interface_picture::kBronzeBorder64), kLime);
    pictures_.Other36.Clear();
    pictures_.Other36.Add(load(interface_picture::kEmptySlot), kBlack);
    pictures_.Other36.Add(load(interface_picture::kGoldBorder36), kLime);
    pictures_.Other36.Add(load(interface_picture::kBronzeBorder36), kLime);
    pictures_.Other30.Clear();
    pictures_.Other30.Add(load(interface_picture::kNoOrbWorks), kBlack);
    pictures_.Other30.Add(load(interface_picture::kNoOrb), kBlack);
    pictures_.Levels.Clear();
    pictures_.Levels.Add(load(interface_picture::kLevelBadges), kBlack);
}

void MainWindow::FallBackAfterError() {
    // The steps already done stay done. A calculator whose pictures or hero
    // never arrived cannot be offered; the documents stay usable, and the
    // history still starts on the calculator entry so Back and Next agree.
    if (!heroShown_) {
        DisableCalculator(false);
    }
    if (navHistory_.empty()) {
        navHistory_ = {TNavHistory{"calc", 0}};
        navIndex_ = 0;
    }
    if (!searchListBuilt_) {
        searchScrollBox_->SetDictionary(catalogue_.SlangWords);
        searchScrollBox_->BuildSearchList();
    }
    UpdateNavButtons();
}

} // namespace zephyr::ui
