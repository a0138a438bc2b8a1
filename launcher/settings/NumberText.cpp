#include "launcher/settings/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>

namespace NumberText {
namespace {

struct Scan {
  bool found = false;      // a usable number stands at the start
  double value = 0.0;
  std::size_t end = 0;     // position after the last character used
};

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int DigitValue(wchar_t c, int radix) {
  int digit = radix;
  if (c >= L'0' && c <= L'9') digit = c - L'0';
  else if (c >= L'A' && c <= L'F') digit = c - L'A' + 10;
  else if (c >= L'a' && c <= L'f') digit = c - L'a' + 10;
  return digit < radix ? digit : -1;
}

// How the platform types a "&H" / "&O" literal: by its digit count, so
// "&HFFFF" is the 16-bit -1 while "&H00FFFF" (as the writer spells colours)
// is the 32-bit 65535.
struct Radix {
  int base;
  std::size_t digits16;  // at most this many digits: 16-bit signed
  std::size_t digits32;  // at most this many digits: 32-bit signed
};
constexpr Radix Hexadecimal{16, 4, 8};
constexpr Radix Octal{8, 6, 11};

double SignedByWidth(std::uint64_t bits, std::size_t digitCount, const Radix& radix) {
  if (digitCount <= radix.digits16 && bits <= 0xFFFFu) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bits));
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
}

Scan ScanRadix(const std::wstring& text, std::size_t start, const Radix& radix) {
  std::uint64_t bits = 0;
  std::size_t i = start;
  for (; i < text.size() && DigitValue(text[i], radix.base) >= 0; ++i) {
    if (i - start == radix.digits32) return Scan();
    bits = bits * static_cast<std::uint64_t>(radix.base) +
           static_cast<std::uint64_t>(DigitValue(text[i], radix.base));
  }
  if (i == start || bits > 0xFFFFFFFFu) return Scan();
  Scan scan;
  scan.found = true;
  scan.value = SignedByWidth(bits, i - start, radix);
  scan.end = i;
  return scan;
}

std::size_t SkipDigits(const std::wstring& text, std::size_t i, std::string& into) {
  for (; i < text.size() && IsDigit(text[i]); ++i) into += static_cast<char>(text[i]);
  return i;
}

// The exponent counts only when digits follow "E"/"D" and its sign; "1e" is 1.
std::size_t ScanExponent(const std::wstring& text, std::size_t i, std::string& number) {
  if (i >= text.size()) return i;
  const wchar_t marker = text[i];
  if (marker != L'E' && marker != L'e' && marker != L'D' && marker != L'd') return i;
  std::size_t j = i + 1;
  std::string exponent = "e";
  if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) exponent += static_cast<char>(text[j++]);
  const std::size_t digitsEnd = SkipDigits(text, j, exponent);
  if (digitsEnd == j) return i;
  number += exponent;
  return digitsEnd;
}

Scan ScanDecimal(const std::wstring& text, std::size_t start) {
  std::size_t i = start;
  std::string sign;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
    if (text[i] == L'-') sign = "-";
    ++i;
  }
  std::string whole;
  std::string fraction;
  i = SkipDigits(text, i, whole);
  if (i < text.size() && text[i] == L'.') i = SkipDigits(text, i + 1, fraction);
  if (whole.empty() && fraction.empty()) return Scan();
  // Spelled out in full ("0.5", not ".5") for the locale-free parser.
  std::string number = sign + (whole.empty() ? "0" : whole);
  if (!fraction.empty()) number += "." + fraction;
  i = ScanExponent(text, i, number);
  Scan scan;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), scan.value);
  if (result.ec != std::errc()) return Scan();
  scan.found = true;
  scan.end = i;
  return scan;
}

Scan ScanNumber(const std::wstring& text, std::size_t start) {
  if (start + 1 < text.size() && text[start] == L'&') {
    const wchar_t prefix = text[start + 1];
    if (prefix == L'H' || prefix == L'h') return ScanRadix(text, start + 2, Hexadecimal);
    if (prefix == L'O' || prefix == L'o') return ScanRadix(text, start + 2, Octal);
    return Scan();
  }
  return ScanDecimal(text, start);
}

std::wstring WithoutBlanks(const std::wstring& text) {
  std::wstring compact;
  for (wchar_t c : text) {
    if (c != L' ' && c != L'\t' && c != L'\n') compact += c;
  }
  return compact;
}

}  // namespace

double LeadingNumber(const std::wstring& text) {
  const Scan scan = ScanNumber(WithoutBlanks(text), 0);
  return scan.found ? scan.value : 0.0;
}

bool ParseWholeNumber(const std::wstring& text, double& value) {
  const std::size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return false;
  const std::size_t last = text.find_last_not_of(L' ');
  const Scan scan = ScanNumber(text, first);
  if (!scan.found || scan.end != last + 1) return false;
  value = scan.value;
  return true;
}

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction > 0.5) return below + 1.0;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

bool IsWholeIn(double value, int low, int high) {
  return value >= low && value <= high && std::floor(value) == value;
}

std::int16_t ToInt16(double value, bool& fits) {
  const double rounded = RoundHalfEven(value);
  fits = rounded >= -32768.0 && rounded <= 32767.0;  // false for NaN as well
  return fits ? static_cast<std::int16_t>(rounded) : std::int16_t{0};
}

}  // namespace NumberText
