#include "launcher/settings/WrittenForms.h"

#include <array>
#include <charconv>

namespace WrittenForms {

std::wstring NumberTextForm(int value) {
  const std::wstring digits = std::to_wstring(value);
  return value < 0 ? digits : L" " + digits;
}

std::wstring LastCharacter(int value) {
  const std::wstring form = NumberTextForm(value);
  return form.substr(form.size() - 1);
}

std::wstring WithoutFirstCharacter(int value) {
  return NumberTextForm(value).substr(1);
}

std::wstring ColourHex6(std::uint32_t colour) {
  static const wchar_t HexDigits[] = L"0123456789ABCDEF";
  std::wstring hex(6, L'0');
  for (int i = 5; i >= 0; --i) {
    hex[static_cast<std::size_t>(i)] = HexDigits[colour & 0xFu];
    colour >>= 4;
  }
  return hex;
}

std::wstring FontSizeText(float size) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), size,
                                    std::chars_format::fixed);
  return std::wstring(buffer.data(), result.ptr);
}

}  // namespace WrittenForms
