#include "ui/calculator/calculator_panel.h"

#include "ui/calculator/level_chart_window.h"
#include "ui/widgets/menu_keys.h"

#include "engine/level_progress.h"

#include <QMenu>
#include <QShortcut>

#include <algorithm>

namespace zephyr::ui {

void CalculatorPanel::BuildLevelChartEntries() {
    auto* keys = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    keys->setContext(Qt::WindowShortcut);
    connect(keys, &QShortcut::activated, this, [this] { ShowLevelChart(); });
    QAction* entry = portraitMenu_->addAction(QStringLiteral("Прогресс по уровням"));
    ShowKeys(entry, QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(entry, &QAction::triggered, this, [this] { ShowLevelChart(); });
}

void CalculatorPanel::ShowLevelChart() {
    // Placed beside the main window the first time; where the user left it
    // after that.
    if (levelChart_ == nullptr) {
        levelChart_ = new LevelChartWindow(this);
        levelChart_->PlaceBeside(this);
    }
    levelChart_->show();
    RefreshLevelChart();
    levelChart_->Present();
}

void CalculatorPanel::RefreshLevelChart() {
    if (levelChart_ == nullptr || levelChart_->isHidden()) {
        return;
    }
    levelChart_->ShowLevels(calculator_ != nullptr
                                ? LevelProgress(calculator_->Catalog(), calculator_->State())
                                : std::vector<HeroStats>{});
}

} // namespace zephyr::ui
