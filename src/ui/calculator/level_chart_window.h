#pragma once

#include "engine/hero_stats.h"

#include "ui/widgets/secondary_window.h"

#include <vector>

class QChart;
class QTableWidget;

namespace zephyr::ui {

class TransientNote;

// "Прогресс по уровням": the main figures of the build at every hero level
// taken, as a table and as a chart of damage and survival against level. It
// shows what it is given and decides nothing.
class LevelChartWindow : public SecondaryWindow {
    Q_OBJECT
public:
    explicit LevelChartWindow(QWidget* parent);

    // Entry k - 1 holds hero level k, as LevelProgress gives them.
    void ShowLevels(std::vector<HeroStats> levels);
    // The table as tab-separated lines, captions first.
    QString TableText() const;
    // Ctrl+C and the button: the table onto the clipboard.
    void CopyTable();

protected:
private:
    void FillTable();
    void DrawChart();

    std::vector<HeroStats> levels_;
    char decimalSeparator_;
    QTableWidget* table_ = nullptr;
    QChart* chart_ = nullptr;
    TransientNote* note_ = nullptr;
};

} // namespace zephyr::ui
