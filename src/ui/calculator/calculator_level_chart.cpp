#include "ui/calculator/calculator_panel.h"

#include "ui/calculator/level_chart_window.h"
#include "ui/widgets/menu_keys.h"
#include "ui/widgets/window_placement.h"

#include "engine/level_progress.h"

#include <QMenu>
#include <QScreen>
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
    if (levelChart_ == nullptr) {
        levelChart_ = new LevelChartWindow(this);
        // Beside the main window where the screen has room, no taller than it.
        if (const QScreen* screen = window()->screen()) {
            const QRect free = screen->availableGeometry();
            levelChart_->resize(levelChart_->width(),
                                std::min(levelChart_->height(), free.height()));
            levelChart_->move(PlaceBeside(window()->frameGeometry(), levelChart_->size(), free));
        }
    }
    levelChart_->show();
    RefreshLevelChart();
    levelChart_->raise();
    levelChart_->activateWindow();
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
