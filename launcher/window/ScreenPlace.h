#pragma once
// The nine screen places: a 3 x 3 grid numbered row by row, the middle cell
// (4) meaning a free position. All values are twips; a computed position is
// a real number and is applied unrounded.

namespace ScreenPlace {

constexpr int kFree = 4;

struct Corner {
  float left;
  float top;
};

// Left by the column rule: left column 0, centre (SW - W) / 2, right SW - W.
inline float ColumnLeft(int place, float screenWidth, float width) {
  switch (place % 3) {
    case 0: return 0;
    case 1: return (screenWidth - width) / 2;
    default: return screenWidth - width;
  }
}

// Top by the row rule: top row 0, middle (SH - H) / 2, bottom SH - H.
inline float RowTop(int place, float screenHeight, float height) {
  switch (place / 3) {
    case 0: return 0;
    case 1: return (screenHeight - height) / 2;
    default: return screenHeight - height;
  }
}

// Both rules, for the places 0 to 8 other than the free one.
inline bool IsGridPlace(int place) { return place >= 0 && place <= 8 && place != kFree; }
inline Corner CornerFor(int place, float screenWidth, float screenHeight, float width, float height) {
  return {ColumnLeft(place, screenWidth, width), RowTop(place, screenHeight, height)};
}

}  // namespace ScreenPlace
