#include <gtest/gtest.h>

#include "launcher/window/ScreenPlace.h"

namespace {

// A 1024 x 768 screen at 15 twips per pixel, a 183 x 59 pixel bar.
TEST(ScreenPlace, CornersOfTheGrid) {
  const float sw = 15360, sh = 11520, w = 2745, h = 885;
  struct Case {
    int place;
    float left, top;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{1, 6307.5F, 0}, Case{2, 12615, 0}, Case{3, 0, 5317.5F},
                        Case{5, 12615, 5317.5F}, Case{6, 0, 10635}, Case{7, 6307.5F, 10635},
                        Case{8, 12615, 10635}}) {
    const ScreenPlace::Corner corner = ScreenPlace::CornerFor(c.place, sw, sh, w, h);
    EXPECT_FLOAT_EQ(corner.left, c.left) << "place " << c.place;
    EXPECT_FLOAT_EQ(corner.top, c.top) << "place " << c.place;
  }
  for (int place : {-1, 4, 9}) EXPECT_FALSE(ScreenPlace::IsGridPlace(place)) << place;
}

}  // namespace
