#pragma once
// The strict conversion of a ForeColor / BackColor value text to a colour.
#include <cstdint>
#include <string>

namespace ColourText {

// True when text (everything after the "=") is exactly one number, decimal
// or "&H" hexadecimal, with blanks allowed around it, and names a colour the
// title label can show. A decimal with a fraction is rounded half-to-even,
// as the platform's conversion to a 32-bit integer does. The result, taken as
// a 32-bit pattern, must be
//  - an RGB colour 0x00BBGGRR (0 .. 0xFFFFFF), or
//  - a system colour 0x80000000 | index with index 0 .. 0x18, the colour
//    indices Windows 95 knows (window text, button face and so on).
// Anything else fails and leaves colour unchanged: "&HZZ", "12abc", "-1",
// "&H1000000", values outside the 32-bit range. Because "&H80000005" reads
// as a negative 32-bit value, its decimal twin -2147483643 is accepted too.
bool ParseColour(const std::wstring& text, std::uint32_t& colour);

}  // namespace ColourText
