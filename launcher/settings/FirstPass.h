#pragma once
// The first reading pass (LoadSettings) takes only the keys that decide the
// window's geometry, matched loosely by the beginning of the record.
#include <cstdint>
#include <string>

namespace FirstPass {

enum class GeometryKey { Left, Top, Place, Buttons, FontSize, WindowStyle, Other };

// Compares the lower-cased, trimmed beginning of the record with "left",
// "top", "place", "buttons", "fontsize" and "windowstyle", in this order.
// "TopMost = 2" therefore counts as Top: the writer puts TopMost before Top,
// so the real Top still comes last.
GeometryKey MatchGeometryKey(const std::wstring& record);

// The leading number after the record's first "=", or of the whole record
// when it has none (0 for any record that begins with a key word).
double GeometryValue(const std::wstring& record);

struct PlaceReading {
  bool applies = false;          // false: v does not fit 16 bits, ignore it
  std::int16_t place = 4;        // Place after the record
  bool movesToPlace = false;     // a whole 0..8 other than 4: place the window
  bool freePosition = false;     // v reads as 4: move to (Left, Top) after the pass
};
PlaceReading ReadPlace(double v);

// Buttons takes a whole v from 1 to SlotCount, otherwise keeps current.
std::int16_t ReadButtons(double v, std::int16_t current);

// WindowStyle takes a whole v from 0 to 2, otherwise falls back to 0.
std::int16_t ReadWindowStyle(double v);

}  // namespace FirstPass
