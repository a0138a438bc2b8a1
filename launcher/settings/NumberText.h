#pragma once
// Reading numbers out of settings texts with the platform's text-to-number
// rules, and fitting them into the launcher's 16-bit fields.
//
// A number is: an optional sign, digits with at most one decimal point (a
// full stop), and an optional exponent E or D with optional sign and digits;
// or "&H" with hexadecimal digits, or "&O" with octal digits (either letter
// in either case, no sign before the "&"). As the platform types such
// literals, the digit count decides the width: "&H" with up to 4 digits is a
// 16-bit signed value (&HFFFF is -1, &H8000 is -32768), with 5 to 8 digits
// a 32-bit signed value (&H0FFFF is 65535, &HFFFFFFFF is -1); "&O" with up
// to 6 digits and a value up to 177777 is 16-bit, up to 11 digits 32-bit.
// More digits, a value wider than 32 bits, or a decimal beyond the range of
// a double count as no number: the platform would fail with an overflow.
#include <cstdint>
#include <string>

namespace NumberText {

// The leading number of text; 0 when the text does not start with one.
// Blanks, tabs and line feeds are skipped wherever they stand, as the
// platform's conversion strips them ("1 2" reads 12); reading stops at the
// first other character that cannot continue the number ("12abc" reads 12,
// "&H1G" reads 1).
double LeadingNumber(const std::wstring& text);

// True when the whole text is one number, with blanks allowed only around
// it; the number goes to value. Used where a text must be numeric as a
// whole, such as the number after "Title" or "Execute" in a key.
bool ParseWholeNumber(const std::wstring& text, double& value);

// Rounds to the nearest whole number, a tie to the even one (2.5 -> 2).
double RoundHalfEven(double value);

// True when value is a whole number from low to high.
bool IsWholeIn(double value, int low, int high);

// value rounded half-to-even; fits tells whether that lies in -32768..32767.
// Returns 0 when it does not fit, and the caller then keeps its field as is.
std::int16_t ToInt16(double value, bool& fits);

}  // namespace NumberText
