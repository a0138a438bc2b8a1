#pragma once
// Unit arithmetic of the forms layer that needs no window: twips, pixels,
// point sizes and the colour values controls accept.
#include <cmath>
#include <cstdint>

namespace forms {

constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;

// Twips per pixel on a screen of the given dots per inch, as a whole number
// (15 at 96 DPI).
inline int TwipsPerPixelFor(int dpi) {
  return dpi > 0 ? static_cast<int>(std::lround(static_cast<double>(kTwipsPerInch) / dpi)) : 15;
}

// A font realised on the screen has a whole number of pixels; the size a
// control then reports is that height converted back to points (10 points
// at 96 DPI are 13 pixels and read back as 9.75).
inline int FontPixelHeight(double points, int dpi) {
  return static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}
inline float RealisedFontSize(double points, int dpi) {
  return static_cast<float>(FontPixelHeight(points, dpi)) * kPointsPerInch / static_cast<float>(dpi);
}

// Font sizes a control takes: above 0 and at most 2160 points.
inline bool IsAcceptableFontSize(double points) { return points > 0.0 && points <= 2160.0; }

// Colours a control takes: plain 0x00BBGGRR values and the system colours
// 0x80000000 + index (index 0 to 24).
inline bool IsAcceptableColour(std::uint32_t colour) {
  return colour <= 0x00FFFFFFu || (colour >= 0x80000000u && colour <= 0x80000018u);
}
inline bool IsSystemColour(std::uint32_t colour) { return (colour & 0x80000000u) != 0; }

}  // namespace forms
