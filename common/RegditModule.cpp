#include "common/RegditModule.h"

#include "common/AnsiText.h"
#include "common/RegistryKey.h"

namespace Regdit_Module {

void ReadRegistryString(HKEY key, const std::wstring& subKey, const std::wstring& valueName,
                        std::wstring& value) {
  value.clear();
  HKEY handle = nullptr;
  if (RegOpenKeyA(key, AnsiText::ToAnsi(subKey).c_str(), &handle) != ERROR_SUCCESS) return;
  // For an empty subKey RegOpenKeyA hands back the caller's own key, which is
  // not ours to close.
  RegistryKey opened(handle == key ? nullptr : handle);
  const HKEY subKeyHandle = handle;
  const std::string name = AnsiText::ToAnsi(valueName);
  DWORD type = 0;
  DWORD size = 512;
  if (RegQueryValueExA(subKeyHandle, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return;
  }
  std::string data(size, ' ');
  type = 0;
  if (RegQueryValueExA(subKeyHandle, name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return;
  }
  data.resize(size);
  // Data without a NUL (a binary or numeric value) is taken whole, as text.
  const std::wstring text = AnsiText::FromAnsi(data);
  value = text.substr(0, text.find(L'\0'));
}

}  // namespace Regdit_Module
