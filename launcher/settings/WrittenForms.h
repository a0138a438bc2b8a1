#pragma once
// The text forms in which the settings writer puts numbers into Zentei.ini.
#include <cstdint>
#include <string>

namespace WrittenForms {

// Decimal with a leading blank for zero and positive numbers, a minus sign
// for negative ones: " 4", "-1".
std::wstring NumberTextForm(int value);

// The final character of NumberTextForm: the one digit the single-digit
// fields hold. A negative value loses its sign, 12 is written as 2.
std::wstring LastCharacter(int value);

// NumberTextForm without its first character: drops the leading blank, or
// the minus sign of a negative value (-100 is written as 100).
std::wstring WithoutFirstCharacter(int value);

// The last six characters of "000000" followed by the upper-case hex form:
// 0xFFFF gives "00FFFF"; a non-zero high byte is lost.
std::wstring ColourHex6(std::uint32_t colour);

// The shortest plain decimal that reads back as the same size: 11.25, 9,
// 10.5. Always with a full stop, whatever the system's decimal separator:
// the reader understands only the full stop, and a comma would even split
// the line into two records.
std::wstring FontSizeText(float size);

}  // namespace WrittenForms
