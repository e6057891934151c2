#pragma once

#include "engine/stat_breakdown.h"
#include "engine/stat_figures.h"

#include <QString>

#include <vector>

namespace zephyr::ui {

// Rich texts of the planning tooltips: a heading, then one line per changed
// figure, "old → new (±delta)", the better side green and the worse red.
QString ChangesToolTip(const QString& heading, const std::vector<FigureChange>& changes);

// The comparison tooltip of a value cell: pinned → current.
QString ComparisonToolTip(const FigureChange& change);

// The body of a breakdown popup.
QString BreakdownHtml(const FigureBreakdown& breakdown);

} // namespace zephyr::ui
