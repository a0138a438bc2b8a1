#include "common/AnsiText.h"

#include <windows.h>

namespace AnsiText {

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
  return out;
}

std::wstring FromAnsi(const char* bytes, std::size_t count) {
  if (count == 0) return {};
  const int length = static_cast<int>(count);
  const int needed = MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes, length, out.data(), needed);
  return out;
}

std::wstring FromAnsi(const std::string& bytes) { return FromAnsi(bytes.data(), bytes.size()); }

}  // namespace AnsiText
