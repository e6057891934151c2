#pragma once

#include "ui/library/build_comparison.h"

#include <QWidget>

#include <array>

class QLabel;

namespace zephyr::ui {

class CellList;

// One build of a comparison as a card: its title, the hero's portrait, name
// and level, the six items with their pictures and the ability levels.
class BuildComparisonCard : public QWidget {
    Q_OBJECT
public:
    // The picture lists stay the caller's and must outlive the card.
    BuildComparisonCard(const CellList& portraits, const CellList& itemPictures, QWidget* parent);

    void SetTitle(const QString& title);
    void ShowBuild(const ComparedBuild& build);

    QString Title() const;
    QString HeroText() const;
    // Slot 1 to 6; the ability 1 to 5, the fifth the attribute bonus.
    QString ItemText(int slot) const;
    QString AbilityText(int ability) const;
    QImage Portrait() const;
    QImage ItemPicture(int slot) const;

private:
    const CellList* portraits_;
    const CellList* itemPictures_;
    QLabel* title_;
    QLabel* portrait_;
    QLabel* hero_;
    std::array<QLabel*, kSlotCount> itemPicture_{};
    std::array<QLabel*, kSlotCount> itemName_{};
    std::array<QLabel*, kComparedAbilities> ability_{};
};

} // namespace zephyr::ui
