#include "launcher/settings/LoadGauge.h"

#include "launcher/settings/NumberText.h"

namespace LoadGauge {

double ScaleWidth(std::size_t recordCount) {
  return (static_cast<double>(recordCount) + 4.0) * 10.0;
}

double Step(double width) {
  for (int unit = 0; unit < 10; ++unit) width += 1.0;
  const auto rounded = static_cast<long long>(NumberText::RoundHalfEven(width));
  return static_cast<double>(rounded / 10 * 10);
}

}  // namespace LoadGauge
