#include "launcher/settings/SettingsText.h"

namespace SettingsText {

std::wstring Trim(const std::wstring& text) {
  const std::wstring::size_type first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return std::wstring();
  const std::wstring::size_type last = text.find_last_not_of(L' ');
  return text.substr(first, last - first + 1);
}

std::wstring TrimLeading(const std::wstring& text) {
  const std::wstring::size_type first = text.find_first_not_of(L' ');
  return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

std::wstring LowerAscii(const std::wstring& text) {
  std::wstring lower = text;
  for (wchar_t& c : lower) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return lower;
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace SettingsText
