#include "launcher/settings/ColourText.h"

#include "launcher/settings/NumberText.h"

namespace ColourText {
namespace {

constexpr std::uint32_t LargestRgb = 0xFFFFFF;
constexpr std::uint32_t FirstSystemColour = 0x80000000u;
constexpr std::uint32_t LastSystemColour = 0x80000018u;

bool IsShowable(std::uint32_t colour) {
  return colour <= LargestRgb || (colour >= FirstSystemColour && colour <= LastSystemColour);
}

}  // namespace

bool ParseColour(const std::wstring& text, std::uint32_t& colour) {
  double value = 0.0;
  if (!NumberText::ParseWholeNumber(text, value)) return false;
  const double rounded = NumberText::RoundHalfEven(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return false;
  const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded));
  if (!IsShowable(bits)) return false;
  colour = bits;
  return true;
}

}  // namespace ColourText
