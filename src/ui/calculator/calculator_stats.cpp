#include "ui/calculator/calculator_panel.h"

#include "ui/widgets/decimal_separator.h"
#include "ui/widgets/texts.h"

#include "engine/stat_format.h"

#include <QLabel>

namespace zephyr::ui {

void CalculatorPanel::RefreshStats() {
    if (calculator_ == nullptr) {
        return;
    }
    const char separator = DecimalSeparator();
    const ::zephyr::StatsGrid grid = FormatStatsGrid(calculator_->Stats(), separator);
    for (int row = 0; row < StringGrid::kRows; ++row) {
        for (int column = 1; column < StringGrid::kColumns; column += 2) {
            stringGrid1_->SetCell(
                column, row,
                FromCp1251(grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
        }
    }
    const HeroBlockLabels block = FormatHeroBlock(calculator_->Stats(), separator);
    label16_->setText(FromCp1251(block.Label16));
    label17_->setText(FromCp1251(block.Label17));
    const std::string* values[5] = {&block.Label7, &block.Label9, &block.Label11, &block.Label13,
                                    &block.Label15};
    const std::optional<std::string>* bonuses[5] = {&block.Label23, &block.Label24, &block.Label25,
                                                    &block.Label26, &block.Label27};
    for (std::size_t i = 0; i < 5; ++i) {
        QLabel* value = valueLabels_[i];
        value->setText(FromCp1251(*values[i]));
        value->adjustSize();
        QLabel* bonus = bonusLabels_[i];
        if (!bonuses[i]->has_value()) {
            bonus->hide();
            continue;
        }
        bonus->setText(FromCp1251(**bonuses[i]));
        bonus->adjustSize();
        bonus->move(value->x() + value->width(), value->y());
        bonus->show();
    }
    stringGrid1_->update();
    UpdateHeroBlockNames();
    MarkChangedValues();
    SyncEditors();
}

} // namespace zephyr::ui
