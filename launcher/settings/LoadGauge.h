#pragma once
// Arithmetic of the splash window's progress bar. Its frame is scaled to
// (records + 4) * 10 units and start-up takes exactly records + 4 steps of
// 10 units, so the bar ends full.
#include <cstddef>

namespace LoadGauge {

double ScaleWidth(std::size_t recordCount);

// One step from width: ten additions of one unit, then the width rounded
// half-to-even and cut down to a multiple of 10, so that any rounding the
// picture control applies to its width cannot pile up over many steps.
double Step(double width);

}  // namespace LoadGauge
