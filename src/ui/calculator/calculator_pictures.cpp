#include "ui/calculator/calculator_panel.h"

#include "ui/widgets/texts.h"

#include <QPainter>

namespace zephyr::ui {
namespace {

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

QImage CalculatorPanel::SlotImage(int slot) const {
    QImage image = Blank(36, 36);
    QPainter painter(&image);
    const SlotPictureView view = calculator_->SlotPicture(slot);
    if (view.Empty) {
        pictures_.Other36.Draw(painter, cell::kEmptySlot, 0, 0);
        return image;
    }
    pictures_.Shops.Draw(painter, view.IconIndex, 0, 0);
    if (view.BronzeFrame) {
        pictures_.Other36.Draw(painter, cell::kSlotBronzeFrame, 0, 0);
    }
    if (view.GoldFrame) {
        pictures_.Other36.Draw(painter, cell::kSlotGoldFrame, 0, 0);
    }
    return image;
}

QImage CalculatorPanel::AbilityImage(int ability) const {
    QImage image = Blank(64, 64);
    QPainter painter(&image);
    const AbilityPictureView view = calculator_->AbilityPicture(ability);
    if (ability == 5) {
        pictures_.Other64.Draw(painter, cell::kNoAbility, 0, 0, view.Dimmed);
    } else {
        pictures_.Abilities.Draw(painter, ability - 1, 0, 0, view.Dimmed);
    }
    if (view.LevelBadge >= 0) {
        pictures_.Levels.Draw(painter, view.LevelBadge, 41, 41);
    }
    if (view.BronzeFrame) {
        pictures_.Frames.Draw(painter, cell::kBronzeFrame, 0, 0);
    }
    if (view.GoldFrame) {
        pictures_.Frames.Draw(painter, cell::kGoldFrame, 0, 0);
    }
    return image;
}

QImage CalculatorPanel::AuraImage(int aura) const {
    QImage image = Blank(15, 15);
    QPainter painter(&image);
    pictures_.Aurs15.Draw(painter, calculator_->AuraPicture(aura).IconIndex, 0, 0);
    return image;
}

QImage CalculatorPanel::OrbImage() const {
    QImage image = Blank(70, 30);
    QPainter painter(&image);
    const OrbPictureView view = calculator_->OrbPicture();
    switch (view.Kind) {
    case OrbPictureKind::NoOrb:
        pictures_.Other30.Draw(painter, cell::kNoOrb, 20, 0);
        break;
    case OrbPictureKind::NoOrbWorks:
        pictures_.Other30.Draw(painter, cell::kNoOrbWorks, 20, 0);
        break;
    case OrbPictureKind::Single:
        pictures_.Orbs30.Draw(painter, view.FirstIcon, 20, 0);
        break;
    case OrbPictureKind::Pair:
        pictures_.Orbs30.Draw(painter, view.FirstIcon, 0, 0);
        pictures_.Orbs30.Draw(painter, view.SecondIcon, 40, 0);
        break;
    }
    return image;
}

void CalculatorPanel::RefreshPictures() {
    if (calculator_ == nullptr) {
        return;
    }
    for (int s = 1; s <= 6; ++s) {
        imageSlot_[static_cast<std::size_t>(s - 1)]->SetPicture(SlotImage(s));
    }
    const int hero = calculator_->State().CurrentHero;
    if (calculator_->Catalog().Hero(hero) != nullptr) {
        QImage portrait = Blank(64, 64);
        QPainter painter(&portrait);
        pictures_.Heroes64.Draw(painter, hero - 1, 0, 0);
        painter.end();
        imageHero_->SetPicture(portrait);
        for (int a = 1; a <= 5; ++a) {
            imageAbility_[static_cast<std::size_t>(a - 1)]->SetPicture(AbilityImage(a));
        }
    }
    for (int n = 1; n <= 10; ++n) {
        controls::PictureControl* aura = imageAurs_[static_cast<std::size_t>(n - 1)];
        aura->SetPicture(AuraImage(n));
        aura->setToolTip(FromCp1251(calculator_->AuraPicture(n).Hint));
    }
    imageOrbs_->SetPicture(OrbImage());
    UpdateControlNames();
}

} // namespace zephyr::ui
