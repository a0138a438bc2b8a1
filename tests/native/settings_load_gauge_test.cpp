#include <gtest/gtest.h>

#include <cstddef>

#include "launcher/settings/LoadGauge.h"

namespace {

TEST(SettingsLoadGauge, RecordsPlusFourStepsFillTheScaleExactly) {
  for (std::size_t records : {std::size_t{0}, std::size_t{1}, std::size_t{17}, std::size_t{117}}) {
    const double scale = LoadGauge::ScaleWidth(records);
    EXPECT_DOUBLE_EQ(scale, static_cast<double>(records + 4) * 10.0);
    double width = 0;
    for (std::size_t step = 0; step < records + 4; ++step) {
      width = LoadGauge::Step(width);
      EXPECT_LE(width, scale);
    }
    EXPECT_DOUBLE_EQ(width, scale) << records << " records";
  }
}

TEST(SettingsLoadGauge, StepSnapsBackToAMultipleOfTen) {
  EXPECT_DOUBLE_EQ(LoadGauge::Step(0), 10);
  EXPECT_DOUBLE_EQ(LoadGauge::Step(5), 10);
  EXPECT_DOUBLE_EQ(LoadGauge::Step(19.4), 20);
  EXPECT_DOUBLE_EQ(LoadGauge::Step(9.6), 20) << "19.6 rounds up to 20";
}

}  // namespace
