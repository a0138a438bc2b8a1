#include "launcher/settings/ErrorLogLines.h"

namespace ErrorLogLines {
namespace {

std::wstring ZeroPadded(int value, std::wstring::size_type width) {
  const std::wstring digits = std::to_wstring(value);
  return digits.size() >= width ? digits : std::wstring(width - digits.size(), L'0') + digits;
}

}  // namespace

std::wstring DateLine(int year, int month, int day) {
  return L"[" + ZeroPadded(month, 2) + L"-" + ZeroPadded(day, 2) + L"-" + ZeroPadded(year, 4) + L"]";
}

std::wstring ErrorLine(const std::wstring& record) {
  return L"次の行に誤りがあります。 -> \"" + record + L"\"";
}

}  // namespace ErrorLogLines
