#pragma once

#include <string>

namespace zephyr {

// "Fixed notation with two decimals": rounded (half away from zero) to five
// significant digits or to two decimals, whichever keeps fewer digits, then
// printed with exactly two decimals (1234.5678 -> 1234.60). A value whose
// integer part needs more than five digits is printed as d.ddddE+XX.
std::string FormatFixed2(double value, char decimalSeparator);

// "Shortest general form": at most 15 significant digits, no trailing zeros
// (0.57, 2); very large or small magnitudes as dE[-]X (1E20, 1.5E-7).
std::string FormatGeneral(double value, char decimalSeparator);

} // namespace zephyr
