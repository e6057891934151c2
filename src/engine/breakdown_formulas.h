#pragma once

#include "breakdown_text.h"
#include "stat_breakdown.h"

namespace zephyr {

// The lines and the final formula of a figure that is no plain sum: the
// inputs by source, then the formula with the numbers put in. A sum whose
// parts are themselves made by formulas (the damage per second, the hit with
// its percentage) gets its formula beside the lines it has.
void WriteFormula(FigureBreakdown& breakdown, const BreakdownText& text, const StatRecord& record,
                  Figure figure);

} // namespace zephyr
