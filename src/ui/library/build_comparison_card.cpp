#include "ui/library/build_comparison_card.h"

#include "ui/widgets/cell_list.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace zephyr::ui {
namespace {

const QColor kEmpty(30, 36, 52);
const QColor kRule(62, 76, 77);

// The cell on black, or an empty square framed in the rule grey when the
// list has no such cell.
QImage CellPicture(const CellList& list, int index) {
    QImage image(list.Width(), list.Height(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    if (list.Cell(index) != nullptr) {
        list.Draw(painter, index, 0, 0);
    } else {
        painter.fillRect(image.rect(), kEmpty);
        painter.setPen(kRule);
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    }
    return image;
}

QLabel* PictureLabel(const QSize& size, const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(size);
    return label;
}

void ShowPicture(QLabel* label, const QImage& picture, const QString& accessibleName) {
    label->setPixmap(QPixmap::fromImage(picture));
    label->setAccessibleName(accessibleName);
    label->setToolTip(accessibleName);
}

QImage PictureOf(const QLabel* label) {
    return label->pixmap().toImage();
}

} // namespace

BuildComparisonCard::BuildComparisonCard(const CellList& portraits, const CellList& itemPictures,
                                         QWidget* parent)
    : QWidget(parent), portraits_(&portraits), itemPictures_(&itemPictures) {
    setObjectName(QStringLiteral("BuildComparisonCard"));
    setAttribute(Qt::WA_StyledBackground);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("CardTitle"));
    portrait_ = PictureLabel(QSize(portraits.Width(), portraits.Height()),
                             QStringLiteral("CardPortrait"), this);
    hero_ = new QLabel(this);
    hero_->setObjectName(QStringLiteral("CardHero"));

    auto* abilities = new QVBoxLayout;
    abilities->setSpacing(1);
    abilities->addWidget(hero_);
    for (std::size_t k = 0; k < ability_.size(); ++k) {
        ability_[k] = new QLabel(this);
        ability_[k]->setObjectName(QStringLiteral("CardAbility%1").arg(k + 1));
        abilities->addWidget(ability_[k]);
    }
    abilities->addStretch();
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(portrait_, 0, Qt::AlignTop);
    top->addLayout(abilities, 1);

    // Slots 1 to 6 in the panel's order: two columns of three.
    auto* items = new QGridLayout;
    items->setHorizontalSpacing(6);
    items->setVerticalSpacing(4);
    items->setColumnStretch(1, 1);
    items->setColumnStretch(3, 1);
    for (std::size_t s = 0; s < itemPicture_.size(); ++s) {
        const int row = static_cast<int>(s) / 2;
        const int column = static_cast<int>(s) % 2 * 2;
        itemPicture_[s] = PictureLabel(QSize(itemPictures.Width(), itemPictures.Height()),
                                       QStringLiteral("CardItemPicture%1").arg(s + 1), this);
        itemName_[s] = new QLabel(this);
        itemName_[s]->setObjectName(QStringLiteral("CardItem%1").arg(s + 1));
        itemName_[s]->setWordWrap(true);
        items->addWidget(itemPicture_[s], row, column);
        items->addWidget(itemName_[s], row, column + 1);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(title_);
    layout->addLayout(top);
    layout->addLayout(items);
}

void BuildComparisonCard::SetTitle(const QString& title) {
    title_->setText(title);
    setAccessibleName(title);
}

void BuildComparisonCard::ShowBuild(const ComparedBuild& build) {
    QString hero = build.HeroName;
    if (build.Hero != 0) {
        hero += QStringLiteral(", уровень %1").arg(build.Level);
    }
    hero_->setText(hero);
    ShowPicture(portrait_, CellPicture(*portraits_, build.Hero - 1),
                QStringLiteral("Портрет: %1").arg(build.HeroName));
    for (std::size_t s = 0; s < build.Items.size(); ++s) {
        const ComparedItem& item = build.Items[s];
        const QString name = item.Name.isEmpty() ? QStringLiteral("—") : item.Name;
        itemName_[s]->setText(name);
        itemName_[s]->setEnabled(!item.Name.isEmpty());
        ShowPicture(itemPicture_[s], CellPicture(*itemPictures_, item.Icon),
                    QStringLiteral("Слот %1: %2").arg(QString::number(s + 1), name));
    }
    for (std::size_t k = 0; k < build.Abilities.size(); ++k) {
        const ComparedAbility& ability = build.Abilities[k];
        ability_[k]->setText(build.Hero != 0 ? QStringLiteral("%1: %2").arg(
                                                   ability.Name, QString::number(ability.Level))
                                             : QString());
    }
}

QString BuildComparisonCard::Title() const {
    return title_->text();
}

QString BuildComparisonCard::HeroText() const {
    return hero_->text();
}

QString BuildComparisonCard::ItemText(int slot) const {
    return itemName_.at(static_cast<std::size_t>(slot - 1))->text();
}

QString BuildComparisonCard::AbilityText(int ability) const {
    return ability_.at(static_cast<std::size_t>(ability - 1))->text();
}

QImage BuildComparisonCard::Portrait() const {
    return PictureOf(portrait_);
}

QImage BuildComparisonCard::ItemPicture(int slot) const {
    return PictureOf(itemPicture_.at(static_cast<std::size_t>(slot - 1)));
}

} // namespace zephyr::ui
