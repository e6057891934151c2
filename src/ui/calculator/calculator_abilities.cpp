#include "ui/calculator/calculator_panel.h"

#include "ui/widgets/cell_list.h"

#include "data/data_error.h"
#include "data/interface_pictures.h"
#include "data/stored_picture.h"

#include <QFrame>
#include <QMouseEvent>
#include <QTimer>

namespace zephyr::ui {

void CalculatorPanel::ChooseHero(int hero) {
    if (calculator_ == nullptr || !calculator_->ChooseHero(hero)) {
        return;
    }
    Record({GestureKind::ChooseHero, 0, 0, calculator_->Catalog().Hero(hero)->Name});
    ShowWholeBuild();
}

void CalculatorPanel::ShowHero() {
    if (calculator_ == nullptr || !calculator_->ShowHero()) {
        return;
    }
    Record({GestureKind::Reset, 0, 0, {}});
    ShowWholeBuild();
}

void CalculatorPanel::ShowWholeBuild() {
    LoadAttributePicture();
    LoadAbilityPictures();
    AfterBuildChange();
}

void CalculatorPanel::LoadAttributePicture() {
    const THero* hero = calculator_->Catalog().Hero(calculator_->State().CurrentHero);
    static constexpr std::string_view kAttributePictures[3] = {
        interface_picture::kAttributeStrength, interface_picture::kAttributeAgility,
        interface_picture::kAttributeIntelligence};
    if (hero == nullptr || hero->PrimaryAttribute < 1 || hero->PrimaryAttribute > 3) {
        return;
    }
    try {
        imageAttribute_->SetPicture(
            LoadInterfacePicture(location_, kAttributePictures[hero->PrimaryAttribute - 1]));
    } catch (const DataError&) {
        // The picture stays as it was; the data set is expected to be whole.
    }
}

void CalculatorPanel::LoadAbilityPictures() {
    pictures_.Abilities.Clear();
    const THero* hero = calculator_->Catalog().Hero(calculator_->State().CurrentHero);
    if (hero == nullptr) {
        return;
    }
    for (const TAbility& ability : hero->Abilities) {
        QImage picture;
        try {
            picture = ToQImage(FitPicture(
                LoadStoredPicture(location_, ability.ImagePath, PictureFormat::Jpeg), 64, 64));
        } catch (const DataError&) {
            // An unreadable ability picture shows black rather than shifting
            // the later abilities' pictures.
            picture = QImage(64, 64, QImage::Format_ARGB32);
            picture.fill(Qt::black);
        }
        pictures_.Abilities.Add(picture);
    }
}

void CalculatorPanel::ImageAbility1MouseDown(int ability, QMouseEvent* event) {
    controls::PictureControl* control = imageAbility_[static_cast<std::size_t>(ability - 1)];
    clickGate_(control);
    if (calculator_ == nullptr) {
        return;
    }
    if (event->button() == Qt::RightButton) {
        PopupMenu3Popup(ability, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (calculator_->LevelUp(ability)) {
        Record({GestureKind::LevelUp, ability, 0, {}});
        AfterBuildChange();
    } else {
        Note(LevelRefusal(ability));
    }
}

void CalculatorPanel::ImageEx8MouseDown() {
    clickGate_(imageEx8_);
    if (calculator_ != nullptr && calculator_->LevelDown()) {
        Record({GestureKind::LevelDown, 0, 0, {}});
        AfterBuildChange();
    }
}

void CalculatorPanel::ImageEx7MouseDown() {
    clickGate_(imageEx7_);
    ShowHero();
}

void CalculatorPanel::FlashAbility(int ability) {
    if (ability < 1 || ability > static_cast<int>(imageAbility_.size())) {
        return;
    }
    QWidget* picture = imageAbility_[static_cast<std::size_t>(ability - 1)];
    auto* frame = new QFrame(picture->parentWidget());
    frame->setObjectName(QStringLiteral("AbilityFlash"));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setStyleSheet(QStringLiteral("#AbilityFlash { border: 3px solid #F5FF00; }"));
    frame->setGeometry(picture->geometry().adjusted(-4, -4, 4, 4));
    frame->show();
    frame->raise();
    QTimer::singleShot(1500, frame, &QObject::deleteLater);
}

} // namespace zephyr::ui
