#pragma once

#include "ui/library/build_comparison.h"
#include "ui/widgets/cell_list.h"

#include "builds/build_file.h"
#include "engine/build_recipe.h"

#include "ui/widgets/secondary_window.h"
#include <QColor>

#include <vector>

class QTableWidget;

namespace zephyr::ui {

class BuildComparisonCard;

// "Сравнение сборок": the build in the panel (left, "Текущая") beside a saved
// one (right, under its name), of the same hero or not: their heroes, items
// and ability levels, then every figure of the panel for both with the
// difference other minus current, green where the saved build is better and
// red where it is worse.
class BuildComparisonWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // The catalogue must outlive the window.
    BuildComparisonWindow(const Catalogue& catalogue, const BuildRecipe& current,
                          const BuildFile& other, QWidget* parent);

    // The panel's build changed.
    void SetCurrent(const BuildRecipe& current);
    void SetOther(const BuildFile& other);

    // The figures table: one row per figure in the preview's order; columns
    // caption, current, other and difference.
    enum Column { kCaptionColumn, kCurrentColumn, kOtherColumn, kDifferenceColumn };
    const QTableWidget* Table() const { return table_; }
    QString CellText(int row, int column) const;
    // The difference's colour, invalid where the figures are equal.
    QColor DifferenceColour(int row) const;
    const BuildComparisonCard* CurrentCard() const { return currentCard_; }
    const BuildComparisonCard* OtherCard() const { return otherCard_; }

private:
    void FillTable();

    const Catalogue* catalogue_;
    char decimalSeparator_;
    CellList portraits_;
    CellList itemPictures_;
    ComparedBuild current_;
    ComparedBuild other_;
    BuildComparisonCard* currentCard_ = nullptr;
    BuildComparisonCard* otherCard_ = nullptr;
    QTableWidget* table_ = nullptr;
};

} // namespace zephyr::ui
